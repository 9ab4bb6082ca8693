// The recovery folder: what an autosave writes (the bytes Save writes,
// never to the user's file), what a program that ends without exiting
// leaves for the next start, what a running one keeps to itself, and
// writes that fail.
#include "ScratchDisk.h"
#include "TestFiles.h"
#include "SampleLayout.h"

#include "app/recovery/CAutosaver.h"
#include "app/recovery/CRecoverySession.h"
#include "app/recovery/CRecoveryStore.h"
#include "document/CDocumentFile.h"
#include "document/CPictureCommands.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

namespace {

QByteArray SavedBytes(CVeldraDoc& doc, const QString& path)
{
    const bool modified = doc.IsModified();
    EXPECT_TRUE(CDocumentFile::Save(doc, path).ok);
    doc.SetModifiedFlag(modified);
    return ReadFileBytes(path);
}

struct RecoveryFixture : ::testing::Test
{
    QTemporaryDir dir;
    CRecoveryStore store{dir.filePath(QStringLiteral("state/recovery"))};
    CVeldraDoc doc;

    void SetUp() override
    {
        MakeSampleLayout(doc);
        doc.SetModifiedFlag(true);
    }

    CAutosaver::Sources Sources(const QString& title, const QString& path) const
    {
        return {[] { return 5; }, [title] { return title; }, [path] { return path; }};
    }

    // A program that writes its recovery file and then ends without exiting
    // (as a crash or a power cut ends it): nothing of it cleans up.
    QString CrashedProgram(const QString& title, const QString& path)
    {
        const pid_t child = fork();
        if (child == 0) {
            CRecoverySession* session = new CRecoverySession(store);
            _exit(session->Write(doc, title, path) ? 0 : 1);
        }
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        const QList<CRecoveryStore::Entry> orphans = store.Orphans();
        return orphans.isEmpty() ? QString() : orphans.front().id;
    }
};

} // namespace

TEST_F(RecoveryFixture, AnAutosaveWritesWhatSaveWritesAndNotToTheUsersFile)
{
    const QString user = dir.filePath(QStringLiteral("plate.vlz"));
    const QByteArray original = SavedBytes(doc, user);
    CPictureCommands::Invert(doc);
    ASSERT_TRUE(doc.IsModified());

    CRecoverySession session(store);
    ASSERT_TRUE(session.IsReady());
    CAutosaver autosaver(doc, session, Sources(QStringLiteral("plate.vlz"), user));
    ASSERT_TRUE(autosaver.Tick());
    EXPECT_EQ(ReadFileBytes(store.DocumentFile(session.Id())), SavedBytes(doc, dir.filePath(QStringLiteral("now.vlz"))));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(ReadFileBytes(user), original);
    EXPECT_EQ(QFileInfo(store.Folder()).permissions() & 0x0077, 0) << "the folder is the user's alone";

    // Saved: the next tick drops what was kept; so does Settled at once.
    doc.SetModifiedFlag(false);
    ASSERT_TRUE(autosaver.Tick());
    EXPECT_FALSE(QFile::exists(store.DocumentFile(session.Id())));
    doc.SetModifiedFlag(true);
    autosaver.Tick();
    autosaver.Settled();
    EXPECT_FALSE(session.HasKept());
}

TEST_F(RecoveryFixture, OnlyProgramsThatAreGoneLeaveSomethingToRecover)
{
    {
        CRecoverySession running(store);
        ASSERT_TRUE(running.Write(doc, QStringLiteral("Untitled"), QString()));
        // Another program is running: its file is not ours to offer.
        EXPECT_TRUE(store.Orphans().isEmpty());
    }
    // A clean exit leaves nothing at all.
    EXPECT_TRUE(QDir(store.Folder()).entryList(QDir::Files).isEmpty());

    const QString id = CrashedProgram(QStringLiteral("plate.vlz"), QStringLiteral("/home/user/plate.vlz"));
    ASSERT_FALSE(id.isEmpty());
    const QList<CRecoveryStore::Entry> orphans = store.Orphans();
    ASSERT_EQ(orphans.size(), 1);
    EXPECT_EQ(orphans[0].title, "plate.vlz");
    EXPECT_EQ(orphans[0].originalPath, "/home/user/plate.vlz");
    EXPECT_LE(orphans[0].time.secsTo(QDateTime::currentDateTimeUtc()), 60);
    EXPECT_EQ(ReadFileBytes(store.DocumentFile(id)), SavedBytes(doc, dir.filePath(QStringLiteral("now.vlz"))));
    EXPECT_TRUE(store.Discard(id));
    EXPECT_TRUE(store.Orphans().isEmpty());
    EXPECT_TRUE(QDir(store.Folder()).entryList(QDir::Files).isEmpty());
}

