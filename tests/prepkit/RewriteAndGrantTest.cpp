#include "PrepkitTestSupport.h"

#include "CPrepkit.h"

#include "settings/CSettingsStore.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

using namespace PrepkitTest;

namespace {

const QString everyoneList = QStringLiteral("u::rwx,g::rwx,o::rwx");

class RewriteAndGrantTest : public Fixture
{
protected:
    bool Grant(const QString& folder) { return CPrepkit(Sink()).ModifyAccessPermission(QFile::encodeName(folder).constData()); }
    void SetMode(const QString& path, mode_t mode) { ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0); }
};

} // namespace

TEST_F(RewriteAndGrantTest, TheLibraryPathsTheProgramReadsFollowTheMove)
{
    const QString root = Path(QStringLiteral("inst"));
    ASSERT_TRUE(WriteFile(root + QStringLiteral("/Mask/a.vls")));
    // Written by hand, as an older installation left them; the comma makes
    // Qt read the Symbol value as a list.
    ASSERT_TRUE(WriteFile(Path(QStringLiteral("config/Corvex KZ Corporation/Veldra2.conf")),
                          QStringLiteral("[Path]\nMask=%1/Mask\nFrame=%1%2/Frame\nSymbol=%1/Symbol,%1,/srv%1/Old\nSPI=%1/spi\n")
                              .arg(root, QStringLiteral("2"))
                              .toUtf8()));

    EXPECT_TRUE(CPrepkit(Sink()).DoIt(QFile::encodeName(root + u'/').constData()));
    const CSettingsStore store;
    EXPECT_EQ(store.ReadString(QStringLiteral("Path"), QStringLiteral("Mask")), DataFolder() + QStringLiteral("/Mask"));
    // Only paths that lie in the root move: not a sibling whose name starts
    // like it, nor one that merely holds it.
    EXPECT_EQ(store.ReadString(QStringLiteral("Path"), QStringLiteral("Frame")), root + QStringLiteral("2/Frame"));
    EXPECT_EQ(store.ReadString(QStringLiteral("Path"), QStringLiteral("Symbol")),
              DataFolder() + QStringLiteral("/Symbol,") + DataFolder() + QStringLiteral(",/srv") + root + QStringLiteral("/Old"));
    EXPECT_EQ(store.ReadString(QStringLiteral("Path"), QStringLiteral("SPI")), root + QStringLiteral("/spi"));
}

TEST_F(RewriteAndGrantTest, WithoutSettingsNoneAreMade)
{
    ASSERT_TRUE(WriteFile(Path(QStringLiteral("inst/Mask/a.vls"))));
    EXPECT_TRUE(CPrepkit(Sink()).DoIt(QFile::encodeName(Path(QStringLiteral("inst"))).constData()));
    EXPECT_FALSE(Exists(Path(QStringLiteral("config/Corvex KZ Corporation/Veldra2.conf"))));
}

TEST_F(RewriteAndGrantTest, EverythingBelowTheFolderIsOpenedToAllButLibFilesOnlyForReading)
{
    const QString folder = Path(QStringLiteral("tree"));
    ASSERT_TRUE(WriteFile(folder + QStringLiteral("/a.vls")));
    ASSERT_TRUE(WriteFile(folder + QStringLiteral("/Sub/deeper/fonts.lib.bak")));
    ASSERT_TRUE(WriteFile(folder + QStringLiteral("/tool")));
    SetMode(folder, 0700);
    SetMode(folder + QStringLiteral("/a.vls"), 0600);
    SetMode(folder + QStringLiteral("/tool"), 0700);
    SetMode(folder + QStringLiteral("/Sub/deeper/fonts.lib.bak"), 0600);
    SetMode(folder + QStringLiteral("/Sub/deeper"), 0700);
    SetMode(folder + QStringLiteral("/Sub"), 0700);

    EXPECT_TRUE(Grant(folder));
    EXPECT_EQ(Mode(folder), mode_t(0700)); // the folder given is not changed
    EXPECT_EQ(DefaultList(folder), QString());
    EXPECT_EQ(Mode(folder + QStringLiteral("/a.vls")), mode_t(0666));
    EXPECT_EQ(Mode(folder + QStringLiteral("/tool")), mode_t(0777));
    EXPECT_EQ(Mode(folder + QStringLiteral("/Sub/deeper/fonts.lib.bak")), mode_t(0644));
    for (const QString& sub : {QStringLiteral("/Sub"), QStringLiteral("/Sub/deeper")}) {
        EXPECT_EQ(Mode(folder + sub), mode_t(0777)) << sub.toStdString();
        EXPECT_EQ(DefaultList(folder + sub), everyoneList) << sub.toStdString();
    }

    EXPECT_FALSE(Grant(Path(QStringLiteral("missing"))));
    EXPECT_FALSE(Grant(QString()));
}

