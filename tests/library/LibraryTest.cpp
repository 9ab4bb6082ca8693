#include "TestBytes.h"

#include "library/CLibraryIndex.h"
#include "library/CLibraryRefresh.h"
#include "objects/CDibObj.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct LibraryFixture : ::testing::Test
{
    QTemporaryDir folder;
    CLibraryModel model;
    CLibraryRefresh::Options options;

    void AddSymbol(const QString& name, int w, int h, COLORREF colour, qint64 time = 1700000000)
    {
        CDibImage image;
        image.Create(w, h, 24, colour);
        CDibObj symbol;
        symbol.SetImageFrom(&image, flagsSymbol, false);
        const QString path = folder.filePath(name + QStringLiteral(".vls"));
        ASSERT_TRUE(symbol.WriteSymbolFile(path));
        SetTime(name, time);
    }
    void SetTime(const QString& name, qint64 time)
    {
        QFile file(folder.filePath(name + QStringLiteral(".vls")));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(QDateTime::fromSecsSinceEpoch(time), QFileDevice::FileModificationTime));
    }
    CLibraryRefresh::Result Refresh() { return CLibraryRefresh::Refresh(folder.path(), model, options); }
    QStringList Names() const
    {
        QStringList names;
        for (const LibraryEntry& entry : model.Entries())
            names << QString::fromLocal8Bit(entry.name);
        return names;
    }
    QString IndexPath() const { return folder.filePath(QStringLiteral("index.vli")); }
};

} // namespace

TEST(LibraryIndex, ReadsEntriesWrittenByHand)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("index.vli"));
    TestBytes bytes;
    bytes.i32(32).i32(2);
    bytes.text("star").repeat(0, 252).i32(1700000000).i32(-1);
    bytes.text("moon").repeat(0, 252).i32(5).i32(-1);
    bytes.u32(0);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();

    CLibraryIndex index;
    ASSERT_TRUE(index.Read(path, 32));
    ASSERT_EQ(index.entries.size(), 2u);
    EXPECT_EQ(index.entries[0].name, QByteArray("star"));
    EXPECT_EQ(index.entries[0].time, 1700000000);
    EXPECT_EQ(index.entries[1].time, 5);
    CLibraryIndex otherDepth;
    EXPECT_FALSE(otherDepth.Read(path, 16));
    EXPECT_TRUE(otherDepth.entries.empty());

    // Written again, the same bytes.
    ASSERT_TRUE(index.Write(path));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), bytes.data());
}

TEST(LibraryIndex, DamagedIndexesFailWithoutHarm)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("index.vli"));
    const QByteArray cases[] = {
        TestBytes().i32(24).i32(0x7FFFFFFF).repeat(1, 100),     // a huge count
        TestBytes().i32(24).i32(-4),                             // a negative one
        TestBytes().i32(24).i32(1).text("x").repeat(0, 263).u32(5), // more thumbnails than entries
        TestBytes().i32(24).i32(1).text("x").repeat(0, 263).u32(1).u32(0xFFFFFFF0), // a thumbnail past the end
        TestBytes().i32(24).i32(1).text("x").repeat(0, 263).u32(1).u32(4).text("junk"), // not a PNG
    };
    for (const QByteArray& bytes : cases) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        CLibraryIndex index;
        EXPECT_FALSE(index.Read(path, 24));
    }
}

TEST_F(LibraryFixture, ColdThenWarm)
{
    AddSymbol(QStringLiteral("star"), 30, 30, RGB(255, 0, 0));
    AddSymbol(QStringLiteral("Moon"), 10, 20, RGB(0, 255, 0));
    CLibraryRefresh::Result cold = Refresh();
    EXPECT_EQ(cold.decoded, 2);
    EXPECT_TRUE(cold.indexWritten);
    EXPECT_EQ(Names(), (QStringList{QStringLiteral("Moon"), QStringLiteral("star")}));

    CLibraryRefresh::Result warm = Refresh();
    EXPECT_EQ(warm.decoded, 0);
    EXPECT_FALSE(warm.indexWritten);
    EXPECT_EQ(Names(), (QStringList{QStringLiteral("Moon"), QStringLiteral("star")}));
    EXPECT_FALSE(model.data(model.index(0), Qt::DecorationRole).value<QImage>().isNull());
}

TEST_F(LibraryFixture, AnIndexPlantedAsALinkIsNeverWrittenThrough)
{
    // The folder is shared by every user: one of them may have put the link
    // there to have another's refresh overwrite a file of theirs.
    QTemporaryDir elsewhere;
    const QString victim = elsewhere.filePath(QStringLiteral("notes.txt"));
    QFile file(victim);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("mine") == 4);
    file.close();
    ASSERT_TRUE(QFile::link(victim, IndexPath()));
    AddSymbol(QStringLiteral("star"), 8, 8, RGB(255, 0, 0));

    const CLibraryRefresh::Result result = Refresh();
    EXPECT_FALSE(result.indexWritten);
    EXPECT_EQ(Names(), QStringList{QStringLiteral("star")});
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("mine"));
    EXPECT_TRUE(QFileInfo(IndexPath()).isSymLink());
}

