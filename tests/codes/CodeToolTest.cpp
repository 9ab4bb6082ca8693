// Codes through the tool: added with `code`, described by `info`, drawn by
// `render`, `batch` and the engraver's print jobs, and read back with an
// independent decoder.
#include "CliProcess.h"
#include "CodeReader.h"
#include "CupsFixture.h"
#include "RasterDecode.h"
#include "TestFiles.h"

#include "document/CDocumentFile.h"
#include "document/CVeldraDoc.h"
#include "objects/CDibObj.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

struct Sample
{
    const char* kind;
    QString data;
    // What the decoder reads: GS1 data comes back with its separators.
    QString read;
};

const Sample samples[] = {
    {"datamatrix", "ASSET-0042 Halle 3", "ASSET-0042 Halle 3"},
    {"datamatrix-rect", "T-7781", "T-7781"},
    {"qr", "https://example.org/t/7781", "https://example.org/t/7781"},
    {"code128", "PN 4711-B", "PN 4711-B"},
    {"gs1-datamatrix", "(01)09501101530003(21)A17", "010950110153000321A17"},
    {"gs1-128", "(01)09501101530003(10)LOT7", "010950110153000310LOT7"},
};

// The module size in millimetres that is exactly `dots` at 529 dpi.
QString ModuleFor(int dots)
{
    return QString::number(dots * 25.4 / 529, 'f', 4);
}

// GS1 readers put a group separator between variable fields and may
// show the symbology's prefix: the data without them.
QStringList Plain(QStringList texts)
{
    for (QString& text : texts)
        text.remove(QChar(0x1D)).remove(QStringLiteral("]d2")).remove(QStringLiteral("]C1"));
    return texts;
}

// An empty 60 x 40 mm plate saved in the folder.
QString SavePlate(const QTemporaryDir& dir)
{
    CVeldraDoc doc;
    doc.OnNewDocument();
    doc.SetMaterialSize({6000, 4000});
    doc.SetDevice(CVeldraDoc::defaultResolution, 6000, 4000);
    const QString path = dir.filePath(QStringLiteral("plate.vlz"));
    EXPECT_TRUE(CDocumentFile::Save(doc, path).ok);
    return path;
}

struct CodeToolFixture : ::testing::Test
{
    QTemporaryDir dir;

    CliProcessRun Run(const QStringList& arguments) const { return CliProcessRun::Of(dir, arguments); }
    QString Plate() const { return SavePlate(dir); }

    QJsonObject CodeInfo(const QString& layout) const
    {
        const CliProcessRun info = Run({"info", layout});
        EXPECT_EQ(info.exitCode, 0) << info.err.constData();
        const QJsonArray objects = QJsonDocument::fromJson(info.out).object()["objects"].toArray();
        for (const QJsonValue& object : objects)
            if (object.toObject().contains("code"))
                return object.toObject()["code"].toObject();
        return {};
    }

    QStringList RenderedCodes(const QString& layout) const
    {
        const QString bitmap = dir.filePath(QStringLiteral("plate.bmp"));
        const CliProcessRun render = Run({"render", layout, bitmap});
        EXPECT_EQ(render.exitCode, 0) << render.err.constData();
        CDibImage plate;
        EXPECT_TRUE(plate.LoadBitmapFile(bitmap));
        return Plain(ReadCodes(plate));
    }
};

struct CodePrintFixture : CupsFixture
{
    QTemporaryDir dir;
};

} // namespace

TEST_F(CodeToolFixture, EachKindIsReadBackAtModulesOfTwoToEightDots)
{
    const QString plate = Plate();
    const QString layout = dir.filePath(QStringLiteral("code.vlz"));
    for (const Sample& sample : samples) {
        const QList<int> sizes = QLatin1String(sample.kind) == QLatin1String("datamatrix")
                                     ? QList<int>{2, 3, 4, 5, 6, 7, 8}
                                     : QList<int>{2, 4};
        for (const int dots : sizes) {
            SCOPED_TRACE(std::string(sample.kind) + " at " + std::to_string(dots) + " dots");
            const CliProcessRun code = Run({"code", plate, layout, "--type", sample.kind, "--data", sample.data,
                                            "--module", ModuleFor(dots), "--at", "-5,3"});
            ASSERT_EQ(code.exitCode, 0) << code.err.constData();
            const QJsonObject info = CodeInfo(layout);
            EXPECT_EQ(info["kind"].toString(), sample.kind);
            EXPECT_EQ(info["data"].toString(), sample.data);
            EXPECT_EQ(info["module_dots"].toInt(), dots);
            EXPECT_EQ(RenderedCodes(layout), QStringList{sample.read});
        }
    }
}

