#include "ChildCost.h"

#include "acquire/CJpegReader.h"
#include "acquire/CPictureImport.h"
#include "acquire/CPictureLoader.h"
#include "acquire/CPluginList.h"
#include "document/CVeldraDoc.h"
#include "imaging/CDibImage.h"
#include "objects/CDibObj.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString folders = QStringLiteral(TEST_PLUGIN_FOLDERS);

struct LoaderFixture : ::testing::Test
{
    QTemporaryDir dir;

    QString Write(const QString& name, const QByteArray& bytes) const
    {
        QFile file(dir.filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return file.fileName();
    }

    QByteArray Encoded(const QImage& image, const char* format, int quality = 100) const
    {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, format);
        writer.setQuality(quality);
        writer.write(image);
        return bytes;
    }

    QImage Sample() const
    {
        QImage image(16, 8, QImage::Format_RGB32);
        image.fill(QColor(200, 40, 40));
        for (int x = 8; x < 16; ++x)
            for (int y = 0; y < 8; ++y)
                image.setPixel(x, y, qRgb(40, 40, 200));
        return image;
    }
};

} // namespace

TEST_F(LoaderFixture, TheContentDecidesNotTheExtension)
{
    CDibImage image;
    const QString jpegNamedBmp = Write(QStringLiteral("photo.bmp"), Encoded(Sample(), "jpeg"));
    ASSERT_TRUE(CPictureLoader::LoadPicture(image, jpegNamedBmp, {}));
    EXPECT_EQ(image.Width(), 16);
    EXPECT_EQ(image.BitCount(), 24);
    const COLORREF left = image.GetPixel(2, 4);
    EXPECT_NEAR(GetRValue(left), 200, 8);
    EXPECT_NEAR(GetBValue(left), 40, 8);

    const QString bmpNamedJpg = Write(QStringLiteral("picture.jpg"), Encoded(Sample(), "bmp"));
    ASSERT_TRUE(CPictureLoader::LoadPicture(image, bmpNamedJpg, {}));
    EXPECT_EQ(image.GetPixel(12, 0), RGB(40, 40, 200));
}

TEST_F(LoaderFixture, GreyJpegsGiveEqualChannels)
{
    QImage grey(8, 8, QImage::Format_Grayscale8);
    grey.fill(90);
    CDibImage image;
    ASSERT_TRUE(CPictureLoader::LoadPicture(image, Write(QStringLiteral("g.jpg"), Encoded(grey, "jpeg")), {}));
    const COLORREF c = image.GetPixel(3, 3);
    EXPECT_EQ(GetRValue(c), GetGValue(c));
    EXPECT_EQ(GetGValue(c), GetBValue(c));
}

TEST_F(LoaderFixture, DamagedJpegsFailWhole)
{
    QImage big(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            big.setPixel(x, y, qRgb(x * 4, y * 4, (x * y) % 256));
    const QByteArray jpeg = Encoded(big, "jpeg", 90);
    CDibImage image;
    image.Create(1, 1, 24, RGB(7, 7, 7));
    for (const qsizetype cut : {qsizetype(20), jpeg.size() / 2, jpeg.size() - 10}) {
        EXPECT_FALSE(CPictureLoader::LoadPicture(image, Write(QStringLiteral("cut.jpg"), jpeg.left(cut)), {})) << cut;
        EXPECT_EQ(image.Width(), 1);
    }
    EXPECT_FALSE(CPictureLoader::LoadPicture(image, dir.filePath(QStringLiteral("missing.jpg")), {}));
    EXPECT_FALSE(CPictureLoader::LoadPicture(image, Write(QStringLiteral("text.txt"), "hello"), {}));
}

TEST_F(LoaderFixture, ProgressiveJpegsLoadWithinTheDecodersMemory)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(true);
    ASSERT_TRUE(writer.write(Sample()));
    CDibImage image;
    ASSERT_TRUE(CJpegReader::Load(image, Write(QStringLiteral("p.jpg"), bytes)));
    EXPECT_EQ(image.Width(), 16);
    EXPECT_NEAR(GetBValue(image.GetPixel(12, 4)), 200, 8);
}