TEST_F(LibraryFixture, EqualTimesKeepTheThumbnailNewerOnesRebuildIt)
{
    AddSymbol(QStringLiteral("star"), 30, 30, RGB(255, 0, 0), 1700000000);
    Refresh();
    SetTime(QStringLiteral("star"), 1700000000);
    EXPECT_EQ(Refresh().decoded, 0);
    SetTime(QStringLiteral("star"), 1700000001);
    EXPECT_EQ(Refresh().decoded, 1);
    EXPECT_EQ(model.rowCount(), 1);
    EXPECT_EQ(model.Thumbnails().size(), 1u);
}

TEST_F(LibraryFixture, NamesDifferingInCaseBothAppear)
{
    AddSymbol(QStringLiteral("Star"), 4, 4, RGB(1, 1, 1));
    AddSymbol(QStringLiteral("star"), 4, 4, RGB(2, 2, 2));
    Refresh();
    EXPECT_EQ(model.rowCount(), 2);
    EXPECT_EQ(Refresh().decoded, 0);
    EXPECT_EQ(model.rowCount(), 2);
}

TEST_F(LibraryFixture, FilesWithAnUpperCaseExtensionAreReadAsListed)
{
    AddSymbol(QStringLiteral("Two"), 4, 4, RGB(3, 3, 3));
    ASSERT_TRUE(QFile::rename(folder.filePath(QStringLiteral("Two.vls")), folder.filePath(QStringLiteral("Two.VLS"))));
    AddSymbol(QStringLiteral("three"), 4, 4, RGB(3, 3, 3));
    ASSERT_TRUE(QFile::rename(folder.filePath(QStringLiteral("three.vls")), folder.filePath(QStringLiteral("three.Vls"))));
    EXPECT_EQ(Refresh().decoded, 2);
    EXPECT_EQ(Names(), (QStringList{QStringLiteral("three"), QStringLiteral("Two")}));
    EXPECT_EQ(LibraryEntry::SymbolFilePath(folder.path(), QStringLiteral("Two")), folder.filePath(QStringLiteral("Two.VLS")));
    EXPECT_EQ(LibraryEntry::SymbolFilePath(folder.path(), QStringLiteral("none")), folder.filePath(QStringLiteral("none.vls")));
}

TEST_F(LibraryFixture, DepthChangesEmptyFoldersAndRemovedFiles)
{
    AddSymbol(QStringLiteral("star"), 4, 4, RGB(1, 1, 1));
    options.screenDepth = 16;
    Refresh();
    options.screenDepth = 32;
    EXPECT_EQ(Refresh().decoded, 1);
    options.ignoreIndex = true;
    EXPECT_EQ(Refresh().decoded, 1);
    options.ignoreIndex = false;

    QFile::remove(folder.filePath(QStringLiteral("star.vls")));
    const CLibraryRefresh::Result result = Refresh();
    EXPECT_TRUE(result.indexWritten);
    EXPECT_EQ(model.rowCount(), 0);
    CLibraryIndex index;
    ASSERT_TRUE(index.Read(IndexPath(), 32));
    EXPECT_TRUE(index.entries.empty());

    QTemporaryDir empty;
    CLibraryModel nothing;
    EXPECT_FALSE(CLibraryRefresh::Refresh(empty.path(), nothing, options).indexWritten);
    EXPECT_EQ(nothing.rowCount(), 0);
}

TEST_F(LibraryFixture, ThumbnailsFitAndCentreOnTheirBackground)
{
    AddSymbol(QStringLiteral("wide"), 300, 100, RGB(0, 0, 200));
    Refresh();
    const QImage thumbnail = model.Thumbnail(0);
    EXPECT_EQ(thumbnail.size(), QSize(64, 64));
    EXPECT_EQ(thumbnail.pixel(32, 20), qRgb(255, 255, 255)); // white above
    EXPECT_EQ(thumbnail.pixel(32, 21), qRgb(0, 0, 200));
    EXPECT_EQ(thumbnail.pixel(32, 41), qRgb(0, 0, 200));
    EXPECT_EQ(thumbnail.pixel(32, 42), qRgb(255, 255, 255));

    CDibImage image;
    image.Create(2, 2, 24, transparentKey);
    CDibObj material;
    material.SetImageFrom(&image, flagsMaterial, false);
    const QImage face = CLibraryRefresh::Thumbnail(material, CLibraryModel::material, RGB(10, 20, 30));
    EXPECT_EQ(face.pixel(10, 10), qRgb(10, 20, 30));
    CDibObj symbol;
    symbol.SetImageFrom(&image, flagsSymbol, false);
    EXPECT_EQ(qAlpha(CLibraryRefresh::Thumbnail(symbol, CLibraryModel::symbol, 0).pixel(10, 10)), 0);
}

TEST_F(LibraryFixture, UnreadableFilesAndDamagedIndexesAreRefreshed)
{
    AddSymbol(QStringLiteral("good"), 4, 4, RGB(1, 1, 1));
    QFile bad(folder.filePath(QStringLiteral("bad.vls")));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("not a symbol file");
    bad.close();
    QFile index(IndexPath());
    ASSERT_TRUE(index.open(QIODevice::WriteOnly));
    index.write(TestBytes().i32(24).i32(3).text("zz"));
    index.close();
    Refresh();
    EXPECT_EQ(Names(), (QStringList{QStringLiteral("good")}));
    CLibraryIndex written;
    EXPECT_TRUE(written.Read(IndexPath(), 24));
}
