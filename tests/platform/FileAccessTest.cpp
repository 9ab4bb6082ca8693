// Writing a file whole or not at all, and reading only regular files: a
// full disk, a read-only folder, FIFOs, devices, folders and links.
#include "ScratchDisk.h"

#include "platform/CInputFile.h"
#include "platform/CSafeSave.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Put(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

bool IsFifo(const QString& path)
{
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISFIFO(status.st_mode);
}

// Only the file and the filler: no half-written neighbour is left behind.
QStringList Names(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

} // namespace

TEST(SafeSaveTest, AFullDiskKeepsTheOldFileByteForByteAndSaysWhy)
{
    VELDRA_REQUIRE_ROOT();
    ScratchDisk disk(64);
    ASSERT_TRUE(disk.IsMounted());
    const QString path = disk.Path(QStringLiteral("plate.vlz"));
    const QByteArray old("the layout the user had");
    Put(path, old);
    disk.Fill();
    // Small enough to sit in any buffer until the very end: the case that
    // used to rename an empty file over the old one.
    for (const int size : {100, 5000, 200000}) {
        QString error;
        EXPECT_FALSE(CSafeSave::WriteBytes(path, QByteArray(size, 'n'), &error)) << size;
        EXPECT_EQ(Contents(path), old) << size;
        EXPECT_TRUE(error.contains(QStringLiteral("plate.vlz"))) << error.toStdString();
        EXPECT_TRUE(error.contains(QStringLiteral("space"), Qt::CaseInsensitive)) << error.toStdString();
    }
    EXPECT_EQ(Names(QFileInfo(path).path()), (QStringList{QStringLiteral("filler"), QStringLiteral("plate.vlz")}));
}

TEST(SafeSaveTest, AReadOnlyFolderKeepsTheOldFile)
{
    VELDRA_REQUIRE_ROOT();
    ScratchDisk disk(64);
    const QString path = disk.Path(QStringLiteral("plate.bmp"));
    Put(path, "old");
    ASSERT_TRUE(disk.MakeReadOnly());
    QString error;
    EXPECT_FALSE(CSafeSave::WriteBytes(path, "new", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(Contents(path), QByteArray("old"));
}

TEST(SafeSaveTest, OnlyRegularFilesAreReplacedAndLinksToThemFollowed)
{
    QTemporaryDir folder;
    const QString fifo = folder.filePath(QStringLiteral("pipe"));
    ASSERT_TRUE(ScratchDisk::MakeFifo(fifo));
    QString error;
    EXPECT_FALSE(CSafeSave::WriteBytes(fifo, "bytes", &error));
    EXPECT_TRUE(IsFifo(fifo));
    EXPECT_TRUE(error.contains(QStringLiteral("not a regular file"))) << error.toStdString();

    EXPECT_FALSE(CSafeSave::WriteBytes(folder.path(), "bytes", &error));
    EXPECT_TRUE(error.contains(QStringLiteral("folder"))) << error.toStdString();

    // A link to a regular file: the file it points at gets the new bytes.
    const QString target = folder.filePath(QStringLiteral("target.vlz"));
    const QString link = folder.filePath(QStringLiteral("link.vlz"));
    Put(target, "old");
    ASSERT_TRUE(QFile::link(target, link));
    EXPECT_TRUE(CSafeSave::WriteBytes(link, "new"));
    EXPECT_EQ(Contents(target), QByteArray("new"));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    // ...but not in a folder others write, where the link may be theirs.
    EXPECT_FALSE(CSafeSave::WriteBytes(link, "planted", &error, CSafeSave::Links::refuse));
    EXPECT_TRUE(error.contains(QStringLiteral("symbolic link"))) << error.toStdString();
    EXPECT_EQ(Contents(target), QByteArray("new"));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    const QString dangling = folder.filePath(QStringLiteral("dangling.vli"));
    ASSERT_TRUE(QFile::link(folder.filePath(QStringLiteral("made-through-the-link")), dangling));
    EXPECT_FALSE(CSafeSave::WriteBytes(dangling, "planted", &error, CSafeSave::Links::refuse));
    EXPECT_FALSE(QFileInfo::exists(folder.filePath(QStringLiteral("made-through-the-link"))));

    if (ScratchDisk::IsRoot()) {
        const QString device = folder.filePath(QStringLiteral("null"));
        ASSERT_TRUE(ScratchDisk::MakeDeviceNode(device));
        EXPECT_FALSE(CSafeSave::WriteBytes(device, "bytes"));
        EXPECT_FALSE(QFileInfo(device).isFile());
    }
}

TEST(SafeSaveTest, AProducerThatGivesUpLeavesTheOldFile)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("index.vli"));
    Put(path, "old");
    QString error;
    EXPECT_FALSE(CSafeSave::Write(path, [](QIODevice& device) { return device.write("half") < 0; }, &error));
    EXPECT_EQ(Contents(path), QByteArray("old"));
    EXPECT_EQ(Names(folder.path()), QStringList{QStringLiteral("index.vli")});
}

TEST(InputFileTest, OnlyRegularFilesOpenAndEveryOtherPathSaysWhatItIs)
{
    QTemporaryDir folder;
    const QString fifo = folder.filePath(QStringLiteral("pipe"));
    ASSERT_TRUE(ScratchDisk::MakeFifo(fifo));
    QElapsedTimer timer;
    timer.start();
    CInputFile pipe(fifo);
    EXPECT_FALSE(pipe.Open());
    // A FIFO with no writer used to block the open for ever.
    EXPECT_LT(timer.elapsed(), 2000);
    EXPECT_TRUE(pipe.ErrorText().contains(QStringLiteral("not a regular file"))) << pipe.ErrorText().toStdString();

    CInputFile directory(folder.path());
    EXPECT_FALSE(directory.Open());
    EXPECT_TRUE(directory.ErrorText().contains(QStringLiteral("folder")));

    CInputFile missing(folder.filePath(QStringLiteral("gone.bmp")));
    EXPECT_FALSE(missing.Open());
    EXPECT_TRUE(missing.ErrorText().contains(QStringLiteral("Cannot find this file")));

    const QString loop = folder.filePath(QStringLiteral("loop"));
    ASSERT_TRUE(QFile::link(loop, loop));
    CInputFile looping(loop);
    EXPECT_FALSE(looping.Open());
    EXPECT_FALSE(looping.ErrorText().contains(QStringLiteral("Cannot find")));
    EXPECT_TRUE(looping.ErrorText().contains(QStringLiteral("symbolic links"))) << looping.ErrorText().toStdString();

    const QString regular = folder.filePath(QStringLiteral("a.bmp"));
    Put(regular, "BM bytes");
    CInputFile file(regular);
    ASSERT_TRUE(file.Open());
    EXPECT_EQ(file.File().readAll(), QByteArray("BM bytes"));
}
