// Printing through the program's own window to the private scheduler: the
// job the engraver gets, and what the user sees when the printer is away.
#include "CupsFixture.h"
#include "DialogDriver.h"
#include "MainWindowFixture.h"
#include "RasterDecode.h"
#include "SampleLayout.h"

#include "app/CPrintCommands.h"
#include "document/CDocumentFile.h"
#include "document/CPlateRenderer.h"
#include "output/CCupsPrinterSystem.h"
#include "output/CEngraverDevice.h"
#include "view/CVeldraView.h"

#include <QTemporaryDir>

namespace {

class WindowPrintFixture : public MainWindowFixture
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

    // The sample layout saved and opened as a user opens it.
    void OpenSample()
    {
        CVeldraDoc sample;
        MakeSampleLayout(sample);
        sample.Adjustments().Set({6, -3, 120});
        const QString path = files.filePath(QStringLiteral("sample.vlz"));
        ASSERT_TRUE(CDocumentFile::Save(sample, path).ok);
        ASSERT_TRUE(frame->Documents().OpenDocument(path));
    }

    void PressPrintDirectly()
    {
        frame->activateWindow();
        QTest::qWait(300); // the idle refresh enables the commands
        QTest::keyClick(frame.get(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    }

    static int LatestJobId()
    {
        cups_job_t* jobs = nullptr;
        const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, nullptr, 0, CUPS_WHICHJOBS_ALL);
        int latest = 0;
        for (int i = 0; i < count; ++i)
            latest = std::max(latest, jobs[i].id);
        cupsFreeJobs(count, jobs);
        return latest;
    }

    // What the layout is bound to and how it looks: unchanged by a failure.
    struct Binding
    {
        int resolution;
        CSize device, printable, offset;
        bool modified;
        bool operator==(const Binding&) const = default;
    };
    Binding Bound() const
    {
        return {doc.GetResolution(), doc.GetDeviceSize(), doc.GetPrintableSize(), doc.PrintOffset(), doc.IsModified()};
    }

    DialogDriver driver;

private:
    CCupsPrinterSystem m_printers;
};

} // namespace

TEST_F(WindowPrintFixture, PrintDirectlySendsTheOpenLayoutDotForDot)
{
    EXPECT_EQ(app->Settings().printer.device, engraverQueue);
    OpenSample();
    EXPECT_EQ(doc.GetResolution(), 529);
    const int before = LatestJobId();
    PressPrintDirectly();
    const int jobId = LatestJobId();
    ASSERT_EQ(jobId, before + 1) << qPrintable(driver.Messages().join(u'|'));
    EXPECT_TRUE(driver.Messages().isEmpty());
    ASSERT_TRUE(CupsTestServer::Instance().WaitForJob(jobId));

    const DecodedPage page = Decode(CupsTestServer::Instance().JobOutput(jobId));
    ASSERT_TRUE(page.ok);
    CDibImage plate;
    plate.Create(doc.GetDeviceSize().cx, doc.GetDeviceSize().cy, 24);
    CPlateRenderer(doc).RenderPlate(plate, CPlateRenderer::output);
    CEngraverDevice device(engraverQueue);
    ASSERT_TRUE(device.Query());
    const std::string difference =
        FirstDifference(page.rgb, ExpectedPage(plate, doc.PrintOffset(), device.PageWidthDots(), device.PageHeightDots()));
    EXPECT_TRUE(difference.empty()) << difference;

    // Named after the layout, with the layout's adjustments; printing does
    // not make the layout modified.
    const QByteArray options = CupsTestServer::Instance().JobOptions(jobId);
    EXPECT_TRUE(options.contains("Brightness=6 Contrast=-3 Gamma=120")) << options.constData();
    EXPECT_TRUE(options.contains("document-name-supplied=sample.vlz")) << options.constData();
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(WindowPrintFixture, AStoppedPrinterOrNoSchedulerIsToldAndChangesNothing)
{
    OpenSample();
    frame->View().SetZoom(200);
    const Binding before = Bound();
    const int jobsBefore = LatestJobId();

    CupsTestServer& server = CupsTestServer::Instance();
    ASSERT_TRUE(server.Admin(QStringLiteral("cupsdisable"), {engraverQueue}));
    PressPrintDirectly();
    EXPECT_TRUE(server.Admin(QStringLiteral("cupsenable"), {engraverQueue}));
    EXPECT_EQ(driver.Messages(), QStringList{QStringLiteral("Could not start print job.")});

    const QByteArray socket = qgetenv("CUPS_SERVER");
    QTemporaryDir nowhere;
    cupsSetServer(QFile::encodeName(nowhere.filePath(QStringLiteral("no.sock"))).constData());
    PressPrintDirectly();
    cupsSetServer(socket.constData());
    EXPECT_EQ(driver.Messages().size(), 2);
    EXPECT_EQ(driver.Messages().value(1), QStringLiteral("Could not start print job."));

    EXPECT_EQ(LatestJobId(), jobsBefore);
    EXPECT_TRUE(Bound() == before);
    EXPECT_EQ(frame->View().Zoom(), 200);
    EXPECT_TRUE(QGuiApplication::overrideCursor() == nullptr);
}
