#pragma once

#include "CupsFixture.h"
#include "MainWindowFixture.h"

// The program's window with the private scheduler's printers: skipped where
// no scheduler can start, failed under CI.
class PrinterWindowFixture : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        const QString failure = CupsFixture::StartServer();
        if (!failure.isEmpty()) {
            if (qgetenv("CI") == "true")
                FAIL() << qPrintable(failure);
            GTEST_SKIP() << qPrintable(failure);
        }
        MainWindowFixture::SetUp();
    }

    const IPrinterSystem* PrinterSystem() override { return &m_printers; }

    CCupsPrinterSystem m_printers;
};
