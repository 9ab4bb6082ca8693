#include "SaneTestBackend.h"

#include "acquire/scan/CScanSession.h"

#include <QImage>
#include <QProcess>
#include <QSet>

#include <gtest/gtest.h>


namespace {

using Status = ScanResult::Status;

struct ScanSessionTest : ::testing::Test
{
    SaneTestBackend backend;

    void SetUp() override { REQUIRE_SANE_TEST_BACKEND(backend); }

    // One whole command: a session on test:0, one scan, closed again.
    ScanResult ScanWith(const QMap<QString, QString>& settings, const ScanOptions& options)
    {
        backend.Configure(settings);
        CScanSession session("test:0");
        QString error;
        EXPECT_TRUE(session.Open(&error)) << error.toStdString();
        return session.Scan(options);
    }
};

// 20 x 10 mm at 100 dpi; the device counts whole pixels.
const ScanOptions smallArea{100, {}, QRectF(5, 3, 20, 10)};
constexpr int smallWidth = 78, smallHeight = 39;

// The image's own GetPixel does not read line art.
COLORREF PixelOf(const CDibImage& image, int x, int y)
{
    if (image.BitCount() != 1)
        return image.GetPixel(x, y);
    return image.TableColor((image.Row(y)[x / 8] >> (7 - x % 8)) & 1);
}

bool AllPixelsAre(const CDibImage& image, COLORREF colour)
{
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            if (PixelOf(image, x, y) != colour)
                return false;
        }
    }
    return true;
}

void ExpectNoImage(const ScanResult& result, Status status)
{
    EXPECT_EQ(result.status, status);
    EXPECT_TRUE(result.image.IsEmpty());
    if (status == Status::failed) {
        EXPECT_FALSE(result.error.isEmpty());
    }
}

// The picture the library's own command-line scanner makes of the same scan.
QImage ReferenceScan(const QString& folder, const QStringList& arguments)
{
    QProcess scanimage;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("SANE_CONFIG_DIR", folder);
    scanimage.setProcessEnvironment(environment);
    scanimage.start("scanimage", QStringList{"-d", "test:0", "--format=pnm"} + arguments);
    scanimage.waitForFinished(60000);
    return QImage::fromData(scanimage.readAllStandardOutput(), "PPM");
}

} // namespace

TEST_F(ScanSessionTest, DevicesListTheTestScannersWithTheirMakerModelAndType)
{
    QString error;
    const QList<ScanDeviceInfo> devices = CScanSession::Devices(&error);
    ASSERT_EQ(devices.size(), 2) << error.toStdString();
    EXPECT_EQ(devices[0].name, "test:0");
    EXPECT_EQ(devices[1].name, "test:1");
    EXPECT_EQ(devices[0].vendor, "Noname");
    EXPECT_EQ(devices[0].model, "frontend-tester");
    EXPECT_EQ(devices[0].type, "virtual device");
}

TEST_F(ScanSessionTest, CapabilitiesOfferTheUsualResolutionsModesAndTheWholeArea)
{
    CScanSession session("test:0");
    ASSERT_TRUE(session.Open());
    const ScanCapabilities capabilities = session.Capabilities();
    EXPECT_EQ(capabilities.resolutions, (QList<int>{1, 75, 100, 150, 200, 300, 600, 1200}));
    EXPECT_EQ(capabilities.defaultResolution, 50);
    EXPECT_EQ(capabilities.modes, (QStringList{"Gray", "Color"}));
    EXPECT_EQ(capabilities.defaultMode, "Gray");
    EXPECT_EQ(capabilities.areaMm, QRectF(0, 0, 300, 300));
}

