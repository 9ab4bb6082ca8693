#include "ObjectBytes.h"
#include "ScratchDisk.h"
#include "TestFiles.h"

#include "imaging/CDibImage.h"
#include "output/CPreviewPicture.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

#include <cstdio>
#include <QJsonDocument>
#include <QJsonArray>
#include <QJsonObject>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QProcess>
#include <QTemporaryDir>

#include <cstring>

#include <gtest/gtest.h>

namespace {

struct CliRun
{
    int exitCode = -1;
    QByteArray out, err;
};

struct CliFixture : ::testing::Test
{
    QTemporaryDir dir;

    CliRun Cli(const QStringList& arguments) const
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
        environment.remove(QStringLiteral("QT_QPA_PLATFORM")); // the tool must manage without
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(VELDRA_CLI_PATH), arguments);
        process.waitForFinished(60000);
        return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
    }

    QString Write(const char* name, const QByteArray& bytes) const
    {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return file.fileName();
    }
};

TestBytes FloatBits(float f)
{
    std::uint32_t bits;
    std::memcpy(&bits, &f, 4);
    return TestBytes().u32(bits);
}

QByteArray SampleDocument(int brightness = 4, int contrast = -2, int gamma = -500)
{
    return ObjectBytes::DocumentHeader(2, 9000, 6000, 0x0000FF, brightness, contrast, gamma, 0).u16(3)
        .raw(ObjectBytes::ClassRecord("CDibObj")).raw(ObjectBytes::Common("photo", 0x0104, 1, 10, -20, 3000, 2000))
        .raw(ObjectBytes::GreyImage(6, 4, 128))
        .raw(ObjectBytes::ClassRecord("CTextObj")).raw(ObjectBytes::Common("Caf\xe9", 0x0804, 1, 0, 0, 500, 200))
        .raw(ObjectBytes::Font(-32, 400, 0, 0, "Arial")).i32(10).i32(20).i32(1).i32(0)
        .u32(0xFFFFFF).u32(0x808080).u32(0).i32(1).i32(0)
        .raw(ObjectBytes::ClassRecord("CArcTextObj")).raw(ObjectBytes::Common("Fan", 0x0800, 0, 5, 5, 4000, 400))
        .u8(3).text("Fan").raw(ObjectBytes::Font(-20, 700, 1, 0, "Arial"))
        .i32(0).i32(0).i32(0).i32(0).i32(0)
        .raw(FloatBits(12.5f)).raw(FloatBits(100)).raw(FloatBits(180)).raw(FloatBits(40))
        .raw(FloatBits(50)).raw(FloatBits(20)).raw(FloatBits(0.2f))
        .i32(0).u32(0xFFFFFF).u32(0x808080);
}

} // namespace

TEST_F(CliFixture, InfoDescribesADocumentInListOrder)
{
    const CliRun run = Cli({QStringLiteral("info"), Write("sample.vlz", SampleDocument())});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QByteArray expected =
        "{\"type\":\"document\",\"version\":2,\"material\":[9000,6000],\"base_color\":255,\"brightness\":4,"
        "\"contrast\":-2,\"gamma\":-500,\"invert\":0,\"objects\":["
        "{\"class\":\"CDibObj\",\"name\":\"photo\",\"flags\":260,\"visible\":1,\"center\":[10,-20],\"size\":[3000,2000],"
        "\"image\":{\"width\":6,\"height\":4,\"bpp\":24}},"
        "{\"class\":\"CTextObj\",\"name\":\"Caf\xc3\xa9\",\"flags\":2052,\"visible\":1,\"center\":[0,0],\"size\":[500,200],"
        "\"font\":{\"height\":-32,\"weight\":400,\"italic\":0,\"face\":\"Arial\"},\"fill_background\":1,\"draw_frame\":0,"
        "\"font_color\":16777215,\"bkgnd_color\":8421504,\"frame_color\":0,\"margin\":[10,20],\"format\":1,\"antialias\":0},"
        "{\"class\":\"CArcTextObj\",\"name\":\"Fan\",\"flags\":2048,\"visible\":0,\"center\":[5,5],\"size\":[4000,400],"
        "\"text\":\"Fan\",\"font\":{\"height\":-20,\"weight\":700,\"italic\":1,\"face\":\"Arial\"},\"mode\":0,\"invert\":0,"
        "\"reverse\":0,\"rotate_glyphs\":0,\"center_px\":[12.5,100],\"angle\":180,\"radius\":40,\"spread\":50,\"height\":20,"
        "\"fill_background\":0,\"font_color\":16777215,\"bkgnd_color\":8421504}]}\n";
    EXPECT_EQ(run.out, expected);
    EXPECT_FALSE(QJsonDocument::fromJson(run.out).isNull());
}

