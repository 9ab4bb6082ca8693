#pragma once

#include "CupsTestServer.h"

#include "output/CCupsPrinterSystem.h"
#include "platform/IPrinter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <memory>

// Stops the scheduler once every test has run.
struct CupsServerEnvironment : ::testing::Environment
{
    void TearDown() override { CupsTestServer::Instance().Stop(); }
};
inline const ::testing::Environment* const cupsEnvironment =
    ::testing::AddGlobalTestEnvironment(new CupsServerEnvironment);

inline const QString engraverQueue = QStringLiteral("Corvex_KTX_90");
inline const QString laserQueue = QStringLiteral("Office_Laser");
// A class of two engraver queues, the first of them engraverQueue.
inline const QString engraverClass = QStringLiteral("Engravers");

// A test machine without a scheduler skips these tests; a CI machine must
// have one.
struct CupsFixture : ::testing::Test
{
    CCupsPrinterSystem printers;

    void SetUp() override
    {
        const QString failure = StartServer();
        if (failure.isEmpty())
            return;
        if (qgetenv("CI") == "true")
            FAIL() << qPrintable(failure);
        GTEST_SKIP() << qPrintable(failure);
    }

    // Starts the scheduler (once) with no options written; why not, else
    // empty.
    static QString StartServer()
    {
        CupsTestServer& server = CupsTestServer::Instance();
        if (!server.EnsureStarted())
            return server.Failure();
        server.ClearOptions();
        return {};
    }

    // lpoptions as a user (or lpoptions -o) writes them.
    static void WriteUserOptions(const QByteArray& text)
    {
        const QString file = CupsTestServer::Instance().UserOptionsFile();
        QDir().mkpath(QFileInfo(file).path());
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(text);
    }

    static QByteArray WrittenOptions()
    {
        QByteArray text;
        for (const QString& name : {CupsTestServer::Instance().SystemOptionsFile(), CupsTestServer::Instance().UserOptionsFile()}) {
            QFile file(name);
            if (file.open(QIODevice::ReadOnly))
                text += file.readAll();
        }
        return text;
    }

    CEngraverAdjustments AdjustmentsOf(const QString& queue) const
    {
        const std::unique_ptr<IPrinter> printer = printers.Open(queue);
        CEngraverAdjustments adjustments{1, 2, 3};
        EXPECT_TRUE(printer && printer->GetEngraverAdjustments(adjustments));
        return adjustments;
    }
};
