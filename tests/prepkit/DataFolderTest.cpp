#include "PrepkitTestSupport.h"

#include "app/CAccessAttributes.h"
#include "app/CDataFolder.h"
#include "app/CVeldraApp.h"

#include <QDir>
#include <QFile>

#include <unistd.h>

using namespace PrepkitTest;

namespace {

const QString everyoneList = QStringLiteral("u::rwx,g::rwx,o::rwx");

class DataFolderTest : public Fixture
{
protected:
    // A machine folder below the test's own folder, the override gone.
    CDataFolder MachineFolder(const QString& base)
    {
        qunsetenv("VELDRA2_DATA_DIR");
        CDataFolder folder;
        folder.SetMachineBase(base);
        return folder;
    }
};

} // namespace

TEST_F(DataFolderTest, TheMachineFolderAndItsCompanyFolderAreOpenToEveryone)
{
    QDir().mkpath(Path(QStringLiteral("var")));
    CDataFolder folder = MachineFolder(Path(QStringLiteral("var/")));
    ASSERT_TRUE(folder.Create(QStringLiteral("Veldra2")));
    const QString company = Path(QStringLiteral("var/Corvex KZ Corporation"));
    EXPECT_EQ(folder.Path(), company + QStringLiteral("/Veldra2"));
    for (const QString& made : {company, folder.Path()}) {
        EXPECT_EQ(Mode(made), mode_t(0777)) << made.toStdString();
        EXPECT_EQ(DefaultList(made), everyoneList) << made.toStdString();
    }
}

TEST_F(DataFolderTest, FoldersThatAlreadyExistKeepTheirRights)
{
    ASSERT_TRUE(QDir().mkpath(DataFolder()));
    ::chmod(QFile::encodeName(DataFolder()).constData(), 0755);
    qputenv("VELDRA2_DATA_DIR", QFile::encodeName(DataFolder() + QStringLiteral("//")));
    CDataFolder folder;
    ASSERT_TRUE(folder.Create(QStringLiteral("Veldra2")));
    EXPECT_EQ(folder.Path(), DataFolder());
    EXPECT_EQ(Mode(DataFolder()), mode_t(0755));
    EXPECT_EQ(DefaultList(DataFolder()), QString());
}

TEST_F(DataFolderTest, WithoutAMachineFolderTheUsersOwnServesAndStaysTheirs)
{
    // A file where the machine folders belong: nothing can be made there.
    ASSERT_TRUE(WriteFile(Path(QStringLiteral("var"))));
    CDataFolder folder = MachineFolder(Path(QStringLiteral("var")));
    ASSERT_TRUE(folder.Create(QStringLiteral("Veldra2")));
    EXPECT_EQ(folder.Path(), Path(QStringLiteral("share/Corvex KZ Corporation/Veldra2")));
    EXPECT_TRUE(IsFolder(folder.Path()));
    EXPECT_EQ(Mode(folder.Path()) & 0002, mode_t(0));
    EXPECT_EQ(DefaultList(folder.Path()), QString());
}

TEST_F(DataFolderTest, ALinkPlantedAsTheDataFolderIsNeverUsed)
{
    const QString elsewhere = Path(QStringLiteral("elsewhere"));
    QDir().mkpath(elsewhere);
    ::chmod(QFile::encodeName(elsewhere).constData(), 0700);
    QDir().mkpath(Path(QStringLiteral("var/Corvex KZ Corporation")));
    ASSERT_TRUE(QFile::link(elsewhere, Path(QStringLiteral("var/Corvex KZ Corporation/Veldra2"))));
    CDataFolder machine = MachineFolder(Path(QStringLiteral("var")));
    ASSERT_TRUE(machine.Create(QStringLiteral("Veldra2")));
    EXPECT_EQ(machine.Path(), Path(QStringLiteral("share/Corvex KZ Corporation/Veldra2")));

    // A folder named from outside is not swapped for another one.
    qputenv("VELDRA2_DATA_DIR", QFile::encodeName(Path(QStringLiteral("var/Corvex KZ Corporation/Veldra2"))));
    CDataFolder named;
    EXPECT_FALSE(named.Create(QStringLiteral("Veldra2")));
    EXPECT_EQ(Mode(elsewhere), mode_t(0700));
    EXPECT_EQ(DefaultList(elsewhere), QString());
}

TEST_F(DataFolderTest, AFileMadeLaterByOneUserIsWritableByAnother)
{
    PREPKIT_REQUIRE_ROOT();
    CDataFolder folder;
    ASSERT_TRUE(folder.Create(QStringLiteral("Veldra2")));
    const QString file = folder.Path() + QStringLiteral("/Mask/made-by-nobody.vls");
    // The strictest umask a user might have; the default list overrides it.
    ASSERT_EQ(RunAs(65534, QStringLiteral("umask 077 && mkdir '%1/Mask' && echo first > '%2'").arg(folder.Path(), file)), 0);
    EXPECT_EQ(RunAs(54321, QStringLiteral("echo second >> '%1' && echo third > '%2/Mask/other.vls'").arg(file, folder.Path())), 0);
    EXPECT_EQ(ReadFile(file), QByteArray("first\nsecond\n"));
    EXPECT_EQ(Mode(file), mode_t(0666));
}

TEST(AccessAttributesTest, RightsAreOnlyAddedAndNeverThroughALink)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    CAccessAttributes full;
    CAccessAttributes readExecute;
    ASSERT_TRUE(full.Build(CAccessAttributes::fullControlMask));
    ASSERT_TRUE(readExecute.Build(CAccessAttributes::readExecuteMask));

    const QString data = root.filePath(QStringLiteral("data.vls"));
    const QString program = root.filePath(QStringLiteral("tool"));
    ASSERT_TRUE(WriteFile(data) && WriteFile(program));
    ::chmod(QFile::encodeName(data).constData(), 0620);
    ::chmod(QFile::encodeName(program).constData(), 0700);
    EXPECT_TRUE(readExecute.GrantTo(data));
    EXPECT_EQ(Mode(data), mode_t(0664)); // read added, write kept, no execute
    EXPECT_TRUE(readExecute.GrantTo(program));
    EXPECT_EQ(Mode(program), mode_t(0755));
    EXPECT_TRUE(full.GrantTo(data));
    EXPECT_EQ(Mode(data), mode_t(0666));

    const QString link = root.filePath(QStringLiteral("link"));
    const QString target = root.filePath(QStringLiteral("target"));
    ASSERT_TRUE(WriteFile(target) && QFile::link(target, link));
    ::chmod(QFile::encodeName(target).constData(), 0600);
    EXPECT_FALSE(full.GrantTo(link));
    EXPECT_EQ(Mode(target), mode_t(0600));
    EXPECT_FALSE(full.GrantTo(root.filePath(QStringLiteral("missing"))));
}

TEST_F(DataFolderTest, TheProgramKeepsItsLibrariesInTheDataFolder)
{
    CVeldraApp app;
    app.Startup();
    EXPECT_EQ(app.DataFolder(), DataFolder());
    EXPECT_EQ(DefaultList(DataFolder()), everyoneList);
    EXPECT_EQ(app.LibraryFolder(CLibraryModel::material), DataFolder() + QStringLiteral("/Mask"));
    EXPECT_EQ(app.LibraryFolder(CLibraryModel::frame), DataFolder() + QStringLiteral("/Frame"));
    EXPECT_EQ(app.LibraryFolder(CLibraryModel::symbol), DataFolder() + QStringLiteral("/Symbol"));
}
