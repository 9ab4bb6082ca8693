#include "PrepkitTestSupport.h"

#include "CPrepkit.h"

#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>

using namespace PrepkitTest;

namespace {

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

TEST_F(DoItTest, AFileThatCannotBeCopiedStopsItsFolderOnlyAndDoItStillSucceeds)
{
    ASSERT_TRUE(Install({QStringLiteral("Symbol/a.vls"), QStringLiteral("Symbol/b.vls"), QStringLiteral("Symbol/c.vls"),
                         QStringLiteral("z.txt")}));
    // Keep the modification time of a.vls old, as the library index saw it.
    const struct timespec old[2] = {{1000000000, 0}, {1000000000, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(Installed(QStringLiteral("Symbol/a.vls"))).constData(), old, 0), 0);
    ASSERT_TRUE(QDir().mkpath(Moved(QStringLiteral("Symbol/b.vls"))));

    // The root given with a trailing slash works as without it.
    EXPECT_TRUE(Run(Path(QStringLiteral("inst/"))));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], Installed(QStringLiteral("Symbol/b.vls")).toStdString() + "->"
                               + Moved(QStringLiteral("Symbol/b.vls")).toStdString() + "\nIs a directory");
    EXPECT_EQ(ReadFile(Moved(QStringLiteral("Symbol/a.vls"))), QByteArray("Symbol/a.vls"));
    EXPECT_FALSE(Exists(Installed(QStringLiteral("Symbol/a.vls"))));
    struct stat status {};
    ::stat(QFile::encodeName(Moved(QStringLiteral("Symbol/a.vls"))).constData(), &status);
    EXPECT_EQ(status.st_mtim.tv_sec, 1000000000);
    for (const QString& left : {QStringLiteral("Symbol/b.vls"), QStringLiteral("Symbol/c.vls")})
        EXPECT_EQ(ReadFile(Installed(left)), left.toUtf8());
    EXPECT_FALSE(Exists(Moved(QStringLiteral("Symbol/c.vls"))));
    // The level above goes on.
    EXPECT_EQ(ReadFile(Moved(QStringLiteral("z.txt"))), QByteArray("z.txt"));
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

    EXPECT_TRUE(Run(Path(QStringLiteral("inst"))));
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
    ASSERT_TRUE(Install({QStringLiteral("readme.txt"), QStringLiteral("Mask/a.vls")}));

    EXPECT_TRUE(Run(Path(QStringLiteral("inst"))));
    EXPECT_EQ(ReadFile(Path(QStringLiteral("outside/passwd"))), QByteArray("root:x:0:0"));
    EXPECT_TRUE(QDir(Path(QStringLiteral("outside/etc"))).isEmpty());
    EXPECT_EQ(ReadFile(Installed(QStringLiteral("readme.txt"))), QByteArray("readme.txt"));
    EXPECT_EQ(ReadFile(Installed(QStringLiteral("Mask/a.vls"))), QByteArray("Mask/a.vls"));
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
    EXPECT_TRUE(QDir(Path(QStringLiteral("outside/etc"))).isEmpty());
    EXPECT_TRUE(Exists(Installed(QStringLiteral("readme.txt"))));
}
