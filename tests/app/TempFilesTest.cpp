#include "app/CTempFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

// The files land in a private folder named by TMPDIR, not in /tmp itself.
class TempFilesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        m_hadTmpDir = qEnvironmentVariableIsSet("TMPDIR");
        m_oldTmpDir = qgetenv("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(m_folder.path()));
    }
    void TearDown() override
    {
        if (m_hadTmpDir)
            qputenv("TMPDIR", m_oldTmpDir);
        else
            qunsetenv("TMPDIR");
    }

    QTemporaryDir m_folder;
    bool m_hadTmpDir = false;
    QByteArray m_oldTmpDir;
};

mode_t PermissionBits(const QString& path)
{
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & 07777 : 0;
}

} // namespace

TEST_F(TempFilesTest, NewFilesAreEmptyPrivateAndNamedWithThePrefix)
{
    CTempFiles files;
    const QString first = files.NewTempFile();
    const QString second = files.NewTempFile();
    EXPECT_NE(first, second);
    for (const QString& name : {first, second}) {
        const QFileInfo info(name);
        EXPECT_TRUE(info.exists());
        EXPECT_EQ(info.size(), 0);
        EXPECT_EQ(info.absolutePath(), QDir(m_folder.path()).absolutePath());
        EXPECT_TRUE(info.fileName().startsWith(QStringLiteral("$VD")));
        EXPECT_EQ(PermissionBits(name), mode_t(0600));
    }
    EXPECT_EQ(files.Names(), (QStringList{first, second}));
}

TEST_F(TempFilesTest, DeleteAllAndTheDestructorRemoveEveryFile)
{
    QString kept;
    {
        CTempFiles files;
        const QString name = files.NewTempFile();
        // A file someone else already removed must not stop the others.
        const QString gone = files.NewTempFile();
        QFile::remove(gone);
        files.DeleteAll();
        EXPECT_FALSE(QFile::exists(name));
        EXPECT_TRUE(files.Names().isEmpty());

        kept = files.NewTempFile();
        QFile file(kept);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("picture");
    }
    EXPECT_FALSE(QFile::exists(kept));
}

TEST_F(TempFilesTest, AMissingTemporaryFolderFallsBackToTheWorkingFolder)
{
    const QString working = QDir::currentPath();
    ASSERT_TRUE(QDir().mkpath(m_folder.path() + QStringLiteral("/work")));
    ASSERT_TRUE(QDir::setCurrent(m_folder.path() + QStringLiteral("/work")));
    qputenv("TMPDIR", QFile::encodeName(m_folder.path() + QStringLiteral("/missing")));
    CTempFiles files;
    const QString name = files.NewTempFile();
    QDir::setCurrent(working);
    EXPECT_EQ(QFileInfo(name).absolutePath(), QDir(m_folder.path() + QStringLiteral("/work")).absolutePath());
    EXPECT_TRUE(QFile::exists(name));
}

TEST_F(TempFilesTest, AFolderThatCannotTakeFilesGivesNoName)
{
    // A plain file in the folder's place refuses new files even to root.
    const QString notAFolder = m_folder.path() + QStringLiteral("/file");
    QFile file(notAFolder);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    qputenv("TMPDIR", QFile::encodeName(notAFolder));
    CTempFiles files;
    EXPECT_EQ(files.NewTempFile(), QString());
    EXPECT_TRUE(files.Names().isEmpty());
}
