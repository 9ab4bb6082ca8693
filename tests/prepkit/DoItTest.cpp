#include "PrepkitTestSupport.h"

#include "CPrepkit.h"

#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <vector>

using namespace PrepkitTest;

namespace {

// Leaves this process only a few free file handles while it lives. The limit
// caps descriptor numbers, and some in use may lie high (inherited ones), so
// it goes where just `spare` numbers below it are free.
class FewFileHandles
{
public:
    explicit FewFileHandles(int spare)
    {
        ::getrlimit(RLIMIT_NOFILE, &m_saved);
        std::vector<int> open;
        for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd"))
            open.push_back(std::stoi(entry.path().filename().string()));
        int limit = spare;
        while (limit - std::count_if(open.begin(), open.end(), [limit](int fd) { return fd < limit; }) < spare)
            ++limit;
        struct rlimit lowered = m_saved;
        lowered.rlim_cur = rlim_t(limit);
        ::setrlimit(RLIMIT_NOFILE, &lowered);
    }
    ~FewFileHandles() { ::setrlimit(RLIMIT_NOFILE, &m_saved); }
    FewFileHandles(const FewFileHandles&) = delete;
    FewFileHandles& operator=(const FewFileHandles&) = delete;

private:
    struct rlimit m_saved {};
};

class DoItTest : public Fixture
{
protected:
    QString Installed(const QString& relative) const { return Path(QStringLiteral("inst/") + relative); }
    QString Moved(const QString& relative) const { return DataFolder() + u'/' + relative; }
    bool Install(const QStringList& files)
    {
        for (const QString& file : files)
            if (!WriteFile(Installed(file), file.toUtf8()))
                return false;
        return true;
    }
    bool Run(const QString& root) { return CPrepkit(Sink()).DoIt(QFile::encodeName(root).constData()); }
    // Hands a folder and everything in it to another user.
    static bool GiveTo(const QString& folder, int userId)
    {
        bool given = ::chown(QFile::encodeName(folder).constData(), uid_t(userId), gid_t(userId)) == 0;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(QFile::encodeName(folder).toStdString()))
            given = given && ::lchown(entry.path().c_str(), uid_t(userId), gid_t(userId)) == 0;
        return given;
    }
};

} // namespace

TEST_F(DoItTest, EverythingButProgramsHelpAndTheFoldersThatBelongToTheInstallationMoves)
{
    const QStringList staying{
        QStringLiteral("Program/veldra2"), QStringLiteral("PROGRAM/notes.txt"), QStringLiteral("samples/plate.vlz"),
        QStringLiteral("setup.exe"),       QStringLiteral("help.chm.bak"),      QStringLiteral("tools.exe.old"),
        QStringLiteral("UNINST.ISU"),      QStringLiteral("Frame/frames.chm"),
    };
    const QStringList moving{
        QStringLiteral("Mask/round.vls"),  QStringLiteral("Mask/index.vli"), QStringLiteral("Mask/Old/square.vls"),
        QStringLiteral("Programs/a.txt"),  QStringLiteral("Frame/oval.vls"), QStringLiteral("uninst.isu.txt"),
        // The program and help parts are looked for as written.
        QStringLiteral("README.EXE"),
    };
    ASSERT_TRUE(Install(staying + moving));

    EXPECT_TRUE(Run(Path(QStringLiteral("inst"))));
    EXPECT_TRUE(messages.empty());
    for (const QString& file : staying) {
        EXPECT_EQ(ReadFile(Installed(file)), file.toUtf8()) << file.toStdString();
        EXPECT_FALSE(Exists(Moved(file))) << file.toStdString();
    }
    for (const QString& file : moving) {
        EXPECT_FALSE(Exists(Installed(file))) << file.toStdString();
        EXPECT_EQ(ReadFile(Moved(file)), file.toUtf8()) << file.toStdString();
    }
    // Emptied folders go; one with something left in it stays.
    EXPECT_FALSE(Exists(Installed(QStringLiteral("Mask"))));
    EXPECT_TRUE(IsFolder(Installed(QStringLiteral("Frame"))));
}

