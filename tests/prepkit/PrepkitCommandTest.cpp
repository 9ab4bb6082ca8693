#include "PrepkitTestSupport.h"

#include "CFileHandle.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace PrepkitTest;

namespace {

struct CommandRun
{
    int exitCode = -1;
    QByteArray out;
    QByteArray error;
};

// The command goes through the shared library's exported entry points.
class PrepkitCommandTest : public Fixture
{
protected:
    // With a limit given, it runs with that many file handles, or with a
    // stack of that many KiB.
    CommandRun Prepkit(const QStringList& arguments, int openFileLimit = 0, int stackKiB = 0)
    {
        QProcess process;
        process.setChildProcessModifier([openFileLimit, stackKiB] {
            struct rlimit limit {};
            if (openFileLimit > 0) {
                ::getrlimit(RLIMIT_NOFILE, &limit);
                limit.rlim_cur = rlim_t(openFileLimit);
                // Root may raise the ceiling as well, for a deep tree.
                if (limit.rlim_max < limit.rlim_cur)
                    limit.rlim_max = limit.rlim_cur;
                ::setrlimit(RLIMIT_NOFILE, &limit);
            }
            if (stackKiB > 0) {
                ::getrlimit(RLIMIT_STACK, &limit);
                limit.rlim_cur = rlim_t(stackKiB) * 1024;
                ::setrlimit(RLIMIT_STACK, &limit);
            }
        });
        process.start(QStringLiteral(PREPKIT_COMMAND_PATH), arguments);
        process.waitForFinished(60000);
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
                process.readAllStandardError()};
    }
};

