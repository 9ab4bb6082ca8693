#pragma once

#include <QString>

// The engraver printer the user chose last, as kept among the settings:
// "driver,device,port". Here the driver is the queue's make and model, the
// device the CUPS queue name and the port its device URI.
struct CPrinterChoice
{
    QString driver;
    QString device;
    QString port;

    // No printer is chosen: the system's default printer applies.
    bool IsNone() const { return device.isEmpty(); }

    // Split at the first two commas, so a port may itself hold commas. Text
    // without both commas, or without a device, chooses nothing.
    static CPrinterChoice FromText(const QString& text);
    // The three parts joined by commas, commas in the driver turned into
    // semicolons; empty when nothing is chosen.
    QString ToText() const;

    friend bool operator==(const CPrinterChoice&, const CPrinterChoice&) = default;
};
