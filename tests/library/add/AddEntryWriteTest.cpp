#include "AddTestSupport.h"
#include "DialogDriver.h"
#include "ScratchDisk.h"

#include "library/CLibraryModel.h"
#include "library/add/CAddEntry.h"

#include <QFile>

using namespace AddTest;
namespace ids = AddControlIds;

namespace {

struct AddEntryWrite : Fixture
{
    QString picture;

    void SetUp() override { picture = PictureFile(QStringLiteral("gear.bmp"), Photo(40, 30)); }

    // Runs Add Symbol on the picture into folder, types name and presses Add
    // once. The messages shown, and whether the dialog was still open.
    struct Outcome
    {
        bool added = false;
        bool stayedOpen = false;
        QStringList messages;
    };
    Outcome AddAs(const QString& folder, const QString& name, int kind = CLibraryModel::symbol)
    {
        Outcome outcome;
        DialogDriver driver;
        driver.Then([&](QDialog& dialog) {
            EXPECT_TRUE(Activate(dialog));
            Type(Edit(dialog, ids::name), name);
            ClickAdd(dialog);
            outcome.stayedOpen = dialog.isVisible() && dialog.result() != QDialog::Accepted;
            if (outcome.stayedOpen)
                dialog.reject();
        });
        outcome.added = CAddEntry::OpenAddDialog(kind, picture, doc, settings, folder, {}, nullptr);
        EXPECT_EQ(driver.ActsLeft(), 0);
        outcome.messages = driver.Messages();
        return outcome;
    }
    void ExpectRefused(const Outcome& outcome, const QString& why)
    {
        EXPECT_FALSE(outcome.added);
        EXPECT_TRUE(outcome.stayedOpen);
        ASSERT_EQ(outcome.messages.size(), 1);
        EXPECT_TRUE(outcome.messages[0].contains(why, Qt::CaseInsensitive)) << outcome.messages[0].toStdString();
    }
};

} // namespace

TEST_F(AddEntryWrite, AnUnreadablePictureSaysSoAndOpensNoDialog)
{
    const QString damaged = pictures.filePath(QStringLiteral("notes.bmp"));
    {
        QFile file(damaged);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("BM this is no picture");
    }
    for (const int kind : {CLibraryModel::material, CLibraryModel::frame, CLibraryModel::symbol}) {
        DialogDriver driver;
        driver.Then([](QDialog& dialog) { dialog.accept(); });
        EXPECT_FALSE(CAddEntry::OpenAddDialog(kind, damaged, doc, settings, library.path(), {}, nullptr));
        EXPECT_EQ(driver.ActsLeft(), 1);
        ASSERT_EQ(driver.Messages().size(), 1);
        EXPECT_TRUE(driver.Messages()[0].endsWith(QStringLiteral("Unexpected file format.")));
    }
    EXPECT_TRUE(Files(library.path()).isEmpty());
}

TEST_F(AddEntryWrite, TheEntryPointWritesTheTypedNameAndCancelWritesNothing)
{
    const Outcome added = AddAs(library.path(), QStringLiteral("Gear wheel"), CLibraryModel::frame);
    EXPECT_TRUE(added.added);
    EXPECT_TRUE(added.messages.isEmpty());
    ASSERT_TRUE(ReadEntry(QStringLiteral("Gear wheel")));
    EXPECT_EQ(ReadEntry(QStringLiteral("Gear wheel"))->m_dwFlags, 592u);

    DialogDriver driver;
    driver.Then([](QDialog& dialog) { dialog.reject(); });
    EXPECT_FALSE(CAddEntry::OpenAddDialog(CLibraryModel::material, picture, doc, settings, library.path(), {}, nullptr));
    EXPECT_EQ(Files(library.path()), QStringList{QStringLiteral("Gear wheel.vls")});
}

TEST_F(AddEntryWrite, NamesNoEntryCouldBeListedUnderAreRefused)
{
    ASSERT_TRUE(QDir(library.path()).mkdir(QStringLiteral("sub")));
    ExpectRefused(AddAs(library.path(), QStringLiteral("sub/gear")), QStringLiteral("\"/\""));
    ExpectRefused(AddAs(library.path(), QStringLiteral("歯車")), QStringLiteral("歯車"));
    ExpectRefused(AddAs(library.path(), QString()), QStringLiteral("name"));
    ExpectRefused(AddAs(library.path(), QStringLiteral(".gear")), QStringLiteral("\".\""));
    EXPECT_EQ(Files(library.path()), QStringList{QStringLiteral("sub")});
    EXPECT_TRUE(Files(library.filePath(QStringLiteral("sub"))).isEmpty());
}

TEST_F(AddEntryWrite, WhatIsAlreadyThereUnderTheNameIsNeverReplaced)
{
    ASSERT_TRUE(QDir(library.path()).mkdir(QStringLiteral("folder.vls")));
    ASSERT_TRUE(ScratchDisk::MakeFifo(library.filePath(QStringLiteral("pipe.vls"))));
    ASSERT_TRUE(QFile::link(library.filePath(QStringLiteral("nowhere")), library.filePath(QStringLiteral("link.vls"))));
    {
        QFile file(library.filePath(QStringLiteral("Upper.VLS")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    for (const QString& name : {QStringLiteral("folder"), QStringLiteral("pipe"), QStringLiteral("link"),
                                QStringLiteral("Upper")})
        ExpectRefused(AddAs(library.path(), name), QStringLiteral("File already exists"));
    EXPECT_EQ(Files(library.path()), (QStringList{QStringLiteral("Upper.VLS"), QStringLiteral("folder.vls"),
                                                  QStringLiteral("link.vls"), QStringLiteral("pipe.vls")}));
}

TEST_F(AddEntryWrite, AMissingFolderKeepsTheDialogOpenAndSaysWhy)
{
    const QString missing = library.filePath(QStringLiteral("Symbol"));
    ExpectRefused(AddAs(missing, QStringLiteral("gear")), QStringLiteral("gear.vls"));
    EXPECT_FALSE(QFileInfo::exists(missing));
}

TEST_F(AddEntryWrite, AReadOnlyFolderOrAFullDiskKeepsTheDialogOpenAndLeavesNoFileBehind)
{
    VELDRA_REQUIRE_ROOT();
    {
        ScratchDisk disk(64);
        ASSERT_TRUE(disk.IsMounted());
        ASSERT_TRUE(disk.MakeReadOnly());
        ExpectRefused(AddAs(disk.Path({}), QStringLiteral("gear")), QStringLiteral("read-only"));
        EXPECT_TRUE(Files(disk.Path({})).isEmpty());
    }
    ScratchDisk disk(64);
    ASSERT_TRUE(disk.IsMounted());
    disk.Fill();
    ExpectRefused(AddAs(disk.Path({}), QStringLiteral("gear")), QStringLiteral("space"));
    EXPECT_EQ(Files(disk.Path({})), QStringList{QStringLiteral("filler")});
    // With room again, the entry goes in.
    ASSERT_TRUE(QFile::remove(disk.Path(QStringLiteral("filler"))));
    EXPECT_TRUE(AddAs(disk.Path({}), QStringLiteral("gear")).added);
}
