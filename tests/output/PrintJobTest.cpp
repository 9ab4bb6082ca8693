// The plate on its way to the engraver: the raster page it becomes, the job
// the private scheduler receives, and what happens when the queue cannot
// take it. A proof on the office printer keeps its pixels too.
#include "CupsFixture.h"
#include "RasterDecode.h"
#include "SampleLayout.h"

#include "document/CPlateRenderer.h"
#include "imaging/CDibImage.h"
#include "output/CCupsJob.h"
#include "output/CCupsPrinter.h"
#include "output/CEngraverDevice.h"
#include "output/CEngraverJob.h"
#include "output/CPlatePrint.h"
#include "output/CProofJob.h"
#include "output/CRasterPage.h"

#include <cups/raster.h>

#include <QTemporaryDir>

#include <cstring>

namespace {

CDibImage Gradient(int width, int height)
{
    CDibImage plate;
    plate.Create(width, height, 24);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint8_t* p = plate.Row(y) + 3 * x;
            p[0] = std::uint8_t(x); // blue
            p[1] = std::uint8_t(y); // green
            p[2] = std::uint8_t(x + y); // red
        }
    return plate;
}

QByteArray WritePage(const CDibImage& plate, CSize offset, const CRasterPage::Format& format)
{
    QByteArray bytes;
    EXPECT_TRUE(CRasterPage::Write(plate, offset, format, [&bytes](const unsigned char* data, std::size_t length) {
        bytes.append(reinterpret_cast<const char*>(data), qsizetype(length));
        return true;
    }));
    return bytes;
}

struct PrintFixture : CupsFixture
{
    CEngraverDevice Engraver()
    {
        CEngraverDevice device(engraverQueue);
        EXPECT_TRUE(device.Query());
        return device;
    }

    // Prints the layout to the engraver queue as the program does and
    // returns the job's page, checked against the plate it came from.
    int PrintAndCompare(CVeldraDoc& doc, const CEngraverAdjustments& adjustments = {})
    {
        const CEngraverDevice device = Engraver();
        CEngraverJob job(device, QStringLiteral("plate.vlz"), 1, adjustments);
        EXPECT_TRUE(CPlatePrint::Print(doc, device, CPlatePrint::BindDocument(doc), job)) << qPrintable(job.Error());
        EXPECT_GT(job.JobId(), 0);
        EXPECT_TRUE(CupsTestServer::Instance().WaitForJob(job.JobId()));

        const DecodedPage page = Decode(CupsTestServer::Instance().JobOutput(job.JobId()));
        EXPECT_TRUE(page.ok);
        CDibImage plate;
        plate.Create(doc.GetDeviceSize().cx, doc.GetDeviceSize().cy, 24);
        CPlateRenderer(doc).RenderPlate(plate, CPlateRenderer::output);
        const CDibImage expected = ExpectedPage(plate, device.PageWidthDots(), device.PageHeightDots());
        const std::string difference = FirstDifference(page.rgb, expected);
        EXPECT_TRUE(difference.empty()) << difference;
        return job.JobId();
    }
};

} // namespace

TEST(RasterPage, CarriesThePlateAtItsOffsetOnAWhitePage)
{
    const CDibImage plate = Gradient(7, 5);
    const CRasterPage::Format format{529, 11, 9, 15, 12, QStringLiteral("Tiny"), 3};
    for (const CSize offset : {CSize{0, 0}, CSize{2, 3}, CSize{-3, -2}, CSize{9, 8}, CSize{-7, 0}, CSize{11, 9}}) {
        const DecodedPage page = Decode(WritePage(plate, offset, format));
        ASSERT_TRUE(page.ok);
        EXPECT_EQ(page.header.cupsWidth, 11u);
        EXPECT_EQ(page.header.cupsHeight, 9u);
        for (int y = 0; y < 9; ++y)
            for (int x = 0; x < 11; ++x) {
                const std::uint8_t* got = page.rgb.Row(y) + 3 * x;
                const int px = x - offset.cx, py = y - offset.cy;
                const bool onPlate = px >= 0 && px < 7 && py >= 0 && py < 5;
                // R,G,B on the page from B,G,R in the plate; white elsewhere.
                const int red = onPlate ? (px + py) : 255, green = onPlate ? py : 255, blue = onPlate ? px : 255;
                ASSERT_EQ(got[0], red) << x << "," << y << " offset " << offset.cx << "," << offset.cy;
                ASSERT_EQ(got[1], green);
                ASSERT_EQ(got[2], blue);
            }
    }
}

