#pragma once

#include <QString>

// Why a dialog refuses to close: which of its fields holds an unusable
// entry (the dialog's control number) and the message that says so.
struct CFieldRefusal
{
    int field = 0;
    QString message;

    // The messages every dialog gives, the same words everywhere.
    static QString NotANumber();
    static QString NumberBetween(const QString& minimum, const QString& maximum);
    static QString IntegerBetween(int minimum, int maximum);
};
