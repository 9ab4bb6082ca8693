#pragma once

#include <QString>

// Why a dialog refuses to close: which of its fields holds an unusable
// entry (the dialog's control number) and the message that says so.
struct CFieldRefusal
{
    int field = 0;
    QString message;
};
