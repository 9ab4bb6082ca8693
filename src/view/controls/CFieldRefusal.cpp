#include "CFieldRefusal.h"

#include <QCoreApplication>

QString CFieldRefusal::NotANumber()
{
    return QCoreApplication::translate("CFieldRefusal", "Please enter a number.");
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
