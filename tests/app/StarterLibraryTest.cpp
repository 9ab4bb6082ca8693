#include "app/CDataFolder.h"
#include "app/CStarterLibrary.h"
#include "imaging/ColorRef.h"
#include "objects/CDibObj.h"

#include <QDir>
#include <QCoreApplication>
#include <QFile>
#include <QTranslator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString starter = QStringLiteral(VELDRA_STARTER_DIR);

int CountKey(CDibImage& picture)
{
    const QImage image = picture.ToQImage();
    int keys = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            keys += image.pixel(x, y) == qRgb(1, 0, 0);
    return keys;
}

} // namespace

TEST(StarterLibrary, EveryDrawingIsAnEntryOfItsKind)
{
    const struct { const char* folder; std::uint32_t kind; int bits; int least; } kinds[] = {
        {"Mask", SOK_MATERIAL, 1, 6}, {"Frame", SOK_FRAME, 24, 8}, {"Symbol", SOK_SYMBOL, 24, 12}};
    for (const auto& k : kinds) {
        const QDir folder(starter + u'/' + QLatin1String(k.folder));
        const QStringList files = folder.entryList({QStringLiteral("*.vls")}, QDir::Files);
        EXPECT_GE(files.size(), k.least) << k.folder;
        for (const QString& file : files) {
            CDibObj entry;
            ASSERT_TRUE(entry.ReadSymbolFile(folder.filePath(file))) << file.toStdString();
            EXPECT_TRUE(entry.HasFlag(k.kind)) << file.toStdString();
            CDibImage& picture = entry.StoredImage();
            EXPECT_EQ(picture.BitCount(), k.bits) << file.toStdString();
            // Sized for the engraver: one picture pixel per dot at 529 dpi.
            EXPECT_NEAR(picture.Width(), entry.GetSize().cx * 529.0 / 2540, 1.0) << file.toStdString();
            // Frames and symbols leave the plate showing around their drawing.
            if (k.bits == 24) {
                EXPECT_GT(CountKey(picture), picture.Width() * picture.Height() / 10) << file.toStdString();
            }
        }
    }
}

TEST(StarterLibrary, OnlyAFolderThatIsNotThereYetGetsTheEntries)
{
    QTemporaryDir data;
    qputenv(CDataFolder::overrideVariable, QFile::encodeName(data.filePath(QStringLiteral("Veldra2"))));
    CDataFolder folder;
    ASSERT_TRUE(folder.Create(QStringLiteral("Veldra2")));
    const QString source = CStarterLibrary::SourceFolder(starter, QStringLiteral("Symbol"));
    ASSERT_FALSE(source.isEmpty());
    EXPECT_TRUE(CStarterLibrary::SourceFolder(starter, QStringLiteral("Nothing")).isEmpty());

    const QString target = folder.Path() + QStringLiteral("/Symbol");
    const int copied = CStarterLibrary::Install(source, target, folder);
    EXPECT_GE(copied, 12);
    EXPECT_EQ(QDir(target).entryList({QStringLiteral("*.vls")}).size(), copied);

    // Emptied by its user: it stays empty.
    for (const QString& file : QDir(target).entryList(QDir::Files))
        QFile::remove(QDir(target).filePath(file));
    EXPECT_EQ(CStarterLibrary::Install(source, target, folder), -1);
    EXPECT_TRUE(QDir(target).entryList(QDir::Files).isEmpty());

    // A file or a link where the folder belongs is left alone too.
    const QString file = folder.Path() + QStringLiteral("/Frame");
    QFile(file).open(QIODevice::WriteOnly);
    EXPECT_EQ(CStarterLibrary::Install(source, file, folder), -1);
    const QString link = folder.Path() + QStringLiteral("/Mask");
    QFile::link(data.filePath(QStringLiteral("elsewhere")), link);
    EXPECT_EQ(CStarterLibrary::Install(source, link, folder), -1);
    EXPECT_FALSE(QFileInfo::exists(data.filePath(QStringLiteral("elsewhere"))));
    qunsetenv(CDataFolder::overrideVariable);
}

// A German user's library holds the starter entries under German names, so
// they sort and read as the user reads them.
TEST(StarterLibrary, EntriesAreCopiedUnderTheUsersLanguagesNames)
{
    QTemporaryDir data;
    qputenv(CDataFolder::overrideVariable, QFile::encodeName(data.filePath(QStringLiteral("Veldra2"))));
    CDataFolder folder;
    ASSERT_TRUE(folder.Create(QStringLiteral("Veldra2")));
    const QString source = CStarterLibrary::SourceFolder(starter, QStringLiteral("Symbol"));
    const QString target = folder.Path() + QStringLiteral("/Symbol");
    int copied = 0;
    {
        // The shipped German catalog, as the program installs it.
        QTranslator german;
        ASSERT_TRUE(german.load(QStringLiteral(VELDRA_TEST_CATALOG_DIR "/shipped-de.qm")));
        QCoreApplication::installTranslator(&german);
        copied = CStarterLibrary::Install(source, target, folder);
        QCoreApplication::removeTranslator(&german);
    }
    qunsetenv(CDataFolder::overrideVariable);
    const QStringList names = QDir(target).entryList({QStringLiteral("*.vls")});
    EXPECT_EQ(names.size(), copied);
    EXPECT_TRUE(names.contains(QStringLiteral("Pfeil.vls"))) << names.join(u' ').toStdString();
    EXPECT_TRUE(names.contains(QStringLiteral("Zahnrad.vls")));
    EXPECT_FALSE(names.contains(QStringLiteral("Arrow.vls")));
}