TEST_F(ScanSessionTest, EachModeAndDepthGivesTheChosenAreaAtTheChosenResolution)
{
    struct Case
    {
        QString mode, depth, threePass;
        int bitCount;
        COLORREF black, white;
    };
    const Case cases[] = {
        {"Gray", "1", "false", 1, RGB(0, 0, 0), RGB(255, 255, 255)},
        {"Gray", "8", "false", 8, RGB(0, 0, 0), RGB(255, 255, 255)},
        {"Gray", "16", "false", 8, RGB(0, 0, 0), RGB(255, 255, 255)},
        {"Color", "8", "false", 24, RGB(0, 0, 0), RGB(255, 255, 255)},
        {"Color", "16", "false", 24, RGB(0, 0, 0), RGB(255, 255, 255)},
        {"Color", "8", "true", 24, RGB(0, 0, 0), RGB(255, 255, 255)},
        {"Color", "16", "true", 24, RGB(0, 0, 0), RGB(255, 255, 255)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((c.mode + " " + c.depth + " three-pass " + c.threePass).toStdString());
        for (const char* picture : {"Solid black", "Solid white"}) {
            ScanOptions options = smallArea;
            options.mode = c.mode;
            const ScanResult result = ScanWith(
                {{"depth", c.depth}, {"three-pass", c.threePass}, {"test-picture", QString("\"%1\"").arg(picture)}},
                options);
            ASSERT_EQ(result.status, Status::ok) << result.error.toStdString();
            EXPECT_EQ(result.dpi, 100);
            EXPECT_EQ(result.image.BitCount(), c.bitCount);
            EXPECT_EQ(result.image.Width(), smallWidth);
            EXPECT_EQ(result.image.Height(), smallHeight);
            EXPECT_TRUE(AllPixelsAre(result.image, picture[6] == 'b' ? c.black : c.white)) << picture;
        }
    }
}

TEST_F(ScanSessionTest, ColourPatternMatchesTheLibrarysOwnScannerInOneAndThreePasses)
{
    const QImage reference = ReferenceScan(backend.Folder(), {"--mode", "Color", "--resolution", "50",
                                                              "--test-picture", "Color pattern", "-x", "80", "-y", "60"});
    ASSERT_FALSE(reference.isNull());
    for (const char* threePass : {"false", "true"}) {
        const ScanResult result = ScanWith({{"three-pass", threePass}, {"test-picture", "\"Color pattern\""}},
                                           {50, "Color", QRectF(0, 0, 80, 60)});
        ASSERT_EQ(result.status, Status::ok) << result.error.toStdString();
        ASSERT_EQ(result.image.Width(), reference.width());
        ASSERT_EQ(result.image.Height(), reference.height());
        int differences = 0;
        QSet<COLORREF> colours;
        for (int y = 0; y < reference.height(); y += 3) {
            for (int x = 0; x < reference.width(); x += 3) {
                const QRgb expected = reference.pixel(x, y);
                differences += result.image.GetPixel(x, y) != RGB(qRed(expected), qGreen(expected), qBlue(expected));
                colours.insert(result.image.GetPixel(x, y));
            }
        }
        EXPECT_EQ(differences, 0) << "three-pass " << threePass;
        // The pattern is not one colour: the comparison above means something.
        EXPECT_GT(colours.size(), 4);
    }
}

TEST_F(ScanSessionTest, AHandScannerOfUnknownLengthStillGivesItsPicture)
{
    const ScanResult result = ScanWith({{"hand-scanner", "true"}}, {50, "Gray", {}});
    ASSERT_EQ(result.status, Status::ok) << result.error.toStdString();
    EXPECT_GT(result.image.Height(), 0);
    EXPECT_TRUE(AllPixelsAre(result.image, RGB(0, 0, 0)));
}

TEST_F(ScanSessionTest, SessionsAlwaysEndClosedWhateverHappened)
{
    {
        CScanSession abandoned("test:0");
        ASSERT_TRUE(abandoned.Open());
        // Gone before scanning.
    }
    // Errors and cancels are the tests' own scanner's (ScannerStopTest):
    // this device can hang a scan cancelled after an error.
    for (int i = 0; i < 2; ++i) {
        CScanSession session("test:0");
        ASSERT_TRUE(session.Open());
        // Listing devices while a session is open leaves the session working.
        EXPECT_EQ(CScanSession::Devices().size(), 2);
        EXPECT_EQ(session.Scan(smallArea).status, Status::ok);
    }
}

TEST_F(ScanSessionTest, WhatTheDeviceCannotDoIsRefusedBeforeScanning)
{
    CScanSession session("test:0");
    ASSERT_TRUE(session.Open());
    ExpectNoImage(session.Scan({100, "Infrared", {}}), Status::failed);
    ExpectNoImage(session.Scan({100, "Gray", QRectF(500, 500, 10, 10)}), Status::failed);

    CScanSession unopened("test:0");
    ExpectNoImage(unopened.Scan(smallArea), Status::failed);
    EXPECT_TRUE(unopened.Capabilities().modes.isEmpty());
}

TEST_F(ScanSessionTest, NoDeviceOrNoScannerAtAllFailsWithAReason)
{
    CScanSession missing("test:9");
    QString error;
    EXPECT_FALSE(missing.Open(&error));
    EXPECT_FALSE(error.isEmpty());

    backend.ConfigureNoBackends();
    error.clear();
    EXPECT_TRUE(CScanSession::Devices(&error).isEmpty());
    EXPECT_FALSE(error.isEmpty());
    CScanSession none("");
    EXPECT_FALSE(none.Open());
}