// A chain of `depth` folders named "d" in `folder`, the file "deep.vls" at
// its bottom. Made and taken apart one level at a time, so no path grows
// longer than the system takes.
bool MakeChain(const QString& folder, int depth)
{
    CFileHandle level(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    for (int i = 0; level && i < depth; ++i) {
        if (::mkdirat(level.Get(), "d", 0755) != 0)
            return false;
        level = CFileHandle(::openat(level.Get(), "d", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    }
    const CFileHandle file(level ? ::openat(level.Get(), "deep.vls", O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644) : -1);
    return file && ::write(file.Get(), "deep", 4) == 4;
}

// The chain's depth, -1 when it does not end in the file; removes it.
int TakeChainApart(const QString& folder)
{
    const CFileHandle top(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    int depth = 0;
    struct stat status {};
    // Lifts the folder two down to the top and drops the empty one between.
    while (top && ::fstatat(top.Get(), "d/d", &status, AT_SYMLINK_NOFOLLOW) == 0) {
        if (::renameat(top.Get(), "d/d", top.Get(), "up") != 0 || ::unlinkat(top.Get(), "d", AT_REMOVEDIR) != 0
            || ::renameat(top.Get(), "up", top.Get(), "d") != 0)
            return -1;
        ++depth;
    }
    if (!top || ::unlinkat(top.Get(), "d/deep.vls", 0) != 0 || ::unlinkat(top.Get(), "d", AT_REMOVEDIR) != 0)
        return -1;
    return depth + 1;
}

} // namespace

TEST_F(PrepkitCommandTest, ReportsOnStandardErrorAndThroughItsExitStatus)
{
    CommandRun run = Prepkit({});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.error, QByteArray("No root path name is specified.\n"));

    run = Prepkit({QStringLiteral("--help")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.startsWith("Usage: prepkit ROOT"));

    EXPECT_EQ(Prepkit({QStringLiteral("--frobnicate")}).exitCode, 2);
    EXPECT_EQ(Prepkit({QStringLiteral("--grant"), Path(QStringLiteral("a")), Path(QStringLiteral("b"))}).exitCode, 2);
}

TEST_F(PrepkitCommandTest, EveryFolderGrantCannotTakeIsRefusedWithItsReasonAndNothingOutsideChanges)
{
    ASSERT_TRUE(WriteFile(Path(QStringLiteral("outside/secret"))));
    ASSERT_EQ(::chmod(QFile::encodeName(Path(QStringLiteral("outside/secret"))).constData(), 0600), 0);
    ASSERT_TRUE(WriteFile(Path(QStringLiteral("tree/sub/file"))));
    ASSERT_TRUE(QFile::link(Path(QStringLiteral("outside")), Path(QStringLiteral("link"))));
    ASSERT_TRUE(QFile::link(Path(QStringLiteral("tree")), Path(QStringLiteral("tree-link"))));
    ASSERT_EQ(::mkfifo(QFile::encodeName(Path(QStringLiteral("fifo"))).constData(), 0600), 0);
    const std::string link = Path(QStringLiteral("link")).toStdString();
    const std::string linkAnywhere = "It is a symbolic link; Prepkit follows none.";
    const struct
    {
        QString folder;
        std::string error;
    } refused[] = {
        {Path(QStringLiteral("link")), link + "\n" + linkAnywhere},
        {Path(QStringLiteral("link/.")), link + "\n" + linkAnywhere},
        {Path(QStringLiteral("link/")), link + "\n" + linkAnywhere},
        {Path(QStringLiteral("tree-link/sub")), Path(QStringLiteral("tree-link")).toStdString() + "\n" + linkAnywhere},
        {Path(QStringLiteral("outside/secret")), Path(QStringLiteral("outside/secret")).toStdString() + "\nNot a directory"},
        {Path(QStringLiteral("fifo")), Path(QStringLiteral("fifo")).toStdString() + "\nNot a directory"},
        {Path(QStringLiteral("missing")), Path(QStringLiteral("missing")).toStdString() + "\nNo such file or directory"},
        {QString(), "No folder is named."},
        {QStringLiteral("/"), "/\nPrepkit does not open the whole system to every user."},
        {QStringLiteral("/."), "/.\nPrepkit does not open the whole system to every user."},
    };
    for (const auto& [folder, error] : refused) {
        const CommandRun run = Prepkit({QStringLiteral("--grant"), folder});
        EXPECT_EQ(run.exitCode, 1) << folder.toStdString();
        EXPECT_EQ(run.error.toStdString(), error + "\n") << folder.toStdString();
    }
    EXPECT_EQ(Mode(Path(QStringLiteral("outside/secret"))), mode_t(0600));

    // Out of file handles the tree is not taken for granted.
    ASSERT_TRUE(WriteFile(Path(QStringLiteral("tree/") + QStringLiteral("d/").repeated(40) + QStringLiteral("deep"))));
    const CommandRun starved = Prepkit({QStringLiteral("--grant"), Path(QStringLiteral("tree"))}, 24);
    EXPECT_EQ(starved.exitCode, 1);
    EXPECT_TRUE(starved.error.contains("Too many open files")) << starved.error.toStdString();

    // A file with another name is left as it is, and that fails the run.
    ASSERT_EQ(::link(QFile::encodeName(Path(QStringLiteral("outside/secret"))).constData(),
                     QFile::encodeName(Path(QStringLiteral("tree/sub/hard"))).constData()),
              0);
    const CommandRun hard = Prepkit({QStringLiteral("--grant"), Path(QStringLiteral("tree"))});
    EXPECT_EQ(hard.exitCode, 1);
    EXPECT_EQ(hard.error.toStdString(), Path(QStringLiteral("tree/sub/hard")).toStdString()
                                            + "\nThe file has other names; its rights were left as they are.\n");
    EXPECT_EQ(Mode(Path(QStringLiteral("outside/secret"))), mode_t(0600));
    EXPECT_EQ(Mode(Path(QStringLiteral("tree/sub/file"))), mode_t(0666));
}

TEST_F(PrepkitCommandTest, MovesAnInstallationAndGrantsAFolder)
{
    ASSERT_TRUE(WriteFile(Path(QStringLiteral("inst/Mask/a.vls")), "a"));
    ASSERT_TRUE(WriteFile(Path(QStringLiteral("inst/Mask/b.vls")), "b"));
    ASSERT_TRUE(WriteFile(Path(QStringLiteral("inst/Mask/c.vls")), "c"));
    ASSERT_TRUE(WriteFile(Path(QStringLiteral("data/Mask/b.vls/in-the-way")), "x"));

    // What could not move is named and fails the run; the rest moves.
    const CommandRun run = Prepkit({Path(QStringLiteral("inst"))});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.error, Path(QStringLiteral("inst/Mask/b.vls")).toUtf8() + "->" + Path(QStringLiteral("data/Mask/b.vls")).toUtf8()
                             + "\nIs a directory\n");
    EXPECT_EQ(ReadFile(DataFolder() + QStringLiteral("/Mask/a.vls")), QByteArray("a"));
    EXPECT_EQ(ReadFile(DataFolder() + QStringLiteral("/Mask/c.vls")), QByteArray("c"));
    EXPECT_EQ(ReadFile(Path(QStringLiteral("inst/Mask/b.vls"))), QByteArray("b"));

    ASSERT_TRUE(WriteFile(Path(QStringLiteral("tree/file"))));
    ASSERT_EQ(::chmod(QFile::encodeName(Path(QStringLiteral("tree/file"))).constData(), 0600), 0);
    EXPECT_EQ(Prepkit({QStringLiteral("--grant"), Path(QStringLiteral("tree"))}).exitCode, 0);
    EXPECT_EQ(Mode(Path(QStringLiteral("tree/file"))), mode_t(0666));
}

TEST_F(PrepkitCommandTest, ADeepTreeWithTooFewFileHandlesFailsTheRun)
{
    const QString deep = QStringLiteral("inst/Mask/") + QStringLiteral("d/").repeated(40) + QStringLiteral("deep.vls");
    ASSERT_TRUE(WriteFile(Path(deep), "deep"));

    const CommandRun run = Prepkit({Path(QStringLiteral("inst"))}, 24);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.error.contains("\nToo many open files\n")) << run.error.toStdString();
    EXPECT_EQ(ReadFile(Path(deep)), QByteArray("deep"));
}

TEST_F(PrepkitCommandTest, GrantWithoutAFolderMakesTheDataFolderAndMovesNothing)
{
    // What a package's install script runs: the data folder appears (or is
    // kept, with what users put in it), open to every user; nothing else moves.
    ASSERT_TRUE(WriteFile(DataFolder() + QStringLiteral("/Symbol/mine.vls"), "kept"));
    ASSERT_EQ(::chmod(QFile::encodeName(DataFolder() + QStringLiteral("/Symbol/mine.vls")).constData(), 0600), 0);
    const CommandRun run = Prepkit({QStringLiteral("--grant")});
    EXPECT_EQ(run.exitCode, 0) << run.error.toStdString();
    EXPECT_EQ(run.out, DataFolder().toUtf8() + "\n");
    EXPECT_EQ(ReadFile(DataFolder() + QStringLiteral("/Symbol/mine.vls")), QByteArray("kept"));
    EXPECT_EQ(Mode(DataFolder() + QStringLiteral("/Symbol/mine.vls")), mode_t(0666));

    // A data folder that cannot be made fails the run and says where.
    ASSERT_TRUE(WriteFile(Path(QStringLiteral("blocked")), "a file"));
    qputenv("VELDRA2_DATA_DIR", QFile::encodeName(Path(QStringLiteral("blocked/Veldra2"))));
    const CommandRun blocked = Prepkit({QStringLiteral("--grant")});
    EXPECT_EQ(blocked.exitCode, 1);
    EXPECT_TRUE(blocked.error.contains("The data folder could not be made.")) << blocked.error.toStdString();
}

// A tree deeper than the stack has room for, which the walk must not take
// levels from: the stack is made small (256 KiB), so that a tree a few
// thousand levels deep, whose open folders fit the file handles, shows it.
TEST_F(PrepkitCommandTest, ATreeDeeperThanTheStackHasRoomForMovesWhole)
{
    constexpr int depth = 3000;
    ASSERT_TRUE(QDir().mkpath(Path(QStringLiteral("inst/Mask"))));
    ASSERT_TRUE(MakeChain(Path(QStringLiteral("inst/Mask")), depth));

    // Every level holds its two folders open while the levels below move.
    const CommandRun run = Prepkit({Path(QStringLiteral("inst"))}, 3 * depth, 256);
    EXPECT_EQ(run.exitCode, 0) << run.error.right(300).toStdString();
    EXPECT_FALSE(Exists(Path(QStringLiteral("inst/Mask"))));
    EXPECT_EQ(TakeChainApart(DataFolder() + QStringLiteral("/Mask")), depth);
    // What stays behind when the run fails must not be left to the test's clean-up.
    TakeChainApart(Path(QStringLiteral("inst/Mask")));
}