TEST_F(CliFixture, InfoTellsSymbolFilesByTheirMagic)
{
    const std::string magic = "Corvex KZ Corporation Veldra Symbol";
    const QByteArray symbol = TestBytes().text(magic).repeat(0, 48 - int(magic.size())).u32(1)
                                  .raw(ObjectBytes::Common("star", 0x0404, 1, 0, 0, 300, 300))
                                  .raw(ObjectBytes::GreyImage(3, 3, 0));
    const CliRun run = Cli({QStringLiteral("info"), Write("named-like-a-document.vlz", symbol)});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject json = QJsonDocument::fromJson(run.out).object();
    EXPECT_EQ(json.value(QStringLiteral("type")).toString(), QStringLiteral("symbol"));
    EXPECT_EQ(json.value(QStringLiteral("version")).toInt(), 1);
    EXPECT_EQ(json.value(QStringLiteral("object")).toObject().value(QStringLiteral("name")).toString(), QStringLiteral("star"));
}

TEST_F(CliFixture, ResaveIsByteIdentical)
{
    const QByteArray bytes = SampleDocument();
    const QString out = dir.filePath(QStringLiteral("out.vlz"));
    const CliRun run = Cli({QStringLiteral("resave"), Write("in.vlz", bytes), out});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QFile file(out);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), bytes);
}

TEST_F(CliFixture, ExitCodesAndMessages)
{
    QByteArray cut = SampleDocument();
    cut.chop(5);
    for (const QByteArray& bad : {QByteArray("not a document at all, but long enough to hold a header of 52 bytes"), cut}) {
        const CliRun run = Cli({QStringLiteral("info"), Write("bad.vlz", bad)});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.err.contains("Unexpected file format.")) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
    const CliRun resaveBad = Cli({QStringLiteral("resave"), Write("bad2.vlz", cut), dir.filePath(QStringLiteral("never.vlz"))});
    EXPECT_EQ(resaveBad.exitCode, 1);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("never.vlz"))));

    const CliRun missing = Cli({QStringLiteral("info"), dir.filePath(QStringLiteral("missing.vlz"))});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains("Cannot find this file."));

    EXPECT_EQ(Cli({QStringLiteral("info")}).exitCode, 2);
    EXPECT_EQ(Cli({QStringLiteral("resave"), QStringLiteral("a")}).exitCode, 2);
    EXPECT_EQ(Cli({QStringLiteral("frobnicate")}).exitCode, 2);
}

