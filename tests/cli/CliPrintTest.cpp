// veldra2-cli print against the private scheduler: the job, its options,
// the job written to a file instead, and the ways it can fail.
#include "CupsFixture.h"
#include "RasterDecode.h"
#include "SampleLayout.h"
#include "ScratchDisk.h"

#include "document/CDocumentFile.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

namespace {

struct CliRun
{
    int exitCode = -1;
    QByteArray out, err;
};

struct CliPrintFixture : CupsFixture
{
    QTemporaryDir dir;

    CliRun Cli(const QStringList& arguments) const
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(VELDRA_CLI_PATH), QStringList{QStringLiteral("print")} + arguments);
        process.waitForFinished(60000);
        return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
    }

    // A layout whose own adjustments are 4, -2, 300.
    QString Layout()
    {
        const QString path = dir.filePath(QStringLiteral("plate.vlz"));
        SaveSampleLayout(path, {4, -2, 300});
        return path;
    }
};

} // namespace

TEST_F(CliPrintFixture, PrintsToTheEngraverWithTheLayoutsAdjustments)
{
    const CliRun run = Cli({Layout()});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const int jobId = run.out.trimmed().toInt();
    ASSERT_GT(jobId, 0) << run.out.constData();
    ASSERT_TRUE(CupsTestServer::Instance().WaitForJob(jobId));
    const QByteArray options = CupsTestServer::Instance().JobOptions(jobId);
    EXPECT_TRUE(options.contains("Brightness=4 ")) << options.constData();
    EXPECT_TRUE(options.contains("Contrast=-2 ")) << options.constData();
    EXPECT_TRUE(options.contains("Gamma=300 ")) << options.constData();
    // CUPS raster, compressed, in the machine's byte order.
    const QByteArray sync = CupsTestServer::Instance().JobOutput(jobId).left(4);
    EXPECT_TRUE(sync == "RaS2" || sync == "2SaR") << sync.constData();
}

TEST_F(CliPrintFixture, TheFileHoldsWhatTheQueueGets)
{
    const QString layout = Layout();
    const QStringList adjust = {QStringLiteral("--brightness"), QStringLiteral("-9"), QStringLiteral("--gamma"),
                                QStringLiteral("-200")};
    const CliRun sent = Cli(QStringList{layout, QStringLiteral("--printer"), engraverQueue} + adjust);
    ASSERT_EQ(sent.exitCode, 0) << sent.err.constData();
    const QString file = dir.filePath(QStringLiteral("job.ras"));
    const CliRun written = Cli(QStringList{layout, QStringLiteral("--to-file"), file} + adjust);
    ASSERT_EQ(written.exitCode, 0) << written.err.constData();
    EXPECT_TRUE(written.out.isEmpty());
    const int jobId = sent.out.trimmed().toInt();
    ASSERT_TRUE(CupsTestServer::Instance().WaitForJob(jobId));
    EXPECT_TRUE(CupsTestServer::Instance().JobOptions(jobId).contains("Brightness=-9 Contrast=-2 Gamma=-200"));
    QFile job(file);
    ASSERT_TRUE(job.open(QIODevice::ReadOnly));
    EXPECT_EQ(job.readAll(), CupsTestServer::Instance().JobOutput(jobId));
}