TEST_F(DoItTest, AFileThatCannotBeCopiedIsReportedTheRestOfItsFolderMovesAndDoItFails)
{
    ASSERT_TRUE(Install({QStringLiteral("Symbol/a.vls"), QStringLiteral("Symbol/b.vls"), QStringLiteral("Symbol/c.vls"),
                         QStringLiteral("z.txt")}));
    // Keep the modification time of a.vls old, as the library index saw it.
    const struct timespec old[2] = {{1000000000, 0}, {1000000000, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(Installed(QStringLiteral("Symbol/a.vls"))).constData(), old, 0), 0);
    ASSERT_TRUE(QDir().mkpath(Moved(QStringLiteral("Symbol/b.vls"))));

    // The root given with a trailing slash works as without it.
    EXPECT_FALSE(Run(Path(QStringLiteral("inst/"))));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], Installed(QStringLiteral("Symbol/b.vls")).toStdString() + "->"
                               + Moved(QStringLiteral("Symbol/b.vls")).toStdString() + "\nIs a directory");
    EXPECT_EQ(ReadFile(Installed(QStringLiteral("Symbol/b.vls"))), QByteArray("Symbol/b.vls"));
    EXPECT_TRUE(IsFolder(Moved(QStringLiteral("Symbol/b.vls"))));
    for (const QString& moved : {QStringLiteral("Symbol/a.vls"), QStringLiteral("Symbol/c.vls"), QStringLiteral("z.txt")}) {
        EXPECT_EQ(ReadFile(Moved(moved)), moved.toUtf8()) << moved.toStdString();
        EXPECT_FALSE(Exists(Installed(moved))) << moved.toStdString();
    }
    struct stat status {};
    ::stat(QFile::encodeName(Moved(QStringLiteral("Symbol/a.vls"))).constData(), &status);
    EXPECT_EQ(status.st_mtim.tv_sec, 1000000000);
}

TEST_F(DoItTest, AFolderThatCannotBeOpenedForWantOfFileHandlesIsNotTakenForEmpty)
{
    const QString deep = QStringLiteral("Mask/") + QStringLiteral("d/").repeated(40) + QStringLiteral("deep.vls");
    ASSERT_TRUE(Install({deep, QStringLiteral("Mask/top.vls"), QStringLiteral("z.vls")}));
    {
        // Each level holds its source and destination folder open.
        const FewFileHandles limit(16);
        EXPECT_FALSE(Run(Path(QStringLiteral("inst"))));
    }
    ASSERT_FALSE(messages.empty());
    for (const std::string& message : messages)
        EXPECT_EQ(message.rfind(Native(QStringLiteral("inst/Mask/d/")), 0), 0u) << message;
    EXPECT_TRUE(std::any_of(messages.begin(), messages.end(), [](const std::string& message) {
        return message.ends_with("\nToo many open files");
    }));
    EXPECT_EQ(ReadFile(Installed(deep)), deep.toUtf8());
    EXPECT_FALSE(Exists(Moved(deep)));
    EXPECT_EQ(ReadFile(Moved(QStringLiteral("Mask/top.vls"))), QByteArray("Mask/top.vls"));
    EXPECT_EQ(ReadFile(Moved(QStringLiteral("z.vls"))), QByteArray("z.vls"));

    // With handles enough, a second run takes what was left.
    messages.clear();
    EXPECT_TRUE(Run(Path(QStringLiteral("inst"))));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(ReadFile(Moved(deep)), deep.toUtf8());
    EXPECT_FALSE(Exists(Installed(QStringLiteral("Mask"))));
}

TEST_F(DoItTest, ADataFolderInsideTheInstallationIsNotMovedIntoItself)
{
    qputenv("VELDRA2_DATA_DIR", QFile::encodeName(Installed(QStringLiteral("data"))));
    ASSERT_TRUE(Install({QStringLiteral("a.vls"), QStringLiteral("data/b.vls")}));
    EXPECT_TRUE(Run(Path(QStringLiteral("inst"))));
    EXPECT_EQ(ReadFile(Installed(QStringLiteral("data/a.vls"))), QByteArray("a.vls"));
    EXPECT_EQ(ReadFile(Installed(QStringLiteral("data/b.vls"))), QByteArray("data/b.vls"));
    EXPECT_FALSE(Exists(Installed(QStringLiteral("data/data"))));

    // The data folder as the root: every file stays as it is.
    EXPECT_TRUE(Run(Installed(QStringLiteral("data"))));
    EXPECT_EQ(ReadFile(Installed(QStringLiteral("data/a.vls"))), QByteArray("a.vls"));
}

