// Printing through the program's own window to the private scheduler: the
// job the engraver gets, and what the user sees when the printer is away.
#include "CupsFixture.h"
#include "DialogDriver.h"
#include "PrinterWindowFixture.h"
#include "RasterDecode.h"
#include "SampleLayout.h"

#include "app/CPrintCommands.h"
#include "output/dialogs/CPrintSetupDlg.h"
#include "output/preview/CPreviewDlg.h"
#include "document/CDocumentFile.h"
#include "document/CPlateRenderer.h"
#include "output/CCupsPrinterSystem.h"
#include "output/CEngraverDevice.h"
#include "view/CVeldraView.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>

namespace {

class WindowPrintFixture : public PrinterWindowFixture
{
protected:
    // The sample layout saved and opened as a user opens it.
    void OpenSample()
    {
        const QString path = files.filePath(QStringLiteral("sample.vlz"));
        SaveSampleLayout(path, {6, -3, 120});
        ASSERT_TRUE(frame->Documents().OpenDocument(path));
    }

    void PressPrintDirectly()
    {
        frame->activateWindow();
        QTest::qWait(300); // the idle refresh enables the commands
        QTest::keyClick(frame.get(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    }

    // What the layout is bound to and how it looks: unchanged by a failure.
    struct Binding
    {
        int resolution;
        CSize device, printable;
        bool modified;
        bool operator==(const Binding&) const = default;
    };
    Binding Bound() const
    {
        return {doc.GetResolution(), doc.GetDeviceSize(), doc.GetPrintableSize(), doc.IsModified()};
    }

    // In the printer dialog, as a user: the queue's row, then its paper.
    static void ChooseQueue(QDialog& dialog, const QString& queue, const QString& paper = QString())
    {
        auto* table = dialog.findChild<QTableWidget*>(QStringLiteral("queues"));
        ASSERT_TRUE(table);
        for (int row = 0; row < table->rowCount(); ++row) {
            if (table->item(row, 0)->text() == queue) {
                const QRect cell = table->visualItemRect(table->item(row, 0));
                QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
            }
        }
        if (!paper.isEmpty()) {
            auto* papers = dialog.findChild<QComboBox*>(QStringLiteral("paper"));
            ASSERT_TRUE(papers);
            papers->setCurrentIndex(papers->findText(paper));
        }
    }

    static void Confirm(QDialog& dialog)
    {
        auto* buttons = dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttons"));
        ASSERT_TRUE(buttons);
        QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
    }

    DecodedPage PageOf(int jobId) const
    {
        EXPECT_TRUE(CupsTestServer::Instance().WaitForJob(jobId));
        return Decode(CupsTestServer::Instance().JobOutput(jobId));
    }

    DialogDriver driver;
};

} // namespace

TEST_F(WindowPrintFixture, PrintDirectlySendsTheOpenLayoutDotForDot)
{
    EXPECT_EQ(app->Settings().printer.device, engraverQueue);
    OpenSample();
    EXPECT_EQ(doc.GetResolution(), 529);
    const int before = CupsTestServer::Instance().LatestJobId();
    PressPrintDirectly();
    const int jobId = CupsTestServer::Instance().LatestJobId();
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
        FirstDifference(page.rgb, ExpectedPage(plate, device.PageWidthDots(), device.PageHeightDots()));
    EXPECT_TRUE(difference.empty()) << difference;

    // Named after the layout, with the layout's adjustments; printing does
    // not make the layout modified.
    const QByteArray options = CupsTestServer::Instance().JobOptions(jobId);
    EXPECT_TRUE(options.contains("Brightness=6 Contrast=-3 Gamma=120")) << options.constData();
    EXPECT_TRUE(options.contains("document-name-supplied=sample.vlz")) << options.constData();
    EXPECT_FALSE(doc.IsModified());
    // The window says what went where.
    EXPECT_EQ(frame->statusBar()->currentMessage(), QStringLiteral("Sent sample.vlz to Corvex_KTX_90, job %1.").arg(jobId));
}

// The engraver's whole plate, 90 mm: 1874 dots on a page of 1874, the
// design at offset 0 with no dot cut.
TEST_F(WindowPrintFixture, ANinetyMillimetrePlateFillsThePageToTheLastDot)
{
    CVeldraDoc sample;
    MakeSampleLayout(sample, 9000, 9000);
    sample.InsertAt(PatternPicture("corner", -4000, 4000, 1000, 1000), 0);
    const QString path = files.filePath(QStringLiteral("whole.vlz"));
    ASSERT_TRUE(CDocumentFile::Save(sample, path).ok);
    ASSERT_TRUE(frame->Documents().OpenDocument(path));
    PressPrintDirectly();
    const int jobId = CupsTestServer::Instance().LatestJobId();
    const DecodedPage page = PageOf(jobId);
    ASSERT_TRUE(page.ok);
    ASSERT_EQ(doc.GetDeviceSize(), (CSize{1874, 1874}));
    CDibImage plate;
    plate.Create(1874, 1874, 24);
    CPlateRenderer(doc).RenderPlate(plate, CPlateRenderer::output);
    // Dot for dot, R,G,B on the page from B,G,R on the plate.
    for (const CPoint dot : {CPoint{0, 0}, CPoint{1873, 1873}, CPoint{1873, 0}, CPoint{0, 1873}, CPoint{100, 100}}) {
        const std::uint8_t* onPage = page.rgb.Row(dot.y) + 3 * dot.x;
        const std::uint8_t* onPlate = plate.Row(dot.y) + 3 * dot.x;
        EXPECT_EQ(onPage[0], onPlate[2]) << dot.x << "," << dot.y;
        EXPECT_EQ(onPage[1], onPlate[1]);
        EXPECT_EQ(onPage[2], onPlate[0]);
    }
    const std::string difference = FirstDifference(page.rgb, ExpectedPage(plate, 1874, 1874));
    EXPECT_TRUE(difference.empty()) << difference;
}

TEST_F(WindowPrintFixture, AStoppedPrinterOrNoSchedulerIsToldAndChangesNothing)
{
    OpenSample();
    frame->View().SetZoom(200);
    const Binding before = Bound();
    const int jobsBefore = CupsTestServer::Instance().LatestJobId();

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

    // A scheduler that stops answering: the pause is told, and bounded.
    QStringList shown;
    QObject::connect(frame->statusBar(), &QStatusBar::messageChanged, frame.get(), [&](const QString& text) { shown << text; });
    qputenv("VELDRA_CUPS_ANSWER_SECONDS", "2");
    ASSERT_TRUE(server.Freeze(true));
    PressPrintDirectly();
    EXPECT_TRUE(server.Freeze(false));
    qunsetenv("VELDRA_CUPS_ANSWER_SECONDS");
    EXPECT_TRUE(shown.contains(QStringLiteral("Waiting for the print scheduler to answer (at most 2 s)..."))) << shown.join('|').toStdString();
    EXPECT_EQ(driver.Messages().size(), 3);

    EXPECT_EQ(CupsTestServer::Instance().LatestJobId(), jobsBefore);
    EXPECT_TRUE(Bound() == before);
    EXPECT_EQ(frame->View().Zoom(), 200);
    EXPECT_TRUE(QGuiApplication::overrideCursor() == nullptr);
}

TEST_F(WindowPrintFixture, PrintAsksForThePrinterAndTheCopies)
{
    OpenSample();
    QString title;
    driver.Then([&title](QDialog& dialog) {
        title = dialog.windowTitle();
        ChooseQueue(dialog, engraverQueue);
        auto* copies = dialog.findChild<QSpinBox*>(QStringLiteral("copies"));
        ASSERT_TRUE(copies);
        copies->setFocus();
        copies->selectAll();
        QTest::keyClick(copies, Qt::Key_3);
        Confirm(dialog);
    });
    const int before = CupsTestServer::Instance().LatestJobId();
    EXPECT_TRUE(frame->Router().Execute(CommandId::FilePrint));
    EXPECT_EQ(title, QStringLiteral("Print"));
    ASSERT_EQ(CupsTestServer::Instance().LatestJobId(), before + 1);
    const DecodedPage page = PageOf(before + 1);
    ASSERT_TRUE(page.ok);
    EXPECT_EQ(page.header.NumCopies, 3u);

    // Cancelled, nothing is printed.
    driver.Then([](QDialog& dialog) { dialog.reject(); });
    EXPECT_TRUE(frame->Router().Execute(CommandId::FilePrint));
    EXPECT_EQ(CupsTestServer::Instance().LatestJobId(), before + 1);
}

TEST_F(WindowPrintFixture, PrintSetupBindsTheLayoutToTheChosenPrinterAndPaper)
{
    OpenSample();
    frame->View().SetSelection(doc.GetObjectAt(doc.GetObjectCount() - 1));
    app->Settings().materialSize = {3000, 2000};
    driver.Then([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Print Setup"));
        ChooseQueue(dialog, laserQueue, QStringLiteral("Letter"));
        Confirm(dialog);
    });
    EXPECT_TRUE(frame->Router().Execute(CommandId::FilePrintSetup));

    EXPECT_EQ(app->Settings().printer.ToText(), QStringLiteral("winspool,Office_Laser, "));
    EXPECT_EQ(doc.GetResolution(), 600);
    EXPECT_TRUE(doc.IsBoundTo(600, 21590, 27940)); // Letter, 215.9 x 279.4 mm
    EXPECT_EQ(frame->View().Selection(), nullptr);
    EXPECT_EQ(app->Settings().materialSize, (CSize{0, 0}));
    // Kept for the next start at once, in the form it has always had.
    QFile settings(config.filePath(QStringLiteral("Corvex KZ Corporation/Veldra2.conf")));
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    EXPECT_TRUE(settings.readAll().contains("Device=\"winspool,Office_Laser, \""));
    // The engraver's adjustments are not the laser's business.
    EXPECT_EQ(doc.Adjustments().Printer(), app->CurrentPrinter());
    EXPECT_FALSE(app->CurrentPrinter()->IsEngraver());
}

// The preview's Print sends the adjustments being tried; Cancel then puts
// the ones from before back.
TEST_F(WindowPrintFixture, PrintFromThePreviewUsesItsAdjustments)
{
    OpenSample();
    driver.Then([](QDialog& preview) {
        auto* brightness = preview.findChild<QLineEdit*>(QStringLiteral("1114"));
        ASSERT_TRUE(brightness);
        brightness->setFocus();
        brightness->selectAll();
        QTest::keyClick(brightness, Qt::Key_Minus);
        QTest::keyClick(brightness, Qt::Key_2);
        QTest::keyClick(brightness, Qt::Key_0);
        QTest::mouseClick(preview.findChild<QPushButton*>(QStringLiteral("1107")), Qt::LeftButton);
        QTest::mouseClick(preview.findChild<QPushButton*>(QStringLiteral("2")), Qt::LeftButton);
    });
    driver.Then([](QDialog& printer) { Confirm(printer); });
    const int before = CupsTestServer::Instance().LatestJobId();
    EXPECT_TRUE(frame->Router().Execute(CommandId::FilePrintPreview));
    EXPECT_EQ(driver.ActsLeft(), 0);
    ASSERT_EQ(CupsTestServer::Instance().LatestJobId(), before + 1);
    ASSERT_TRUE(CupsTestServer::Instance().WaitForJob(before + 1));
    const QByteArray options = CupsTestServer::Instance().JobOptions(before + 1);
    EXPECT_TRUE(options.contains("Brightness=-20 Contrast=-3 Gamma=120")) << options.constData();
    EXPECT_EQ(doc.Adjustments().Get(), (CEngraverAdjustments{6, -3, 120}));
    EXPECT_FALSE(doc.IsModified());
}
