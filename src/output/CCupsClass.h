#pragma once

#include <QString>
#include <QStringList>

#include <cups/cups.h>

class CCupsDestinations;

// A CUPS class is a queue whose jobs the scheduler spreads over its member
// printers. It has no PPD and no make and model of its own ("Local Printer
// Class"), so a class whose members are all engravers is taken for the
// engraver described by its first member: its jobs are the engraver's
// raster, at that member's resolution and page.
class CCupsClass
{
public:
    static bool IsClass(const cups_dest_t& dest);
    // The member printers' names, as the scheduler lists them.
    static QStringList Members(const QString& className);

    // The make and model the queue's jobs are made for.
    static QString MakeAndModel(const CCupsDestinations& destinations, const cups_dest_t& dest);
    // The queue whose PPD describes those jobs.
    static QString PpdQueue(const CCupsDestinations& destinations, const cups_dest_t& dest);

private:
    // The class's first member when every member is an engraver.
    static const cups_dest_t* EngraverMember(const CCupsDestinations& destinations, const cups_dest_t& dest);
};