TEST_F(CodeToolFixture, DataAKindCannotHoldIsRefusedWithTheReason)
{
    const QString plate = Plate();
    const QString layout = dir.filePath(QStringLiteral("bad.vlz"));
    const struct
    {
        const char* kind;
        QString data;
        const char* reason;
    } bad[] = {
        {"datamatrix", QString(2400, 'x'), "too long for Data Matrix"},
        {"datamatrix-rect", QString(120, '7'), "too long for Data Matrix (rectangular)"},
        {"qr", QString(3000, 'x'), "too long for QR Code"},
        {"code128", QStringLiteral("Preis 5 \u20AC"), "Code 128 cannot hold this data"},
        {"gs1-datamatrix", QStringLiteral("(01)09501101530009"), "GS1 DataMatrix cannot hold this data"},
        {"gs1-128", QStringLiteral("0109501101530003"), "GS1-128 cannot hold this data"},
        {"datamatrix", QString(), "The code has no data."},
        {"datamatrix", QStringLiteral("{serial:0001"), "The code's data:"},
    };
    for (const auto& sample : bad) {
        SCOPED_TRACE(sample.kind);
        const CliProcessRun run = Run({"code", plate, layout, "--type", sample.kind, "--data", sample.data});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.err.contains(sample.reason)) << run.err.constData();
        EXPECT_FALSE(QFileInfo::exists(layout));
    }
    const CliProcessRun small = Run({"code", plate, layout, "--type", "qr", "--data", "x", "--module", "0.06"});
    EXPECT_EQ(small.exitCode, 1);
    EXPECT_EQ(small.err, "A module of 0.060 mm is less than 2 dots at 529 dpi; the smallest module that works is "
                         "0.073 mm.\n");
    EXPECT_EQ(Run({"code", plate, layout, "--type", "code128", "--data", "x", "--ecc", "H"}).exitCode, 2);
    EXPECT_EQ(Run({"code", plate, layout, "--type", "aztec", "--data", "x"}).exitCode, 2);
}

// The file keeps a plain picture of the code as it was drawn last: any
// reader of layouts shows it, and a resave keeps the code a code.
TEST_F(CodeToolFixture, TheLayoutKeepsThePictureOfTheCodeAsDrawn)
{
    const QString layout = dir.filePath(QStringLiteral("tag.vlz"));
    ASSERT_EQ(Run({"code", Plate(), layout, "--type", "qr", "--data", "TAG 17", "--ecc", "H"}).exitCode, 0);
    const QString resaved = dir.filePath(QStringLiteral("again.vlz"));
    ASSERT_EQ(Run({"resave", layout, resaved}).exitCode, 0);
    CVeldraDoc doc;
    ASSERT_TRUE(CDocumentFile::Open(doc, resaved).ok);
    const auto* picture = dynamic_cast<const CDibObj*>(doc.GetObjectAt(doc.GetObjectCount() - 1));
    ASSERT_NE(picture, nullptr);
    EXPECT_STREQ(picture->GetRuntimeClass()->m_lpszClassName, "CDibObj");
    EXPECT_EQ(ReadCodes(picture->StoredImage()), QStringList{"TAG 17"});
    EXPECT_EQ(CodeInfo(resaved)["ecc"].toString(), "H");
}