TEST_F(DoItTest, NoRootOrNoFolderIsAFailureAndMovesNothing)
{
    EXPECT_FALSE(CPrepkit(Sink()).DoIt(nullptr));
    EXPECT_FALSE(Run(QString()));
    EXPECT_FALSE(Run(QStringLiteral("/")));
    EXPECT_EQ(messages, std::vector<std::string>(3, CPrepkit::noRootMessage));
    messages.clear();
    EXPECT_FALSE(Run(Path(QStringLiteral("missing"))));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], Native(QStringLiteral("missing")) + "\nNo such file or directory");
    EXPECT_FALSE(Exists(DataFolder()));
}

TEST_F(DoItTest, LinksInTheInstallationAreLeftAloneAndNothingOutsideIsTouched)
{
    ASSERT_TRUE(WriteFile(Path(QStringLiteral("outside/secret")), "secret"));
    ASSERT_TRUE(WriteFile(Path(QStringLiteral("outside/tree/file")), "file"));
    ASSERT_TRUE(WriteFile(Path(QStringLiteral("outside/linked")), "linked"));
    ASSERT_TRUE(Install({QStringLiteral("Mask/a.vls")}));
    ASSERT_TRUE(QFile::link(Path(QStringLiteral("outside/secret")), Installed(QStringLiteral("secret.vls"))));
    ASSERT_TRUE(QFile::link(Path(QStringLiteral("outside/tree")), Installed(QStringLiteral("Frame"))));
    ASSERT_EQ(::link(Native(QStringLiteral("outside/linked")).c_str(), Installed(QStringLiteral("linked.vls")).toUtf8().constData()), 0);

    // A file should have moved and did not: that is reported; a link is
    // neither file nor folder and stays by the rules.
    EXPECT_FALSE(Run(Path(QStringLiteral("inst"))));
    EXPECT_EQ(messages, std::vector<std::string>{Installed(QStringLiteral("linked.vls")).toStdString() + "->"
                                                 + Moved(QStringLiteral("linked.vls")).toStdString()
                                                 + "\nThe file has other names; it was left where it is"});
    EXPECT_TRUE(IsLink(Installed(QStringLiteral("secret.vls"))));
    EXPECT_TRUE(IsLink(Installed(QStringLiteral("Frame"))));
    EXPECT_TRUE(Exists(Installed(QStringLiteral("linked.vls"))));
    for (const QString& name : {QStringLiteral("secret.vls"), QStringLiteral("Frame"), QStringLiteral("linked.vls")})
        EXPECT_FALSE(Exists(Moved(name))) << name.toStdString();
    EXPECT_EQ(ReadFile(Path(QStringLiteral("outside/secret"))), QByteArray("secret"));
    EXPECT_EQ(ReadFile(Path(QStringLiteral("outside/tree/file"))), QByteArray("file"));
    EXPECT_EQ(Mode(Path(QStringLiteral("outside/linked"))) & 0002, mode_t(0));
    EXPECT_EQ(ReadFile(Moved(QStringLiteral("Mask/a.vls"))), QByteArray("Mask/a.vls"));
}