TEST_F(RewriteAndGrantTest, LinksInTheFolderLeaveTheirTargetsRightsAlone)
{
    const QString folder = DataFolder();
    ASSERT_TRUE(WriteFile(folder + QStringLiteral("/Mask/a.vls")));
    ASSERT_TRUE(WriteFile(Path(QStringLiteral("outside/shadow"))));
    ASSERT_TRUE(WriteFile(Path(QStringLiteral("outside/hard"))));
    ASSERT_TRUE(WriteFile(Path(QStringLiteral("outside/etc/passwd"))));
    SetMode(Path(QStringLiteral("outside/shadow")), 0600);
    SetMode(Path(QStringLiteral("outside/hard")), 0600);
    SetMode(Path(QStringLiteral("outside/etc/passwd")), 0600);
    SetMode(Path(QStringLiteral("outside/etc")), 0700);
    ASSERT_TRUE(QFile::link(Path(QStringLiteral("outside/shadow")), folder + QStringLiteral("/Mask/shadow.vls")));
    ASSERT_TRUE(QFile::link(Path(QStringLiteral("outside/etc")), folder + QStringLiteral("/Frame")));
    ASSERT_EQ(::link(Native(QStringLiteral("outside/hard")).c_str(), QFile::encodeName(folder + QStringLiteral("/hard.vls")).constData()), 0);

    // The file with another name is named, and fails the run.
    EXPECT_FALSE(Grant(folder));
    EXPECT_EQ(messages, std::vector<std::string>{QFile::encodeName(folder).toStdString()
                                                 + "/hard.vls\nThe file has other names; its rights were left as they are."});
    EXPECT_EQ(Mode(folder + QStringLiteral("/Mask/a.vls")) & 0666, mode_t(0666));
    EXPECT_EQ(Mode(Path(QStringLiteral("outside/shadow"))), mode_t(0600));
    EXPECT_EQ(Mode(Path(QStringLiteral("outside/hard"))), mode_t(0600));
    EXPECT_EQ(Mode(Path(QStringLiteral("outside/etc"))), mode_t(0700));
    EXPECT_EQ(Mode(Path(QStringLiteral("outside/etc/passwd"))), mode_t(0600));
    EXPECT_EQ(DefaultList(Path(QStringLiteral("outside/etc"))), QString());

    // Nor is the folder given followed when it, or any folder on the way
    // to it, is a link: "LINK/." names what the link leads to.
    const QString link = Path(QStringLiteral("link-to-outside"));
    ASSERT_TRUE(QFile::link(Path(QStringLiteral("outside")), link));
    for (const QString& through : {link, link + QStringLiteral("/."), link + QStringLiteral("/etc/")})
        EXPECT_FALSE(Grant(through)) << through.toStdString();
    EXPECT_EQ(Mode(Path(QStringLiteral("outside/etc"))), mode_t(0700));
    EXPECT_EQ(Mode(Path(QStringLiteral("outside/etc/passwd"))), mode_t(0600));
}

TEST_F(RewriteAndGrantTest, MovedFilesEndUpOpenToEveryone)
{
    ASSERT_TRUE(WriteFile(Path(QStringLiteral("inst/Mask/a.vls"))));
    ASSERT_TRUE(WriteFile(Path(QStringLiteral("inst/fonts.lib"))));
    SetMode(Path(QStringLiteral("inst/Mask/a.vls")), 0600);
    SetMode(Path(QStringLiteral("inst/Mask")), 0700);
    ASSERT_TRUE(CPrepkit(Sink()).DoIt(QFile::encodeName(Path(QStringLiteral("inst"))).constData()));
    EXPECT_EQ(Mode(DataFolder()), mode_t(0777));
    EXPECT_EQ(DefaultList(DataFolder()), everyoneList);
    EXPECT_EQ(Mode(DataFolder() + QStringLiteral("/Mask")), mode_t(0777));
    EXPECT_EQ(DefaultList(DataFolder() + QStringLiteral("/Mask")), everyoneList);
    EXPECT_EQ(Mode(DataFolder() + QStringLiteral("/Mask/a.vls")), mode_t(0666));
    EXPECT_EQ(Mode(DataFolder() + QStringLiteral("/fonts.lib")) & 0444, mode_t(0444));
}
