#include "CPrinterChoice.h"

CPrinterChoice CPrinterChoice::FromText(const QString& text)
{
    const qsizetype firstComma = text.indexOf(u',');
    const qsizetype secondComma = firstComma < 0 ? -1 : text.indexOf(u',', firstComma + 1);
    if (secondComma < 0)
        return {};
    CPrinterChoice choice{text.left(firstComma), text.mid(firstComma + 1, secondComma - firstComma - 1),
                          text.mid(secondComma + 1)};
    if (choice.IsNone())
        return {};
    return choice;
}

QString CPrinterChoice::ToText() const
{
    if (IsNone())
        return {};
    // Make-and-model strings often hold commas ("..., hpcups 3.22"); left in,
    // they would shift the device into the driver's place when read back.
    QString safeDriver = driver;
    safeDriver.replace(u',', u';');
    return safeDriver + u',' + device + u',' + port;
}