TEST_F(DoItTest, LinksPlantedInTheDataFolderAreNeverWrittenThrough)
{
    ASSERT_TRUE(WriteFile(Path(QStringLiteral("outside/passwd")), "root:x:0:0"));
    ASSERT_TRUE(QDir().mkpath(Path(QStringLiteral("outside/etc"))));
    ASSERT_TRUE(QDir().mkpath(DataFolder()));
    ASSERT_TRUE(QFile::link(Path(QStringLiteral("outside/passwd")), Moved(QStringLiteral("readme.txt"))));
    ASSERT_TRUE(QFile::link(Path(QStringLiteral("outside/etc")), Moved(QStringLiteral("Mask"))));
    ASSERT_TRUE(Install({QStringLiteral("readme.txt"), QStringLiteral("Mask/a.vls"), QStringLiteral("zz.txt")}));

    EXPECT_FALSE(Run(Path(QStringLiteral("inst"))));
    EXPECT_EQ(ReadFile(Path(QStringLiteral("outside/passwd"))), QByteArray("root:x:0:0"));
    EXPECT_TRUE(QDir(Path(QStringLiteral("outside/etc"))).isEmpty());
    EXPECT_EQ(ReadFile(Installed(QStringLiteral("readme.txt"))), QByteArray("readme.txt"));
    EXPECT_EQ(ReadFile(Installed(QStringLiteral("Mask/a.vls"))), QByteArray("Mask/a.vls"));
    // A refused name keeps only itself back.
    EXPECT_EQ(ReadFile(Moved(QStringLiteral("zz.txt"))), QByteArray("zz.txt"));
    EXPECT_EQ(messages, (std::vector<std::string>{
                            Installed(QStringLiteral("Mask")).toStdString() + "->" + Moved(QStringLiteral("Mask")).toStdString()
                                + "\nToo many levels of symbolic links",
                            Installed(QStringLiteral("readme.txt")).toStdString() + "->"
                                + Moved(QStringLiteral("readme.txt")).toStdString() + "\nToo many levels of symbolic links",
                        }));

    // A link in place of the data folder itself: nothing moves at all.
    messages.clear();
    ASSERT_TRUE(QFile::link(Path(QStringLiteral("outside/etc")), Path(QStringLiteral("planted"))));
    qputenv("VELDRA2_DATA_DIR", QFile::encodeName(Path(QStringLiteral("planted"))));
    EXPECT_FALSE(Run(Path(QStringLiteral("inst"))));
    EXPECT_EQ(messages, std::vector<std::string>{Native(QStringLiteral("planted"))
                                                 + "\nIt is a symbolic link; a data folder is never reached through one."});
    EXPECT_TRUE(QDir(Path(QStringLiteral("outside/etc"))).isEmpty());
    EXPECT_TRUE(Exists(Installed(QStringLiteral("readme.txt"))));
}

TEST_F(DoItTest, WithoutRootNothingMovesAndTheUsersOwnFolderIsNotOpened)
{
    PREPKIT_REQUIRE_ROOT();
    constexpr int nobody = 65534;
    // The machine folders' home belongs to root; the user's own data, and
    // the installation, to the user.
    const QString machineBase = Path(QStringLiteral("var"));
    const QString home = Path(QStringLiteral("home"));
    ASSERT_TRUE(QDir().mkpath(machineBase) && QDir().mkpath(home + QStringLiteral("/share")));
    ASSERT_TRUE(Install({QStringLiteral("Mask/a.vls"), QStringLiteral("b.vls")}));
    ASSERT_TRUE(GiveTo(home, nobody) && GiveTo(Path(QStringLiteral("inst")), nobody));
    ASSERT_EQ(::chmod(QFile::encodeName(home + QStringLiteral("/share")).constData(), 0700), 0);
    const std::string machine = QFile::encodeName(machineBase).toStdString() + "/Corvex KZ Corporation/Veldra2";

    const int status = RunForkedAs(nobody, [&] {
        // The data folder named from outside would hide the machine folder.
        qunsetenv("VELDRA2_DATA_DIR");
        qputenv("HOME", QFile::encodeName(home));
        qputenv("XDG_DATA_HOME", QFile::encodeName(home + QStringLiteral("/share")));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home + QStringLiteral("/config")));
        if (::access(QFile::encodeName(machineBase).constData(), W_OK) == 0)
            return 3; // not the case under test: the machine folder could be made
        CPrepkit prepkit(Sink());
        prepkit.SetMachineBase(machineBase);
        if (prepkit.DoIt(QFile::encodeName(Installed(QString())).constData()))
            return 1;
        return messages == std::vector<std::string>{machine + "\nIt cannot be made or written: Permission denied."
                                                                        " Prepkit must run as root."}
                   ? 0
                   : 2;
    });
    EXPECT_EQ(status, 0) << "1: DoIt succeeded, 2: other messages, 3: could make the machine folder, 125: still root";
    EXPECT_EQ(ReadFile(Installed(QStringLiteral("Mask/a.vls"))), QByteArray("Mask/a.vls"));
    EXPECT_EQ(ReadFile(Installed(QStringLiteral("b.vls"))), QByteArray("b.vls"));
    EXPECT_FALSE(Exists(machineBase + QStringLiteral("/Corvex KZ Corporation")));
    EXPECT_FALSE(Exists(home + QStringLiteral("/share/Corvex KZ Corporation")));
    EXPECT_EQ(Mode(home + QStringLiteral("/share")), mode_t(0700));
    EXPECT_EQ(DefaultList(home + QStringLiteral("/share")), QString());
}