// A program killed before it kept anything leaves only its lock: pruned
// once it is a minute old, never while its program may still be starting.
TEST_F(RecoveryFixture, StaleLocksAreRemoved)
{
    const pid_t child = fork();
    if (child == 0) {
        new CRecoverySession(store);
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    CRecoverySession running(store);
    QStringList locks = QDir(store.Folder()).entryList({"*.lock"}, QDir::Files);
    ASSERT_EQ(locks.size(), 2);
    store.PruneStaleLocks();
    EXPECT_EQ(QDir(store.Folder()).entryList({"*.lock"}, QDir::Files).size(), 2);
    for (const QString& lock : locks) {
        QFile file(store.Folder() + "/" + lock);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        file.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-120), QFileDevice::FileModificationTime);
    }
    store.PruneStaleLocks();
    EXPECT_EQ(QDir(store.Folder()).entryList({"*.lock"}, QDir::Files), QStringList({running.Id() + ".lock"}));
}

TEST(RecoveryStore, InfoKeepsAnyTitleAndPath)
{
    const CRecoveryStore::Entry entry{"1-2", "a=b\nc%", "/x/y z/ä=.vlz", QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5), Qt::UTC)};
    CRecoveryStore::Entry read;
    ASSERT_TRUE(CRecoveryStore::ParseInfo(CRecoveryStore::InfoText(entry), read));
    EXPECT_EQ(read.title, entry.title);
    EXPECT_EQ(read.originalPath, entry.originalPath);
    EXPECT_EQ(read.time, entry.time);
    EXPECT_FALSE(CRecoveryStore::ParseInfo("title=x\n", read));
}

// An autosave that cannot write keeps the last complete pair and leaves
// the layout as modified as it was: a full disk, a read-only folder and a
// folder where the recovery file would go.
TEST_F(RecoveryFixture, AFailedAutosaveKeepsTheLastOne)
{
    VELDRA_REQUIRE_ROOT();
    ScratchDisk disk(1024);
    ASSERT_TRUE(disk.IsMounted());
    CRecoveryStore onDisk(disk.Path(QStringLiteral("recovery")));
    CRecoverySession session(onDisk);
    ASSERT_TRUE(session.IsReady());
    CAutosaver autosaver(doc, session, Sources(QStringLiteral("plate.vlz"), QString()));
    ASSERT_TRUE(autosaver.Tick());
    const QByteArray kept = ReadFileBytes(onDisk.DocumentFile(session.Id()));
    const QByteArray info = ReadFileBytes(onDisk.InfoFile(session.Id()));

    CPictureCommands::Invert(doc);
    disk.Fill();
    EXPECT_FALSE(autosaver.Tick());
    EXPECT_FALSE(autosaver.LastError().isEmpty());
    EXPECT_EQ(ReadFileBytes(onDisk.DocumentFile(session.Id())), kept);
    EXPECT_EQ(ReadFileBytes(onDisk.InfoFile(session.Id())), info);
    EXPECT_TRUE(doc.IsModified());

    // A folder that cannot be written: autosave is off and says why.
    ScratchDisk readOnly(64);
    ASSERT_TRUE(readOnly.MakeReadOnly());
    CRecoverySession refused(CRecoveryStore(readOnly.Path(QStringLiteral("recovery"))));
    EXPECT_FALSE(refused.IsReady());
    CAutosaver off(doc, refused, Sources(QStringLiteral("plate.vlz"), QString()));
    EXPECT_FALSE(off.Tick());
    EXPECT_TRUE(off.LastError().contains(readOnly.Path(QStringLiteral("recovery"))));

    QTemporaryDir other;
    CRecoveryStore blocked(other.filePath(QStringLiteral("recovery")));
    CRecoverySession blockedSession(blocked);
    ASSERT_TRUE(QDir().mkpath(blocked.DocumentFile(blockedSession.Id())));
    QString error;
    EXPECT_FALSE(blockedSession.Write(doc, QStringLiteral("x"), QString(), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(QFileInfo(blocked.DocumentFile(blockedSession.Id())).isDir());
}

TEST(Autosaver, TheIntervalIsTheUsersMinutesOrTheTestsSeconds)
{
    qunsetenv("VELDRA2_AUTOSAVE_SECONDS");
    EXPECT_EQ(CAutosaver::IntervalMs(5), 300000);
    EXPECT_EQ(CAutosaver::IntervalMs(0), 0);
    qputenv("VELDRA2_AUTOSAVE_SECONDS", "2");
    EXPECT_EQ(CAutosaver::IntervalMs(0), 2000);
    qunsetenv("VELDRA2_AUTOSAVE_SECONDS");
}