TEST_F(CodeToolFixture, ABatchGivesEachPlateItsOwnCodeAndRefusesARecordItCannotHold)
{
    const QString layout = dir.filePath(QStringLiteral("serial.vlz"));
    ASSERT_EQ(Run({"code", Plate(), layout, "--type", "datamatrix", "--data", "ASSET-{serial:0001}"}).exitCode, 0);
    const QString out = dir.filePath(QStringLiteral("plates"));
    const CliProcessRun batch = Run({"batch", layout, "--count", "5", "--render", out});
    ASSERT_EQ(batch.exitCode, 0) << batch.err.constData();
    for (int record = 1; record <= 5; ++record) {
        CDibImage plate;
        ASSERT_TRUE(plate.LoadBitmapFile(out + QStringLiteral("/%1.bmp").arg(record)));
        EXPECT_EQ(ReadCodes(plate), QStringList{QStringLiteral("ASSET-%1").arg(record, 4, 10, QLatin1Char('0'))});
    }

    const QString tags = dir.filePath(QStringLiteral("tags.vlz"));
    ASSERT_EQ(Run({"code", Plate(), tags, "--type", "code128", "--data", "{Tag}"}).exitCode, 0);
    const QString data = WriteFileBytes(dir.filePath(QStringLiteral("tags.csv")), "Tag\nA-1\nB-\xE2\x82\xAC\nC-3\n");
    const QString refused = dir.filePath(QStringLiteral("refused"));
    const CliProcessRun stopped = Run({"batch", tags, "--data", data, "--render", refused});
    EXPECT_EQ(stopped.exitCode, 1);
    EXPECT_TRUE(stopped.err.startsWith("Record 2: Code 128 cannot hold this data")) << stopped.err.constData();
    EXPECT_EQ(QDir(refused).entryList(QDir::Files), QStringList{"1.bmp"});
}

TEST_F(CodePrintFixture, EachEngraverJobOfABatchCarriesItsOwnSerial)
{
    const QString plate = SavePlate(dir);
    const QString layout = dir.filePath(QStringLiteral("serial.vlz"));
    ASSERT_EQ(CliProcessRun::Of(dir, {"code", plate, layout, "--type", "gs1-datamatrix", "--data",
                                      "(01)09501101530003(21){serial:101}", "--module", "0.3"})
                  .exitCode,
              0);
    const CliProcessRun run =
        CliProcessRun::Of(dir, {"batch", layout, "--count", "3", "--print", "--printer", engraverQueue});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const QList<QByteArray> lines = run.out.trimmed().split('\n');
    ASSERT_EQ(lines.size(), 4) << run.out.constData();
    for (int i = 0; i < 3; ++i) {
        const int id = lines[i].toInt();
        ASSERT_TRUE(CupsTestServer::Instance().WaitForJob(id));
        const DecodedPage page = Decode(CupsTestServer::Instance().JobOutput(id));
        ASSERT_TRUE(page.ok);
        EXPECT_EQ(Plain(ReadCodes(page.rgb)), QStringList{"010950110153000321" + QString::number(101 + i)});
    }
}

// Names from a damaged or hostile file: data no kind holds, a module as
// large as names allow, a form that is no code. Each opens, renders and
// runs a batch as a picture or a bounded code.
TEST_F(CodeToolFixture, DamagedCodeNamesStayPicturesOrBoundedCodes)
{
    CVeldraDoc doc;
    ASSERT_TRUE(CDocumentFile::Open(doc, Plate()).ok);
    for (const QByteArray& name : {QByteArray("code/qr/M/q/500/") + QByteArray(9000, 'x'),
                                   QByteArray("code/qr/M/q/10000/{#}"), QByteArray("code/qr/Z/q/500/x"),
                                   QByteArray("code/datamatrix/M/q/500/%4")}) {
        auto picture = std::make_unique<CDibObj>();
        CDibImage image;
        ASSERT_TRUE(image.Create(40, 40, 24, 0xFFFFFF));
        ASSERT_TRUE(picture->SetImageFrom(&image, flagsPicture, false));
        picture->SetBounds(0, 0, 1000, 1000);
        picture->m_strName = name;
        doc.InsertAt(std::move(picture), 0);
    }
    const QString layout = dir.filePath(QStringLiteral("damaged.vlz"));
    ASSERT_TRUE(CDocumentFile::Save(doc, layout).ok);
    EXPECT_EQ(Run({"render", layout, dir.filePath("damaged.bmp")}).exitCode, 0);
    const CliProcessRun batch = Run({"batch", layout, "--count", "2", "--render", dir.filePath("plates")});
    EXPECT_EQ(batch.exitCode, 0) << batch.err.constData();
}
