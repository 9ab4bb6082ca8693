#include "acquire/scan/CScanSession.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <thread>

namespace {

using Status = ScanResult::Status;
using namespace std::chrono_literals;

// Sessions on the tests' own scanner, whose calls do what the environment
// tells them (see backend/VeldraScanBackend.cpp).
struct ScannerStopTest : ::testing::Test
{
    QTemporaryDir folder;

    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        QFile dll(folder.filePath("dll.conf"));
        ASSERT_TRUE(dll.open(QIODevice::WriteOnly) && dll.write("veldrascan\n") > 0);
        dll.close();
        qputenv("SANE_CONFIG_DIR", folder.path().toUtf8());
        qputenv("LD_LIBRARY_PATH", VELDRA_SANE_BACKEND_FOLDER);
        qputenv("VELDRA_SANE_LOG", folder.filePath("calls").toUtf8());
        for (const char* name : {"VELDRA_SANE_READ", "VELDRA_SANE_CANCEL", "VELDRA_SANE_CLOSE"})
            qunsetenv(name);
    }
    QByteArray Calls() const
    {
        QFile log(folder.filePath("calls"));
        return log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
    }
};

const QString device = QStringLiteral("veldrascan:0");

} // namespace

TEST_F(ScannerStopTest, TheOwnScannerScansAndEndsClosed)
{
    {
        CScanSession session(device);
        QString error;
        ASSERT_TRUE(session.Open(&error)) << error.toStdString();
        const ScanResult result = session.Scan({100, {}, {}});
        EXPECT_EQ(result.status, Status::ok) << result.error.toStdString();
        EXPECT_EQ(result.image.Width(), 8);
        EXPECT_EQ(result.dpi, 100);
    }
    EXPECT_EQ(Calls(), QByteArray("open\ncancel\ncancel\nclose\n"));
}

TEST_F(ScannerStopTest, DeviceErrorsGiveNoImageTheirOwnStatusAndAClosedDevice)
{
    const std::pair<SANE_Status, Status> cases[] = {
        {SANE_STATUS_JAMMED, Status::failed},      {SANE_STATUS_IO_ERROR, Status::failed},
        {SANE_STATUS_COVER_OPEN, Status::failed},  {SANE_STATUS_NO_MEM, Status::failed},
        {SANE_STATUS_NO_DOCS, Status::noDocuments}, {SANE_STATUS_CANCELLED, Status::cancelled},
    };
    for (const auto& [code, status] : cases) {
        SCOPED_TRACE(sane_strstatus(code));
        qputenv("VELDRA_SANE_READ", QByteArray::number(int(code)));
        CScanSession session(device);
        ASSERT_TRUE(session.Open());
        const ScanResult result = session.Scan({});
        EXPECT_EQ(result.status, status);
        EXPECT_TRUE(result.image.IsEmpty());
        EXPECT_FALSE(result.error.isEmpty());
    }
    EXPECT_EQ(Calls().count("close"), 6);
}

TEST_F(ScannerStopTest, CancelFromAnotherThreadGivesNoImageWhateverTheCancelDoes)
{
    // The read waits for the cancel, which may come before or after it.
    qputenv("VELDRA_SANE_READ", "block");
    for (const char* cancel : {"succeed", "fail"}) {
        SCOPED_TRACE(cancel);
        qputenv("VELDRA_SANE_CANCEL", cancel);
        CScanSession session(device);
        ASSERT_TRUE(session.Open());
        ScanResult result;
        std::thread scanning([&] { result = session.Scan({}); });
        session.Cancel();
        scanning.join();
        EXPECT_EQ(result.status, Status::cancelled);
        EXPECT_TRUE(result.image.IsEmpty());
        // The session stays cancelled.
        EXPECT_EQ(session.Scan({}).status, Status::cancelled);
    }
}

TEST_F(ScannerStopTest, ACancelThatNeverReturnsIsLeftBehindAndTheUserIsTold)
{
    // The library's own test device does this when a scan is cancelled
    // after an error: its reader thread is stopped inside malloc.
    qputenv("VELDRA_SANE_READ", QByteArray::number(int(SANE_STATUS_IO_ERROR)));
    qputenv("VELDRA_SANE_CANCEL", "hang");
    {
        CScanSession session(device);
        ASSERT_TRUE(session.Open());
        session.SetAnswerDeadline(200ms);
        const ScanResult result = session.Scan({});
        EXPECT_EQ(result.status, Status::failed);
        EXPECT_TRUE(result.error.contains("stopped answering")) << result.error.toStdString();
        EXPECT_TRUE(session.StoppedAnswering());
        // Neither a later cancel nor the end of the session calls into it again.
        session.Cancel();
    }
    EXPECT_EQ(Calls(), QByteArray("open\ncancel\n"));
}

TEST_F(ScannerStopTest, ACloseThatNeverReturnsDoesNotHoldTheSessionsEnd)
{
    qputenv("VELDRA_SANE_CLOSE", "hang");
    {
        CScanSession session(device);
        ASSERT_TRUE(session.Open());
        EXPECT_EQ(session.Scan({}).status, Status::ok);
        session.SetAnswerDeadline(200ms);
    }
    EXPECT_EQ(Calls(), QByteArray("open\ncancel\ncancel\nclose\n"));
}
