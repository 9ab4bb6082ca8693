#include "PrepkitTestSupport.h"

#include <QFile>
#include <QProcess>

#include <sys/resource.h>

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
    CommandRun Prepkit(const QStringList& arguments, int openFileLimit = 0)
    {
        QProcess process;
        if (openFileLimit > 0)
            process.setChildProcessModifier([openFileLimit] {
                struct rlimit limit {};
                ::getrlimit(RLIMIT_NOFILE, &limit);
                limit.rlim_cur = rlim_t(openFileLimit);
                ::setrlimit(RLIMIT_NOFILE, &limit);
            });
        process.start(QStringLiteral(PREPKIT_COMMAND_PATH), arguments);
        process.waitForFinished(60000);
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
                process.readAllStandardError()};
    }
};

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
    EXPECT_EQ(Prepkit({QStringLiteral("--grant"), Path(QStringLiteral("missing"))}).exitCode, 1);
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