// A few hundred bytes whose frame header claims a huge picture: refused
// before the decoder or the image take memory by the claim.
TEST_F(LoaderFixture, JpegsClaimingHugePicturesAreRefusedCheaply)
{
    for (const char* name : {"declares-32767-square.jpg", "progressive-16000-square.jpg"}) {
        const QString path = QStringLiteral(TEST_JPEG_DATA "/") + QLatin1String(name);
        ASSERT_TRUE(QFile::exists(path)) << name;
        const ChildCost cost = ChildCost::Run(
            [&path] {
                CDibImage image;
                return CJpegReader::Load(image, path) ? 1 : 0;
            },
            6 << 10);
        EXPECT_EQ(cost.exitCode, 0) << name;
        EXPECT_LT(cost.grownKiB, 64 << 10) << name;
    }
}

TEST_F(LoaderFixture, PluginsInFolderOrderTheFirstSupporterDecides)
{
    const QString test = Write(QStringLiteral("t.xyz"), "TESTPIC and some bytes");
    CDibImage image;
    ASSERT_TRUE(CPictureLoader::LoadPicture(image, test, folders + QStringLiteral("/mixed")));
    EXPECT_EQ(image.Width(), 2);
    EXPECT_EQ(image.GetPixel(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(image.GetPixel(1, 0), RGB(0, 0, 255));
    // With or without the trailing separator.
    EXPECT_TRUE(CPictureLoader::LoadPicture(image, test, folders + QStringLiteral("/mixed/")));

    // The first supporter fails: the file fails, the later one is not asked.
    EXPECT_FALSE(CPictureLoader::LoadPicture(image, test, folders + QStringLiteral("/failfirst")));
    // No folder, or a file nobody supports.
    EXPECT_FALSE(CPictureLoader::LoadPicture(image, test, {}));
    EXPECT_FALSE(CPictureLoader::LoadPicture(image, Write(QStringLiteral("u.xyz"), "OTHER"), folders + QStringLiteral("/mixed")));
    // A plug-in that is not an import filter is never used.
    EXPECT_FALSE(CPictureLoader::LoadPicture(image, test, folders + QStringLiteral("/wrongversion")));
}

TEST_F(LoaderFixture, APluginsOversizedHeaderIsRefused)
{
    CDibImage image;
    image.Create(3, 3, 24, RGB(1, 2, 3));
    EXPECT_FALSE(CPictureLoader::LoadPicture(image, Write(QStringLiteral("t.xyz"), "TESTPIC"), folders + QStringLiteral("/liar")));
    EXPECT_EQ(image.Width(), 3);
}

TEST_F(LoaderFixture, TheShippedPluginReadsPng)
{
    const QString folder = CPictureLoader::PluginFolderFor({});
    ASSERT_FALSE(folder.isEmpty());
    CDibImage image;
    ASSERT_TRUE(CPictureLoader::LoadPicture(image, Write(QStringLiteral("p.png"), Encoded(Sample(), "png")), folder));
    EXPECT_EQ(image.GetPixel(0, 0), RGB(200, 40, 40));
    EXPECT_EQ(image.GetPixel(15, 7), RGB(40, 40, 200));

    // It says which files it reads, for the open dialog: not ours.
    QStringList patterns;
    for (const CPluginList::FileKind& kind : CPluginList(folder).FileKinds()) {
        EXPECT_FALSE(kind.description.isEmpty());
        patterns += kind.patterns;
    }
    EXPECT_TRUE(patterns.contains(QStringLiteral("*.png")));
    EXPECT_TRUE(patterns.contains(QStringLiteral("*.gif")));
    EXPECT_FALSE(patterns.contains(QStringLiteral("*.bmp")));
}

TEST_F(LoaderFixture, ImportAddsAPictureNamedAfterTheFile)
{
    CVeldraDoc doc;
    doc.SetMaterialSize({9000, 9000});
    doc.SetDevice(254, 9000, 9000);
    CDibObj* added = nullptr;
    ASSERT_TRUE(CPictureImport::ImportPicture(doc, Write(QStringLiteral("holiday.jpeg"), Encoded(Sample(), "jpeg")), {}, &added));
    ASSERT_TRUE(added);
    EXPECT_EQ(added->m_strName, QByteArray("holiday.jpeg"));
    EXPECT_EQ(doc.GetObjectCount(), 1);
    EXPECT_FALSE(CPictureImport::ImportPicture(doc, Write(QStringLiteral("x.jpeg"), "not a picture"), {}));
    EXPECT_EQ(doc.GetObjectCount(), 1);
}