TEST(RasterPage, HeaderNamesTheDotsThePageAndTheCopies)
{
    const CRasterPage::Format format{529, 1874, 1874, 255, 255, QStringLiteral("Plate90"), 3};
    const DecodedPage page = Decode(WritePage(Gradient(4, 4), {0, 0}, format));
    ASSERT_TRUE(page.ok);
    EXPECT_EQ(page.header.HWResolution[0], 529u);
    EXPECT_EQ(page.header.HWResolution[1], 529u);
    EXPECT_EQ(page.header.PageSize[0], 255u);
    EXPECT_EQ(page.header.PageSize[1], 255u);
    EXPECT_EQ(page.header.cupsBitsPerColor, 8u);
    EXPECT_EQ(page.header.cupsColorSpace, CUPS_CSPACE_RGB);
    EXPECT_EQ(page.header.cupsColorOrder, CUPS_ORDER_CHUNKED);
    EXPECT_EQ(page.header.cupsBytesPerLine, 1874u * 3);
    EXPECT_EQ(page.header.NumCopies, 3u);
    EXPECT_STREQ(page.header.cupsPageSizeName, "Plate90");
}

TEST(RasterPage, ARefusingSinkStopsThePage)
{
    int calls = 0;
    const CRasterPage::Format format{529, 300, 300, 40, 40, QString(), 1};
    EXPECT_FALSE(CRasterPage::Write(Gradient(300, 300), {0, 0}, format, [&calls](const unsigned char*, std::size_t) {
        return ++calls < 3;
    }));
    EXPECT_EQ(calls, 3);
    // No page without dots.
    EXPECT_FALSE(CRasterPage::Write(Gradient(3, 3), {0, 0}, {0, 10, 10, 1, 1, QString(), 1}, [](auto, auto) { return true; }));
}

TEST_F(PrintFixture, TheEngraverGetsTheLayoutDotForDotWithItsOptions)
{
    CVeldraDoc doc;
    MakeSampleLayout(doc);
    const int jobId = PrintAndCompare(doc, {12, -7, 250});
    const QByteArray options = CupsTestServer::Instance().JobOptions(jobId);
    EXPECT_TRUE(options.contains("Brightness=12")) << options.constData();
    EXPECT_TRUE(options.contains("Contrast=-7")) << options.constData();
    EXPECT_TRUE(options.contains("Gamma=250")) << options.constData();
    EXPECT_EQ(doc.GetResolution(), 529);
}

// The queue's page is 90 mm, 1874 dots at 529 dpi. The plate is centred on
// that page, whatever the layout's own limit on its printable area: a 90 mm
// plate fills it to the last dot, a smaller one sits in the middle, one
// limited to 1800 dots too, and a larger material is cut evenly.
TEST_F(PrintFixture, ThePlateIsCentredOnThePageTheJobHas)
{
    struct Case
    {
        int width, height;        // the material, 0.01 mm
        bool fromPage;            // the material taken from the printable area
        CSize plateDots, offset;  // on the page, worked out by hand
    };
    for (const Case& c : {Case{9000, 9000, false, {1874, 1874}, {0, 0}}, Case{6000, 4000, false, {1250, 833}, {312, 520}},
                          Case{9000, 9000, true, {1800, 1800}, {37, 37}},
                          Case{9500, 9300, false, {1979, 1937}, {-53, -32}}}) {
        SCOPED_TRACE(c.width);
        CVeldraDoc doc;
        MakeSampleLayout(doc, c.width, c.height);
        if (c.fromPage)
            doc.SetMaterialSize({0, 0});
        PrintAndCompare(doc);
        EXPECT_EQ(doc.GetDeviceSize(), c.plateDots);
        EXPECT_EQ(CPlatePrint::CentredOffset(c.plateDots, {1874, 1874}), c.offset);
    }
}

TEST_F(PrintFixture, AStoppedOrRefusingQueueStartsNoJob)
{
    CupsTestServer& server = CupsTestServer::Instance();
    CVeldraDoc doc;
    MakeSampleLayout(doc);
    const CEngraverDevice device = Engraver();
    for (const auto& [stop, restart] : {std::pair{QStringLiteral("cupsdisable"), QStringLiteral("cupsenable")},
                                        std::pair{QStringLiteral("cupsreject"), QStringLiteral("cupsaccept")}}) {
        ASSERT_TRUE(server.Admin(stop, {engraverQueue}));
        CEngraverJob job(device, QStringLiteral("plate.vlz"), 1, {});
        EXPECT_FALSE(CPlatePrint::Print(doc, device, CPlatePrint::BindDocument(doc), job)) << qPrintable(stop);
        EXPECT_FALSE(job.Error().isEmpty());
        EXPECT_EQ(job.JobId(), 0);
        ASSERT_TRUE(server.Admin(restart, {engraverQueue}));
    }
    EXPECT_TRUE(server.Jobs(CUPS_WHICHJOBS_ACTIVE).empty());
}

TEST_F(PrintFixture, AJobAbandonedHalfWayIsCancelled)
{
    int jobId = 0;
    {
        CCupsJob job;
        ASSERT_TRUE(job.Start(engraverQueue, QStringLiteral("half"), {}, "application/vnd.cups-raster"));
        jobId = job.JobId();
        const QByteArray start = WritePage(Gradient(50, 50), {0, 0}, {529, 50, 50, 7, 7, QString(), 1}).left(100);
        ASSERT_TRUE(job.Write(reinterpret_cast<const unsigned char*>(start.constData()), std::size_t(start.size())));
    }
    ASSERT_TRUE(CupsTestServer::Instance().WaitForJob(jobId));
    const std::vector<std::pair<int, int>> done = CupsTestServer::Instance().Jobs(CUPS_WHICHJOBS_COMPLETED);
    EXPECT_NE(std::find(done.begin(), done.end(), std::pair{jobId, int(IPP_JSTATE_CANCELED)}), done.end());
    EXPECT_TRUE(CupsTestServer::Instance().JobOutput(jobId).isEmpty());
}

