#include "settings/CSettingsStore.h"
#include "app/shell/CRecentFileList.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class RecentFileListTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_config.isValid());
        ASSERT_TRUE(m_files.isValid());
        m_hadConfigHome = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
        m_oldConfigHome = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
    }
    void TearDown() override
    {
        if (m_hadConfigHome)
            qputenv("XDG_CONFIG_HOME", m_oldConfigHome);
        else
            qunsetenv("XDG_CONFIG_HOME");
    }

    // A document that exists, under the private folder.
    QString MakeFile(const QString& relative) const
    {
        const QString path = m_files.filePath(relative);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        return QFileInfo(path).canonicalFilePath();
    }

    QString SettingsPath() const { return m_config.path() + QStringLiteral("/Corvex KZ Corporation/Veldra2.conf"); }

    void WriteSettings(const QByteArray& text) const
    {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(SettingsPath()).absolutePath()));
        QFile file(SettingsPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    QByteArray SettingsText() const
    {
        QFile file(SettingsPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir m_config;
    QTemporaryDir m_files;
    bool m_hadConfigHome = false;
    QByteArray m_oldConfigHome;
};

} // namespace

TEST_F(RecentFileListTest, NewestFirstKeepsEightAndMovesTheSameFileToTheTop)
{
    CRecentFileList list;
    for (int i = 0; i < 10; ++i)
        list.Add(MakeFile(QStringLiteral("plate%1.vlz").arg(i)));
    ASSERT_EQ(list.Count(), 8);
    EXPECT_EQ(QFileInfo(list.Path(0)).fileName(), QStringLiteral("plate9.vlz"));
    EXPECT_EQ(QFileInfo(list.Path(7)).fileName(), QStringLiteral("plate2.vlz"));

    // Another spelling of a listed file, and a link to one: no second entry.
    list.Add(m_files.path() + QStringLiteral("/sub/../plate5.vlz"));
    ASSERT_TRUE(QFile::link(list.Path(1), m_files.filePath(QStringLiteral("link.vlz"))));
    list.Add(m_files.filePath(QStringLiteral("link.vlz")));
    EXPECT_EQ(list.Count(), 8);
    EXPECT_EQ(QFileInfo(list.Path(0)).fileName(), QStringLiteral("link.vlz"));
    EXPECT_EQ(QFileInfo(list.Path(1)).fileName(), QStringLiteral("plate5.vlz"));
    EXPECT_EQ(QFileInfo(list.Path(2)).fileName(), QStringLiteral("plate8.vlz"));
    EXPECT_EQ(QFileInfo(list.Path(7)).fileName(), QStringLiteral("plate2.vlz"));

    // A file that has gone stays listed.
    ASSERT_TRUE(QFile::remove(list.Path(1)));
    list.Add(MakeFile(QStringLiteral("new.vlz")));
    EXPECT_EQ(QFileInfo(list.Path(2)).fileName(), QStringLiteral("plate5.vlz"));

    list.Remove(2);
    list.Remove(-1);
    list.Remove(8);
    EXPECT_EQ(list.Count(), 7);
    EXPECT_FALSE(list.Paths().contains(m_files.filePath(QStringLiteral("plate5.vlz"))));
}

TEST_F(RecentFileListTest, MenuTextsAreShortNumberedAndSafe)
{
    CRecentFileList list;
    list.Add(QStringLiteral("/plates/x/same/name.vlz"));
    list.Add(QStringLiteral("/plates/y/same/name.vlz"));
    list.Add(QStringLiteral("/plates/other/name.vlz"));
    list.Add(QStringLiteral("/plates/R&D\tlist.vlz"));
    list.Add(QStringLiteral("/plates/") + QString(500, u'w') + QStringLiteral(".vlz"));

    const QString longText = list.MenuText(0);
    EXPECT_TRUE(longText.startsWith(QStringLiteral("&1 www")));
    EXPECT_TRUE(longText.endsWith(QStringLiteral("www.vlz")));
    EXPECT_LT(longText.size(), 70);
    EXPECT_EQ(list.MenuText(1), QStringLiteral("&2 R&&D?list.vlz"));
    EXPECT_EQ(list.MenuText(2), QStringLiteral("&3 other/name.vlz"));
    EXPECT_EQ(list.MenuText(3), QStringLiteral("&4 y/same/name.vlz"));
    EXPECT_EQ(list.MenuText(4), QStringLiteral("&5 x/same/name.vlz"));
    EXPECT_EQ(list.MenuText(5), QString());

    // With the namesakes gone the name alone is enough.
    list.Remove(4);
    list.Remove(3);
    EXPECT_EQ(list.MenuText(2), QStringLiteral("&3 name.vlz"));
}

TEST_F(RecentFileListTest, ReadsHandWrittenValuesAndSavesOnlyWhatIsListed)
{
    WriteSettings("[Recent%20File%20List]\n"
                  "File1=/plates/first.vlz\n"
                  "File3=/plates/second.vlz\n"
                  "File4=\n"
                  "File5=/plates/first.vlz\n"
                  "File8=relative.vlz\n"
                  "File9=/plates/ninth.vlz\n");
    CRecentFileList list;
    {
        CSettingsStore store;
        list.Load(store);
    }
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Path(0), QStringLiteral("/plates/first.vlz"));
    EXPECT_EQ(list.Path(1), QStringLiteral("/plates/second.vlz"));
    EXPECT_TRUE(QFileInfo(list.Path(2)).isAbsolute());

    list.Remove(1);
    {
        CSettingsStore store;
        list.Save(store);
        ASSERT_TRUE(store.Flush());
    }
    const QByteArray text = SettingsText();
    EXPECT_TRUE(text.contains("File1=/plates/first.vlz"));
    EXPECT_TRUE(text.contains("File2=" + QFile::encodeName(list.Path(1))));
    EXPECT_FALSE(text.contains("File3="));
    EXPECT_FALSE(text.contains("File5="));
    // Not ours to judge: a value past the eighth stays as it was.
    EXPECT_TRUE(text.contains("File9=/plates/ninth.vlz"));

    CRecentFileList again;
    CSettingsStore store;
    again.Load(store);
    EXPECT_EQ(again.Paths(), list.Paths());
}

TEST_F(RecentFileListTest, HostileSettingsLeaveAShortSaneList)
{
    QByteArray text = "[Recent%20File%20List]\nFile1=/" + QByteArray(1 << 20, 'x') + "\n";
    for (int i = 2; i <= 1000; ++i)
        text += "File" + QByteArray::number(i) + "=/plates/" + QByteArray::number(i % 3) + ".vlz\n";
    WriteSettings(text);

    CRecentFileList list;
    CSettingsStore store;
    list.Load(store);
    // The huge value is dropped, the repeats of three names fold into three.
    ASSERT_EQ(list.Count(), 3);
    for (int i = 0; i < list.Count(); ++i)
        EXPECT_LT(list.MenuText(i).size(), 20);
}