TEST_F(CliPrintFixture, FailuresSayTheJobCouldNotStart)
{
    const QString layout = Layout();
    const CliRun missing = Cli({layout, QStringLiteral("--printer"), QStringLiteral("No_Such_Queue")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.startsWith("Could not start print job.")) << missing.err.constData();

    CupsTestServer& server = CupsTestServer::Instance();
    ASSERT_TRUE(server.Admin(QStringLiteral("cupsdisable"), {engraverQueue}));
    const CliRun stopped = Cli({layout});
    EXPECT_TRUE(server.Admin(QStringLiteral("cupsenable"), {engraverQueue}));
    EXPECT_EQ(stopped.exitCode, 1);
    EXPECT_TRUE(stopped.err.startsWith("Could not start print job.")) << stopped.err.constData();
    EXPECT_TRUE(stopped.out.isEmpty());

    EXPECT_EQ(Cli({dir.filePath(QStringLiteral("none.vlz"))}).exitCode, 1);
    EXPECT_EQ(Cli({layout, QStringLiteral("--copies"), QStringLiteral("0")}).exitCode, 2);
    EXPECT_EQ(Cli({layout, QStringLiteral("--gamma")}).exitCode, 2);
    EXPECT_EQ(Cli({layout, QStringLiteral("--colour"), QStringLiteral("red")}).exitCode, 2);
    EXPECT_EQ(Cli({}).exitCode, 2);
}

// The job written to a file is a write like any other: a full disk, a FIFO
// or a folder in its place fail and leave what was there.
TEST_F(CliPrintFixture, AJobFileThatCannotBeWrittenKeepsTheOldFile)
{
    VELDRA_REQUIRE_ROOT();
    const QString layout = Layout();
    ScratchDisk disk(128);
    ASSERT_TRUE(disk.IsMounted());
    const QString raster = disk.Path(QStringLiteral("job.ras")), pdf = disk.Path(QStringLiteral("proof.pdf"));
    for (const QString& path : {raster, pdf}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("the user's old file");
    }
    disk.Fill();
    for (const QStringList& arguments : {QStringList{layout, QStringLiteral("--to-file"), raster},
                                         QStringList{layout, QStringLiteral("--printer"), laserQueue,
                                                     QStringLiteral("--to-file"), pdf}}) {
        const CliRun run = Cli(arguments);
        EXPECT_EQ(run.exitCode, 1) << run.err.constData();
        EXPECT_TRUE(run.err.startsWith("Could not start print job.")) << run.err.constData();
        QFile file(arguments.last());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), QByteArray("the user's old file"));
    }
}

TEST_F(CliPrintFixture, AJobFileIsNeverWrittenOverAFifoOrAFolder)
{
    const QString layout = Layout();
    const QString fifo = dir.filePath(QStringLiteral("job.fifo"));
    ASSERT_TRUE(ScratchDisk::MakeFifo(fifo));
    const CliRun run = Cli({layout, QStringLiteral("--to-file"), fifo});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("not a regular file")) << run.err.constData();
    EXPECT_FALSE(QFileInfo(fifo).isFile());
    EXPECT_EQ(Cli({layout, QStringLiteral("--printer"), laserQueue, QStringLiteral("--to-file"), dir.path()}).exitCode, 1);
    EXPECT_TRUE(QFileInfo(dir.path()).isDir());
}

// A queue that passes its jobs over IPP to another scheduler's engraver is
// the engraver too: the raster job arrives there as the program made it.
TEST_F(CliPrintFixture, AQueueReachedOverIppGetsTheEngraversJob)
{
    CupsTestServer& server = CupsTestServer::Instance();
    const CliRun run = Cli({Layout(), QStringLiteral("--printer"), QStringLiteral("Remote_Engraver")});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const int jobId = run.out.trimmed().toInt();
    ASSERT_GT(jobId, 0) << run.out.constData();
    ASSERT_TRUE(server.WaitForJob(jobId));
    // Handed on, it is a new job of the engraver's queue.
    int forwarded = 0;
    for (int wait = 0; wait < 300 && !forwarded; ++wait) {
        for (const auto& [id, title] : server.JobTitles(engraverQueue))
            if (id > jobId && title == QStringLiteral("plate.vlz"))
                forwarded = id;
        if (!forwarded)
            QThread::msleep(100);
    }
    ASSERT_GT(forwarded, 0);
    ASSERT_TRUE(server.WaitForJob(forwarded));
    const DecodedPage page = Decode(server.JobOutput(forwarded));
    ASSERT_TRUE(page.ok);
    EXPECT_EQ(page.header.cupsWidth, 1874u);
    EXPECT_EQ(page.header.HWResolution[0], 529u);
    EXPECT_TRUE(server.JobOptions(forwarded).contains("Brightness=4 ")) << server.JobOptions(forwarded).constData();
}