TEST_F(CliFixture, RenderWritesThePlateAtTheDevicesResolution)
{
    const QString document = Write("plate.vlz", SampleDocument());
    const QString out = dir.filePath(QStringLiteral("plate.bmp"));
    CliRun run = Cli({QStringLiteral("render"), document, out, QStringLiteral("--dpi"), QStringLiteral("254")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    CDibImage plate;
    ASSERT_TRUE(plate.LoadBitmapFile(out));
    EXPECT_EQ(plate.Width(), 900);
    EXPECT_EQ(plate.Height(), 600);
    EXPECT_EQ(plate.BitCount(), 24);
    EXPECT_EQ(plate.GetPixel(451, 302), RGB(128, 128, 128)); // inside the photo
    EXPECT_EQ(plate.GetPixel(5, 300), RGB(0, 0, 0));         // the 1 mm margin band
    EXPECT_EQ(plate.GetPixel(100, 300), RGB(255, 0, 0));     // the base colour

    run = Cli({QStringLiteral("render"), document, out, QStringLiteral("--mode"), QStringLiteral("screen"),
               QStringLiteral("--dpi"), QStringLiteral("254"), QStringLiteral("--printable"), QStringLiteral("9000,6000")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    ASSERT_TRUE(plate.LoadBitmapFile(out));
    EXPECT_EQ(plate.GetPixel(5, 300), RGB(255, 127, 127)); // halfway between white and the base

    EXPECT_EQ(Cli({QStringLiteral("render"), document, out, QStringLiteral("--mode"), QStringLiteral("paper")}).exitCode, 2);
    EXPECT_EQ(Cli({QStringLiteral("render"), document, out, QStringLiteral("--printable"), QStringLiteral("9000")}).exitCode, 2);
    EXPECT_EQ(Cli({QStringLiteral("render"), Write("junk.vlz", "junk"), out}).exitCode, 1);
}

TEST_F(CliFixture, PreviewShowsTheAdjustedShades)
{
    const QString out = dir.filePath(QStringLiteral("preview.bmp"));
    const QString layout = Write("plate.vlz", SampleDocument());
    const CliRun run = Cli({"preview", layout, out, "--zoom", "2", "--brightness", "0", "--contrast", "0"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    CDibImage picture;
    ASSERT_TRUE(picture.LoadBitmapFile(out));
    EXPECT_EQ(picture.Width(), 2 * 1874);
    EXPECT_EQ(picture.Height(), 2 * 1250);
    // The photo's grey 128 is lifted to 192, then gamma 0.5 (code -500) gives 144: shade 9.
    const std::vector<COLORREF> ramp = CPreviewPicture::Ramp(RGB(0xC0, 0xC0, 0x40), RGB(0xFF, 0xFF, 0x80), 16);
    EXPECT_EQ(picture.GetPixel(2 * 937, 2 * 627), ramp[9]);
    EXPECT_EQ(picture.GetPixel(0, 0), ramp[0]);
    EXPECT_EQ(Cli({QStringLiteral("preview"), Write("p2.vlz", SampleDocument()), out, QStringLiteral("--zoom"), QStringLiteral("3")}).exitCode, 2);

    // Without options, the layout's own adjustments, as print takes them.
    const QString bright = Write("bright.vlz", SampleDocument(40, 30, 250));
    const QString own = dir.filePath("own.bmp"), given = dir.filePath("given.bmp");
    ASSERT_EQ(Cli({"preview", bright, own}).exitCode, 0);
    ASSERT_EQ(Cli({"preview", bright, given, "--brightness", "40", "--contrast", "30", "--gamma", "250"}).exitCode, 0);
    ASSERT_EQ(Cli({"preview", bright, out, "--brightness", "0", "--contrast", "0", "--gamma", "-500"}).exitCode, 0);
    EXPECT_EQ(ReadFileBytes(own), ReadFileBytes(given));
    EXPECT_NE(ReadFileBytes(own), ReadFileBytes(out));
}

TEST_F(CliFixture, ImportMakesADocumentOfPictures)
{
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(QColor(10, 200, 30));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    QByteArray jpeg;
    QBuffer jpegBuffer(&jpeg);
    jpegBuffer.open(QIODevice::WriteOnly);
    image.save(&jpegBuffer, "JPEG");
    const QString out = dir.filePath(QStringLiteral("made.vlz"));
    CliRun run = Cli({QStringLiteral("import"), Write("a.png", png), Write("b.jpg", jpeg), out,
                      QStringLiteral("--material"), QStringLiteral("9000,9000"), QStringLiteral("--dpi"), QStringLiteral("254")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    run = Cli({QStringLiteral("info"), out});
    ASSERT_EQ(run.exitCode, 0);
    const QJsonObject json = QJsonDocument::fromJson(run.out).object();
    const QJsonArray objects = json.value(QStringLiteral("objects")).toArray();
    ASSERT_EQ(objects.size(), 2);
    // Each new picture goes before the first picture: the later file is at the head.
    EXPECT_EQ(objects[0].toObject().value(QStringLiteral("name")).toString(), QStringLiteral("b.jpg"));
    EXPECT_EQ(objects[1].toObject().value(QStringLiteral("size")).toArray()[0].toInt(), 8800);

    const QString never = dir.filePath(QStringLiteral("never.vlz"));
    run = Cli({QStringLiteral("import"), Write("c.png", png), Write("junk.png", "junk"), never, QStringLiteral("--material"), QStringLiteral("9000,9000")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("Unexpected file format."));
    EXPECT_FALSE(QFile::exists(never));
    EXPECT_EQ(Cli({QStringLiteral("import"), Write("d.png", png), never}).exitCode, 2);
}

// A PNG's transparent parts stay transparent on the plate: the picture
// under them shows. A pixel under half opaque is transparent, one over half
// keeps its colour; an opaque pixel of the key's own colour is not a hole.
TEST_F(CliFixture, ImportKeepsAPngsTransparency)
{
    const auto png = [](const QImage& image) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        return bytes;
    };
    // Columns 0-4 green at alpha 127, 5-19 transparent, 20-34 blue, 35-39
    // green at alpha 128; a block of the key's colour, opaque, in the blue.
    QImage logo(40, 40, QImage::Format_ARGB32);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            logo.setPixel(x, y, x < 5 ? qRgba(0, 255, 0, 127) : x < 20 ? qRgba(0, 0, 0, 0)
                                : x < 35 ? qRgba(0, 0, 255, 255) : qRgba(0, 255, 0, 128));
    for (int y = 16; y < 25; ++y)
        for (int x = 24; x < 33; ++x)
            logo.setPixel(x, y, qRgba(1, 0, 0, 255));
    QImage base(40, 40, QImage::Format_RGB32);
    base.fill(QColor(255, 0, 0));
    const QString out = dir.filePath(QStringLiteral("logo.vlz"));
    // The later picture goes in front.
    CliRun run = Cli({"import", Write("base.png", png(base)), Write("logo.png", png(logo)), out, "--material",
                      "9000,9000", "--dpi", "254"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString bitmap = dir.filePath(QStringLiteral("logo.bmp"));
    run = Cli({"render", out, bitmap, "--dpi", "254", "--mode", "screen"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    CDibImage plate;
    ASSERT_TRUE(plate.LoadBitmapFile(bitmap));
    // Both pictures fill 880 of the plate's 900 dots, 22 dots a pixel.
    const auto at = [&](int column, int row) { return plate.GetPixel(10 + 22 * column + 11, 10 + 22 * row + 11); };
    EXPECT_EQ(at(2, 10), RGB(255, 0, 0));  // 127 of 255: transparent, the base shows
    EXPECT_EQ(at(12, 10), RGB(255, 0, 0)); // transparent
    EXPECT_EQ(at(22, 10), RGB(0, 0, 255)); // the logo's own
    EXPECT_EQ(at(37, 10), RGB(0, 255, 0)); // 128 of 255: opaque
    EXPECT_EQ(at(28, 20), RGB(1, 0, 1));   // moved off the key, never a hole
}

// A vector logo (SVG, or a PDF's first page) is drawn at the dots it takes
// on the plate, not enlarged from a small bitmap: 38 mm of a 40 mm plate at
// 529 dpi are 791 dots, and its round hole has no grey around it, only the
// logo's white and the plate.
TEST_F(CliFixture, ImportDrawsAVectorLogoAtItsDotsOnThePlate)
{
    const QByteArray svg = "<svg xmlns='http://www.w3.org/2000/svg' width='20mm' height='10mm' viewBox='0 0 20 10'>"
                           "<path fill='white' fill-rule='evenodd' d='M0 0H20V10H0Z M10 2A3 3 0 1 0 10.001 2Z'/></svg>";
    const QString pdf = dir.filePath(QStringLiteral("logo.pdf"));
    {
        // The same logo as a one-page PDF of 60 x 30 points (a PDF's page
        // is whole points), drawn at 10 dots a point.
        QPdfWriter writer(pdf);
        writer.setPageSize(QPageSize(QSizeF(60, 30), QPageSize::Point));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(720);
        QPainter painter(&writer);
        QPainterPath logo;
        logo.setFillRule(Qt::OddEvenFill);
        logo.addRect(QRectF(0, 0, 600, 300));
        logo.addEllipse(QPointF(300, 150), 90, 90);
        painter.fillPath(logo, Qt::white);
    }
    for (const QString& file : {Write("logo.svg", svg), pdf}) {
        SCOPED_TRACE(file.toStdString());
        const QString out = dir.filePath(QStringLiteral("logo.vlz"));
        CliRun run = Cli({"import", file, out, "--material", "4000,4000"});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        run = Cli({"info", out});
        const QJsonObject picture = QJsonDocument::fromJson(run.out).object()["objects"].toArray()[0].toObject();
        EXPECT_EQ(picture["image"].toObject()["width"].toInt(), 791);
        EXPECT_EQ(picture["image"].toObject()["height"].toInt(), 396);

        const QString bitmap = dir.filePath(QStringLiteral("logo.bmp"));
        ASSERT_EQ(Cli({"render", out, bitmap, "--mode", "screen"}).exitCode, 0);
        CDibImage plate;
        ASSERT_TRUE(plate.LoadBitmapFile(bitmap));
        const int left = (plate.Width() - 791) / 2, top = (plate.Height() - 396) / 2;
        const COLORREF hole = plate.GetPixel(left + 395, top + 198), ink = plate.GetPixel(left + 20, top + 20);
        EXPECT_NE(hole, ink);
        int others = 0;
        for (int y = top + 3; y < top + 393; ++y)
            for (int x = left + 3; x < left + 788; ++x)
                others += plate.GetPixel(x, y) != hole && plate.GetPixel(x, y) != ink;
        EXPECT_EQ(others, 0);
    }
}

TEST_F(CliFixture, LibraryListsTheRefreshedRows)
{
    QDir().mkpath(dir.filePath(QStringLiteral("Symbol")));
    const std::string magic = "Corvex KZ Corporation Veldra Symbol";
    const QByteArray symbol = TestBytes().text(magic).repeat(0, 48 - int(magic.size())).u32(1)
                                  .raw(ObjectBytes::Common("", 0x0404, 1, 0, 0, 300, 300))
                                  .raw(ObjectBytes::GreyImage(3, 3, 0));
    for (const char* name : {"Symbol/b-star.vls", "Symbol/a-moon.vls"})
        Write(name, symbol);
    const CliRun run = Cli({QStringLiteral("library"), dir.filePath(QStringLiteral("Symbol")), QStringLiteral("--kind"), QStringLiteral("symbol")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonArray rows = QJsonDocument::fromJson(run.out).array();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].toObject().value(QStringLiteral("name")).toString(), QStringLiteral("a-moon"));
    EXPECT_GT(rows[0].toObject().value(QStringLiteral("time")).toInteger(), 0);
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("Symbol/index.vli"))));

    // Names as the file system gives them: bytes of an older code page are
    // that code page's name; what the index cannot hold is said.
    const QByteArray folder = QFile::encodeName(dir.filePath(QStringLiteral("Symbol")));
    Write("Symbol/moved.vls", symbol);
    ASSERT_EQ(::rename((folder + "/moved.vls").constData(), (folder + "/plat\xE9.vls").constData()), 0);
    Write("Symbol/moved.vls", symbol);
    ASSERT_TRUE(QFile::rename(dir.filePath(QStringLiteral("Symbol/moved.vls")), dir.filePath(u"Symbol/\u6c49.vls"_qs)));
    const CliRun named = Cli({QStringLiteral("library"), QFile::decodeName(folder), QStringLiteral("--kind"), QStringLiteral("symbol")});
    ASSERT_EQ(named.exitCode, 0) << named.err.toStdString();
    const QJsonArray all = QJsonDocument::fromJson(named.out).array();
    ASSERT_EQ(all.size(), 3);
    EXPECT_EQ(all[2].toObject().value(QStringLiteral("name")).toString(), u"plat\u00e9"_qs);
    EXPECT_EQ(all[2].toObject().value(QStringLiteral("thumbnail")).toInteger(), 2);
    EXPECT_TRUE(named.err.contains(u"\u6c49.vls is left out"_qs.toUtf8())) << named.err.toStdString();
    EXPECT_EQ(Cli({QStringLiteral("library"), dir.filePath(QStringLiteral("Symbol")), QStringLiteral("--kind"), QStringLiteral("hat")}).exitCode, 2);
}

TEST_F(CliFixture, WritersOnAFullDiskFailAndKeepTheOldFile)
{
    VELDRA_REQUIRE_ROOT();
    ScratchDisk disk(128);
    ASSERT_TRUE(disk.IsMounted());
    const QString document = Write("plate.vlz", SampleDocument());
    const QString out = disk.Path(QStringLiteral("out.vlz"));
    const QString bitmap = disk.Path(QStringLiteral("out.bmp"));
    for (const QString& path : {out, bitmap}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("the user's old file");
    }
    CDibImage tiny;
    tiny.Create(4, 4, 24, RGB(9, 9, 9));
    const QString picture = dir.filePath(QStringLiteral("a.bmp"));
    ASSERT_TRUE(tiny.SaveBitmapFile(picture));
    disk.Fill();
    const std::vector<QStringList> writes = {
        {QStringLiteral("resave"), document, out},
        {QStringLiteral("import"), picture, out, QStringLiteral("--material"), QStringLiteral("1000,1000")},
        {QStringLiteral("render"), document, bitmap, QStringLiteral("--dpi"), QStringLiteral("25")},
    };
    for (const QStringList& arguments : writes) {
        const CliRun run = Cli(arguments);
        EXPECT_EQ(run.exitCode, 1) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains("space")) << run.err.toStdString();
        QFile file(arguments[0] == QLatin1String("import") ? out : arguments[2]);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), QByteArray("the user's old file")) << arguments.join(' ').toStdString();
    }
}

TEST_F(CliFixture, SpecialFilesAreNeitherReadNorReplaced)
{
    const QString fifo = dir.filePath(QStringLiteral("pipe.vlz"));
    ASSERT_TRUE(ScratchDisk::MakeFifo(fifo));
    const QString document = Write("plate.vlz", SampleDocument());
    // Reading a FIFO used to wait for a writer for ever.
    for (const QStringList& arguments :
         {QStringList{QStringLiteral("info"), fifo}, QStringList{QStringLiteral("resave"), fifo, document},
          QStringList{QStringLiteral("import"), fifo, dir.filePath(QStringLiteral("x.vlz")), QStringLiteral("--material"),
                      QStringLiteral("1000,1000")}}) {
        const CliRun run = Cli(arguments);
        EXPECT_EQ(run.exitCode, 1) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains("not a regular file")) << run.err.toStdString();
    }
    // Nor is it replaced by a regular file when written to.
    CliRun run = Cli({QStringLiteral("resave"), document, fifo});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("not a regular file")) << run.err.toStdString();
    EXPECT_FALSE(QFileInfo(fifo).isFile());
    if (ScratchDisk::IsRoot()) {
        const QString device = dir.filePath(QStringLiteral("null.vlz"));
        ASSERT_TRUE(ScratchDisk::MakeDeviceNode(device));
        EXPECT_EQ(Cli({QStringLiteral("resave"), document, device}).exitCode, 1);
        EXPECT_FALSE(QFileInfo(device).isFile());
    }
}

TEST_F(CliFixture, MessagesSayWhatHappened)
{
    const QString out = dir.filePath(QStringLiteral("x.vlz"));
    const QStringList material{QStringLiteral("--material"), QStringLiteral("1000,1000")};
    CliRun run = Cli(QStringList{QStringLiteral("import"), dir.filePath(QStringLiteral("missing.png")), out} + material);
    EXPECT_TRUE(run.err.contains("Cannot find this file")) << run.err.toStdString();
    QDir().mkpath(dir.filePath(QStringLiteral("pictures")));
    run = Cli(QStringList{QStringLiteral("import"), dir.filePath(QStringLiteral("pictures")), out} + material);
    EXPECT_TRUE(run.err.contains("folder")) << run.err.toStdString();
    const QString loop = dir.filePath(QStringLiteral("loop.png"));
    QFile::link(loop, loop);
    run = Cli(QStringList{QStringLiteral("import"), loop, out} + material);
    EXPECT_TRUE(run.err.contains("symbolic links")) << run.err.toStdString();
    EXPECT_FALSE(run.err.contains("Unexpected file format."));

    // A plate past the pixel limits is too large, not unwritable.
    const QString huge = Write("huge.vlz", ObjectBytes::DocumentHeader(2, 9000, 9000, 0, 0, 0, -500, 0).u16(0));
    run = Cli({QStringLiteral("render"), huge, dir.filePath(QStringLiteral("huge.bmp")), QStringLiteral("--dpi"),
               QStringLiteral("200000")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("too large")) << run.err.toStdString();
}

// A material with no size, or smaller than a dot, is told as such; sizes
// and margins no layout holds are refused when the file is read.
TEST_F(CliFixture, MaterialsAndMarginsThatMakeNoPlateSayWhy)
{
    const struct
    {
        const char* name;
        QByteArray bytes;
        const char* error;
    } cases[] = {
        {"dot.vlz", ObjectBytes::DocumentHeader(2, 1, 1, 0, 0, 0, -500, 0).u16(0),
         "The material, 0.01 x 0.01 mm, is smaller than one dot of the engraver."},
        {"negative.vlz", ObjectBytes::DocumentHeader(2, -100, 9000, 0, 0, 0, -500, 0).u16(0),
         "The material, -1 x 90 mm, has no size a plate can have."},
        {"smallest.vlz", ObjectBytes::DocumentHeader(2, -2147483647 - 1, 9000, 0, 0, 0, -500, 0).u16(0),
         "Unexpected file format."},
        {"margin.vlz",
         ObjectBytes::DocumentHeader(2, 9000, 9000, 0, 0, 0, -500, 0).u16(1)
             .raw(ObjectBytes::ClassRecord("CTextObj")).raw(ObjectBytes::Common("T", 0x0804, 1, 0, 0, 500, 200))
             .raw(ObjectBytes::Font(-32, 400, 0, 0, "Arial")).i32(1 << 30).i32(1 << 30).i32(1).i32(0)
             .u32(0xFFFFFF).u32(0x808080).u32(0).i32(1).i32(0),
         "Unexpected file format."},
    };
    for (const auto& [name, bytes, error] : cases) {
        const CliRun run = Cli({QStringLiteral("render"), Write(name, bytes), dir.filePath(QStringLiteral("out.bmp"))});
        EXPECT_EQ(run.exitCode, 1) << name;
        EXPECT_TRUE(run.err.contains(error)) << name << ": " << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("out.bmp")))) << name;
    }
    // A picture imported onto a material no larger than its margins: no
    // layout written, not one with a picture of negative size.
    CDibImage image;
    image.Create(4, 4, 24, RGB(1, 2, 3));
    ASSERT_TRUE(image.SaveBitmapFile(dir.filePath(QStringLiteral("p.bmp"))));
    const QString out = dir.filePath(QStringLiteral("tiny.vlz"));
    for (const char* material : {"40,20", "100,100"}) {
        const CliRun run = Cli({QStringLiteral("import"), dir.filePath(QStringLiteral("p.bmp")), out,
                                QStringLiteral("--material"), QString::fromLatin1(material)});
        EXPECT_EQ(run.exitCode, 1) << material;
        EXPECT_TRUE(run.err.contains("no room inside its margins")) << material << ": " << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(out)) << material;
    }
}

TEST_F(CliFixture, PictureNamesAreKeptInTheLayoutsCodePage)
{
    CDibImage image;
    image.Create(4, 4, 24, RGB(1, 2, 3));
    ASSERT_TRUE(image.SaveBitmapFile(dir.filePath(QStringLiteral("Caf\u00e9.bmp"))));
    const QString out = dir.filePath(QStringLiteral("cafe.vlz"));
    CliRun run = Cli({QStringLiteral("import"), dir.filePath(QStringLiteral("Caf\u00e9.bmp")), out,
                      QStringLiteral("--material"), QStringLiteral("1000,1000")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    // The name's bytes are windows-1252: "Caf" then 0xE9.
    QFile file(out);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains(QByteArray("\x08" "Caf\xe9.bmp")));
    run = Cli({QStringLiteral("info"), out});
    const QJsonObject json = QJsonDocument::fromJson(run.out).object();
    EXPECT_EQ(json.value(QStringLiteral("objects")).toArray()[0].toObject().value(QStringLiteral("name")).toString(),
              QStringLiteral("Caf\u00e9.bmp"));

    // A name the code page cannot hold is refused, saying which characters.
    ASSERT_TRUE(image.SaveBitmapFile(dir.filePath(QStringLiteral("\u65e5\u672c.bmp"))));
    run = Cli({QStringLiteral("import"), dir.filePath(QStringLiteral("\u65e5\u672c.bmp")), out, QStringLiteral("--material"),
               QStringLiteral("1000,1000")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(QString::fromUtf8(run.err).contains(QStringLiteral("\u65e5\u672c"))) << run.err.toStdString();
}

TEST_F(CliFixture, TheStarterLibraryIsListedAndEveryEntryReads)
{
    const struct { const char* folder; const char* kind; const char* type; int least; } kinds[] = {
        {"Mask", "material", "material", 6}, {"Frame", "frame", "frame", 8}, {"Symbol", "symbol", "symbol", 12}};
    for (const auto& k : kinds) {
        // A copy: listing writes the folder's index.
        const QString folder = dir.filePath(QLatin1String(k.folder));
        QDir().mkpath(folder);
        const QDir starter(QStringLiteral(VELDRA_STARTER_DIR "/") + QLatin1String(k.folder));
        for (const QString& name : starter.entryList({QStringLiteral("*.vls")}, QDir::Files))
            ASSERT_TRUE(QFile::copy(starter.filePath(name), QDir(folder).filePath(name)));
        const CliRun run = Cli({QStringLiteral("library"), folder, QStringLiteral("--kind"), QLatin1String(k.kind)});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const QJsonArray rows = QJsonDocument::fromJson(run.out).array();
        EXPECT_GE(rows.size(), k.least) << k.folder;
        for (const QJsonValue& row : rows) {
            const QString name = row.toObject().value(QStringLiteral("name")).toString();
            const CliRun info = Cli({QStringLiteral("info"), QDir(folder).filePath(name + QStringLiteral(".vls"))});
            ASSERT_EQ(info.exitCode, 0) << name.toStdString() << info.err.toStdString();
            const QJsonObject object = QJsonDocument::fromJson(info.out).object();
            EXPECT_EQ(object.value(QStringLiteral("object")).toObject().value(QStringLiteral("name")).toString(), name);
        }
    }
}

// A name whose bytes are no UTF-8 (a lone 0xE9, as older systems wrote
// "é") names the file it is, for `info` as for any reader.
TEST_F(CliFixture, InfoOpensAFileWhoseNameIsNotUtf8)
{
    const QByteArray name = QFile::encodeName(dir.path()) + "/plat\xE9.vlz";
    ASSERT_EQ(::rename(QFile::encodeName(Write("sample.vlz", SampleDocument())).constData(), name.constData()), 0);
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
    process.setProcessEnvironment(environment);
    // A QProcess argument is text: the shell makes the byte.
    process.start(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("exec \"$0\" info \"$1/plat$(printf '\\351').vlz\""),
                                         QStringLiteral(VELDRA_CLI_PATH), dir.path()});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    EXPECT_TRUE(process.readAllStandardOutput().startsWith("{\"type\":\"document\",\"version\":2,"));
}
