#pragma once

#include "ScanTypes.h"

#include <QCoreApplication>
#include <QString>

#include <sane/sane.h>

// What a status of the scanner library means for a scan and for the user.
class CSaneStatusText
{
    Q_DECLARE_TR_FUNCTIONS(CSaneStatusText)

public:
    static ScanResult::Status ResultOf(SANE_Status status);
    static QString Message(SANE_Status status);
};