TEST_F(PrintFixture, WithoutTheSchedulerNoJobStarts)
{
    const QByteArray server = qgetenv("CUPS_SERVER");
    QTemporaryDir nowhere;
    // libcups reads CUPS_SERVER once: tell it directly.
    cupsSetServer(QFile::encodeName(nowhere.filePath(QStringLiteral("no.sock"))).constData());
    CCupsJob job;
    EXPECT_FALSE(job.Start(engraverQueue, QStringLiteral("none"), {}, "application/vnd.cups-raster"));
    EXPECT_FALSE(CCupsJob::QueueIsReady(engraverQueue, nullptr));
    cupsSetServer(server.constData());
}

TEST_F(PrintFixture, TheFileGetsTheBytesTheQueueWould)
{
    QTemporaryDir dir;
    CVeldraDoc doc;
    MakeSampleLayout(doc);
    const CEngraverDevice device = Engraver();
    CEngraverJob toQueue(device, QStringLiteral("plate.vlz"), 2, {});
    ASSERT_TRUE(CPlatePrint::Print(doc, device, CPlatePrint::BindDocument(doc), toQueue));
    CEngraverJob toFile(device, QStringLiteral("plate.vlz"), 2, {});
    toFile.SetOutputFile(dir.filePath(QStringLiteral("job.ras")));
    ASSERT_TRUE(CPlatePrint::Print(doc, device, CPlatePrint::BindDocument(doc), toFile));
    ASSERT_TRUE(CupsTestServer::Instance().WaitForJob(toQueue.JobId()));
    QFile file(dir.filePath(QStringLiteral("job.ras")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), CupsTestServer::Instance().JobOutput(toQueue.JobId()));
}

// A proof on paper: on the paper the user chose for the queue, its job's
// number known as the engraver's are. Qt's PDF would hold a photo-like
// plate as JPEG unless told not to.
TEST_F(PrintFixture, AProofGoesOnTheChosenPaperWithItsNumberAndLosslessImages)
{
    CVeldraDoc doc;
    MakeSampleLayout(doc);
    auto noise = std::make_unique<CDibObj>();
    CDibImage image;
    image.Create(400, 300, 24);
    std::uint32_t seed = 12345;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width() * 3; ++x) {
            seed = seed * 1103515245u + 12345u;
            image.Row(y)[x] = std::uint8_t(seed >> 16);
        }
    noise->SetImageFrom(&image, flagsPicture, true);
    noise->SetBounds(0, 0, 4000, 3000);
    doc.InsertAt(std::move(noise), -1);
    ASSERT_TRUE(CCupsPrinter(laserQueue, QString()).ChoosePaper(QStringLiteral("Letter")));
    CEngraverDevice device(laserQueue);
    ASSERT_TRUE(device.Query());
    CProofJob job(device, QStringLiteral("proof.vlz"), 1, doc.GetResolution());
    const bool printed = CPlatePrint::Print(doc, device, CPlatePrint::BindDocument(doc), job);
    EXPECT_TRUE(CCupsPrinter(laserQueue, QString()).ChoosePaper(QString()));
    ASSERT_TRUE(printed) << qPrintable(job.Error());
    const int jobId = job.JobId();
    ASSERT_EQ(jobId, CupsTestServer::Instance().LatestJobId());
    // The office queue's own filters take their time: other tests expect
    // it idle again.
    EXPECT_TRUE(CupsTestServer::Instance().WaitForJob(jobId));
    const QByteArray pdf = CupsTestServer::Instance().SpooledDocument(jobId);
    ASSERT_TRUE(pdf.startsWith("%PDF")) << pdf.left(20).constData();
    // The page is Letter: 612 x 792 points.
    const qsizetype box = pdf.indexOf("/MediaBox");
    ASSERT_GE(box, 0);
    const QList<QByteArray> numbers = pdf.mid(box, 60).split('[')[1].split(']')[0].simplified().split(' ');
    ASSERT_EQ(numbers.size(), 4) << pdf.mid(box, 60).constData();
    EXPECT_NEAR(numbers[2].toDouble(), 612, 0.5) << pdf.mid(box, 60).constData();
    EXPECT_NEAR(numbers[3].toDouble(), 792, 0.5);
    EXPECT_TRUE(pdf.contains("/Subtype /Image") || pdf.contains("/Subtype/Image"));
    EXPECT_FALSE(pdf.contains("DCTDecode"));
    EXPECT_EQ(CupsTestServer::Instance().JobTitles(laserQueue).at(jobId), "proof.vlz");
}
