#pragma once

#include "CCupsConnection.h"

#include <QString>

#include <cups/cups.h>

// The destinations libcups knows, as one owned list: the scheduler's queues
// (the one CUPS_SERVER names, or the system's) with the user's lpoptions laid
// over them. Saving writes those options back to the user's lpoptions. A
// scheduler that does not answer in time gives an empty list.
class CCupsDestinations
{
public:
    CCupsDestinations();
    ~CCupsDestinations();
    CCupsDestinations(const CCupsDestinations&) = delete;
    CCupsDestinations& operator=(const CCupsDestinations&) = delete;

    const cups_dest_t* begin() const { return m_pDests; }
    const cups_dest_t* end() const { return m_pDests + m_count; }

    // The queue of that name (not one of its instances); an empty name asks
    // for the system's default queue. Null when there is none.
    cups_dest_t* Find(const QString& name) const;
    // Writes every destination's options as the user's lpoptions.
    bool Save() const;

    static QString Option(const cups_dest_t& dest, const char* name);
    static void SetOption(cups_dest_t& dest, const char* name, const QString& value);

private:
    // Saving asks the scheduler again, with the bound started afresh.
    mutable CCupsConnection m_connection;
    int m_count = 0;
    cups_dest_t* m_pDests = nullptr;
};
