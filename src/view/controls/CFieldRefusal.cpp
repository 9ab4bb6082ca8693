#include "CFieldRefusal.h"

#include <QCoreApplication>
#include <QLocale>

// With an example as the user's locale writes it: "12,5" in French.
QString CFieldRefusal::NotANumber()
{
    return QCoreApplication::translate("CFieldRefusal", "Please enter a number, such as %1.")
        .arg(QLocale().toString(12.5, 'f', 1));
}

QString CFieldRefusal::NumberBetween(const QString& minimum, const QString& maximum)
{
    return QCoreApplication::translate("CFieldRefusal", "Please enter a number between %1 and %2.").arg(minimum, maximum);
}

QString CFieldRefusal::IntegerBetween(int minimum, int maximum)
{
    return QCoreApplication::translate("CFieldRefusal", "Please enter an integer between %1 and %2.")
        .arg(minimum)
        .arg(maximum);
}
