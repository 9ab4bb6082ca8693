#pragma once

#include "platform/IPrinter.h"

#include <QString>

#include <optional>

// One CUPS queue as the program's printer. The engraver's adjustments are
// the user's options for the queue (Brightness, Contrast, Gamma in
// lpoptions), so they stay per user and per printer and go with each job.
class CCupsPrinter : public IPrinter
{
public:
    // device: the queue name; driver: its make and model; ppdQueue: the
    // queue whose PPD describes its jobs (a class's member), else device.
    CCupsPrinter(QString device, QString driver, QString ppdQueue = QString());

    const QString& Device() const { return m_strDevice; }
    const QString& Driver() const { return m_strDriver; }

    bool IsEngraver() const override;
    bool GetEngraverAdjustments(CEngraverAdjustments& adjustments) const override;
    bool SetEngraverAdjustments(const CEngraverAdjustments& adjustments) override;

    // The paper the user chose for the queue (a PPD keyword), empty when
    // the queue's default applies; choosing empty goes back to the default.
    QString ChosenPaper() const;
    bool ChoosePaper(const QString& name);

    // A name that starts like the engraver's: "Corvex KTX" or "Corvex VELDRA",
    // letter case as written.
    static bool IsEngraverName(const QString& name);
    // A queue is the engraver by its name or by its driver's name.
    static bool IsEngraverQueue(const QString& device, const QString& driver);
    // An option value as a number: "13", or "Custom.13" as CUPS writes a
    // custom choice of a PPD option.
    static std::optional<int> OptionNumber(const QString& value);

private:
    QString m_strDevice;
    QString m_strDriver;
    QString m_strPpdQueue;
};
