#pragma once

#include <QString>

// Why a dialog refuses to close: which of its fields holds an unusable
// entry (the dialog's own numbering) and the message that says so.
struct CFieldError
{
    int field = 0;
    QString message;
};
