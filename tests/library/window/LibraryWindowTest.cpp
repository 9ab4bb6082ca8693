#include "ScratchDisk.h"

#include "settings/CAppSettings.h"
#include "library/CLibraryRefresh.h"
#include "library/window/CLibraryDrag.h"
#include "library/window/CLibraryGrid.h"
#include "library/window/CLibraryWindowLink.h"
#include "library/window/CSymbolDlg.h"
#include "library/window/CSymbolDlgLayout.h"
#include "objects/CDibObj.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

void WriteSymbol(const QString& path, COLORREF colour = RGB(200, 0, 0))
{
    CDibImage image;
    ASSERT_TRUE(image.Create(20, 10, 24, colour));
    CDibObj symbol;
    ASSERT_TRUE(symbol.SetImageFrom(&image, flagsSymbol, false));
    ASSERT_TRUE(symbol.WriteSymbolFile(path));
}

// Clicks a button of the next message box, and keeps its text.
struct BoxAnswer
{
    QMessageBox::StandardButton button;
    QStringList texts;
    QTimer timer;
    explicit BoxAnswer(QMessageBox::StandardButton answer) : button(answer)
    {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                texts << box->text();
                QAbstractButton* b = box->button(button);
                (b ? b : box->buttons().constFirst())->click();
            }
        });
        timer.start(10);
    }
};

class LibraryWindowFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
        for (const char* name : {"beta", "Alpha", "gamma"})
            WriteSymbol(Path(QLatin1String(name)));
        mainWindow.resize(900, 700);
        mainWindow.move(0, 0);
        mainWindow.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&mainWindow));
    }

    QString Path(const QString& name) const { return folder.filePath(name + QStringLiteral(".vls")); }

    std::unique_ptr<CSymbolDlg> Open(int kind = CLibraryModel::symbol)
    {
        CSymbolDlg::Services services;
        services.settings = &settings;
        services.link = &link;
        services.send = [this](CommandId id) { sent << id; };
        services.canSend = [](CommandId id) { return id != CommandId::AddMaterialScan; };
        services.addFromFile = [this](int kind, const QString& path) { added << qMakePair(kind, path); };
        auto dialog = std::make_unique<CSymbolDlg>(kind, folder.path(), std::move(services), &mainWindow);
        dialog->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
        return dialog;
    }

    QStringList Labels(CSymbolDlg& dialog) const
    {
        QStringList labels;
        for (int row = 0; row < dialog.Model().rowCount(); ++row)
            labels << dialog.Model().index(row).data().toString();
        return labels;
    }

    // F2 on a row, then the text typed into its editor.
    QLineEdit* EditName(CSymbolDlg& dialog, int row)
    {
        dialog.Grid()->SelectRow(row);
        QTest::keyClick(dialog.Grid(), Qt::Key_F2);
        auto* editor = dialog.Grid()->findChild<QLineEdit*>();
        EXPECT_TRUE(editor && dialog.Grid()->IsEditing());
        return editor;
    }

    QTemporaryDir home;
    QTemporaryDir folder;
    CAppSettings settings;
    CLibraryWindowLink link;
    QWidget mainWindow;
    QList<CommandId> sent;
    QList<QPair<int, QString>> added;
};

} // namespace

TEST(SymbolDlgLayout, ButtonsSitAtTheCornersAndTheListFillsTheRest)
{
    const CSymbolDlgLayout layout = CSymbolDlgLayout::For({500, 300}, {80, 24});
    EXPECT_EQ(layout.ok, QRect(500 - 160 - 12, 300 - 28, 80, 24));
    EXPECT_EQ(layout.cancel, QRect(500 - 80 - 6, 272, 80, 24));
    EXPECT_EQ(layout.add, QRect(6, 272, 80, 24));
    EXPECT_EQ(layout.remove, QRect(92, 272, 80, 24));
    EXPECT_EQ(layout.list, QRect(0, 0, 500, 300 - 34));
    EXPECT_EQ(CSymbolDlgLayout::MinimumClient({80, 24}), QSize(350, 100));
}

TEST_F(LibraryWindowFixture, OpensWithTheKindsTitleAndButtonAndRowsSortedWithoutRegardToCase)
{
    QFile::rename(Path(QStringLiteral("gamma")), folder.filePath(QStringLiteral("Gamma.VLS")));
    auto symbols = Open(CLibraryModel::symbol);
    EXPECT_EQ(symbols->windowTitle(), QStringLiteral("Symbol"));
    EXPECT_EQ(symbols->OkButton()->text(), QStringLiteral("Insert"));
    EXPECT_EQ(Labels(*symbols), (QStringList{"Alpha", "beta", "Gamma"}));
    EXPECT_EQ(link.OpenWindow(), symbols.get());
    symbols->reject();
    EXPECT_EQ(link.OpenWindow(), nullptr);

    auto materials = Open(CLibraryModel::material);
    EXPECT_EQ(materials->windowTitle(), QStringLiteral("Material"));
    EXPECT_EQ(materials->OkButton()->text(), QStringLiteral("Select"));
    EXPECT_EQ(Open(CLibraryModel::frame)->windowTitle(), QStringLiteral("Frame"));
}

TEST_F(LibraryWindowFixture, NeverGetsSmallerThanFourButtonsWideAndOneHigh)
{
    auto dialog = Open();
    const QSize button = dialog->OkButton()->size();
    dialog->resize(10, 10);
    QTest::qWait(20);
    EXPECT_GE(dialog->width(), 4 * button.width() + 30);
    EXPECT_GE(dialog->height(), button.height() + 76);
    // The buttons keep to their corners at any size.
    dialog->resize(700, 500);
    QTest::qWait(20);
    const CSymbolDlgLayout expected = CSymbolDlgLayout::For(dialog->size(), button);
    EXPECT_EQ(dialog->OkButton()->geometry(), expected.ok);
    EXPECT_EQ(dialog->Grid()->geometry(), expected.list);
}

TEST_F(LibraryWindowFixture, OkNeedsASelectionAndHandsBackItsName)
{
    auto dialog = Open();
    dialog->Grid()->clearSelection();
    dialog->OkButton()->click();
    EXPECT_TRUE(dialog->isVisible());
    dialog->Grid()->SelectRow(1);
    dialog->OkButton()->click();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->ChosenName(), QStringLiteral("beta"));
}

TEST_F(LibraryWindowFixture, RenamingTakesATypedNameAndLeavesEverythingAloneForAnEmptyOne)
{
    auto dialog = Open();
    QLineEdit* editor = EditName(*dialog, 0);
    editor->clear();
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_VERIFY(!dialog->Grid()->IsEditing());
    EXPECT_TRUE(QFile::exists(Path(QStringLiteral("Alpha"))));
    EXPECT_EQ(Labels(*dialog).first(), QStringLiteral("Alpha"));

    editor = EditName(*dialog, 0);
    editor->setText(QStringLiteral("Omega"));
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_VERIFY(!dialog->Grid()->IsEditing());
    EXPECT_FALSE(QFile::exists(Path(QStringLiteral("Alpha"))));
    EXPECT_TRUE(QFile::exists(Path(QStringLiteral("Omega"))));
    // The row keeps its place until the next refresh sorts it.
    EXPECT_EQ(Labels(*dialog).first(), QStringLiteral("Omega"));
    dialog->Refresh();
    EXPECT_EQ(Labels(*dialog), (QStringList{"beta", "gamma", "Omega"}));
}

TEST_F(LibraryWindowFixture, ARenameThatCannotBeDoneSaysWhyAndChangesNothing)
{
    auto dialog = Open();
    for (const QString& name : {QStringLiteral("beta"), QStringLiteral("BETA"), QStringLiteral("a/b"),
                                QStringLiteral("\u65e5\u672c")}) {
        BoxAnswer ok(QMessageBox::Ok);
        QLineEdit* editor = EditName(*dialog, 0);
        editor->setText(name);
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE_WITH_TIMEOUT(ok.texts.size(), 1, 1000);
        QTRY_VERIFY(!dialog->Grid()->IsEditing());
        EXPECT_TRUE(QFile::exists(Path(QStringLiteral("Alpha")))) << name.toStdString();
        EXPECT_EQ(Labels(*dialog).first(), QStringLiteral("Alpha"));
    }
    EXPECT_EQ(QDir(folder.path()).entryList({QStringLiteral("*.vls")}).size(), 3);
}

// Files copied from an older system may name "é" by the single byte 0xE9:
// they are listed by that name, and renamed and deleted like any other.
TEST_F(LibraryWindowFixture, EntriesNamedInAnOlderCodePageAreListedRenamedAndDeleted)
{
    const QByteArray base = QFile::encodeName(folder.path());
    for (const char* name : {"plat\xE9", "caf\xE9"}) {
        WriteSymbol(Path(QStringLiteral("any")));
        ASSERT_EQ(::rename(QFile::encodeName(Path(QStringLiteral("any"))).constData(), (base + "/" + name + ".vls").constData()), 0);
    }
    auto dialog = Open();
    ASSERT_EQ(Labels(*dialog), (QStringList{"Alpha", "beta", u"caf\u00e9"_qs, "gamma", u"plat\u00e9"_qs}));
    QLineEdit* editor = EditName(*dialog, 4);
    editor->setText(QStringLiteral("plate"));
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_VERIFY(!dialog->Grid()->IsEditing());
    EXPECT_TRUE(QFile::exists(Path(QStringLiteral("plate"))));
    EXPECT_FALSE(QFileInfo::exists(QFile::decodeName(base + "/plat\xE9.vls")));
    dialog->Grid()->SelectRow(2);
    QTest::keyClick(dialog->Grid(), Qt::Key_Delete);
    EXPECT_TRUE(QFile::exists(home.filePath(u"Trash/files/caf\u00e9.vls"_qs)));
    dialog->Refresh();
    EXPECT_EQ(Labels(*dialog), (QStringList{"Alpha", "beta", "gamma", "plate"}));
}

TEST_F(LibraryWindowFixture, EscEndsAnEditFirstAndClosesTheWindowOnlyTheSecondTime)
{
    auto dialog = Open();
    QLineEdit* editor = EditName(*dialog, 1);
    editor->setText(QStringLiteral("never"));
    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_FALSE(dialog->Grid()->IsEditing());
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(QFile::exists(Path(QStringLiteral("beta"))));
    QTest::keyClick(dialog->Grid(), Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
}

TEST_F(LibraryWindowFixture, DeleteMovesToTheTrashAndShiftDeleteRemovesForGoodAfterAsking)
{
    auto dialog = Open();
    dialog->Grid()->SelectRow(0); // Alpha
    QTest::keyClick(dialog->Grid(), Qt::Key_Delete);
    EXPECT_FALSE(QFile::exists(Path(QStringLiteral("Alpha"))));
    EXPECT_TRUE(QFile::exists(home.filePath(QStringLiteral("Trash/files/Alpha.vls"))));
    EXPECT_EQ(Labels(*dialog), (QStringList{"beta", "gamma"}));

    {
        BoxAnswer no(QMessageBox::No);
        dialog->Grid()->SelectRow(0);
        QTest::keyClick(dialog->Grid(), Qt::Key_Delete, Qt::ShiftModifier);
        EXPECT_EQ(no.texts.size(), 1);
        EXPECT_TRUE(QFile::exists(Path(QStringLiteral("beta"))));
    }
    BoxAnswer yes(QMessageBox::Yes);
    dialog->Grid()->SelectRow(0);
    QTest::keyClick(dialog->Grid(), Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_FALSE(QFile::exists(Path(QStringLiteral("beta"))));
    EXPECT_FALSE(QFile::exists(home.filePath(QStringLiteral("Trash/files/beta.vls"))));
    EXPECT_EQ(Labels(*dialog), QStringList{"gamma"});
}

TEST_F(LibraryWindowFixture, ADeleteThatFailsSaysSoAndKeepsTheRow)
{
    VELDRA_REQUIRE_ROOT();
    ScratchDisk disk;
    ASSERT_TRUE(disk.IsMounted());
    WriteSymbol(disk.Path(QStringLiteral("kept.vls")));
    ASSERT_TRUE(disk.MakeReadOnly());
    CSymbolDlg::Services services;
    CSymbolDlg dialog(CLibraryModel::symbol, disk.Path({}), services, &mainWindow);
    dialog.show();
    ASSERT_EQ(dialog.Model().rowCount(), 1);
    for (bool forGood : {false, true}) {
        BoxAnswer answer(QMessageBox::Yes);
        dialog.Grid()->SelectRow(0);
        dialog.DeleteEntry(forGood);
        QTRY_VERIFY(!answer.texts.isEmpty());
        EXPECT_TRUE(QFile::exists(disk.Path(QStringLiteral("kept.vls"))));
        EXPECT_EQ(dialog.Model().rowCount(), 1);
    }
}

TEST_F(LibraryWindowFixture, TheContextMenuGreysRenameAndDeleteWithoutASelection)
{
    auto dialog = Open();
    dialog->Grid()->clearSelection();
    emit dialog->Grid()->customContextMenuRequested({5, 5});
    QMenu* menu = dialog->ContextMenu();
    QTRY_VERIFY(menu->isVisible());
    const QList<QAction*> actions = menu->actions();
    ASSERT_EQ(actions.size(), 3);
    EXPECT_EQ(actions[0]->text(), QStringLiteral("&Reflesh\tF5"));
    EXPECT_TRUE(actions[0]->isEnabled());
    EXPECT_FALSE(actions[1]->isEnabled());
    EXPECT_FALSE(actions[2]->isEnabled());
    menu->hide();
}

TEST_F(LibraryWindowFixture, DroppedFilesOpenTheAddDialogOfTheKindWithTheFirstOnly)
{
    auto dialog = Open(CLibraryModel::frame);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/one.png")), QUrl::fromLocalFile(QStringLiteral("/tmp/two.png"))});
    QDragEnterEvent enter({20, 20}, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(dialog.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, {});
    // A file added meanwhile is listed after the add dialog.
    WriteSymbol(Path(QStringLiteral("delta")));
    QApplication::sendEvent(dialog.get(), &drop);
    QTRY_COMPARE(added.size(), 1);
    EXPECT_EQ(added.first(), qMakePair(int(CLibraryModel::frame), QStringLiteral("/tmp/one.png")));
    QTRY_COMPARE(dialog->Model().rowCount(), 4);
}

TEST_F(LibraryWindowFixture, AddSendsTheKindsCommandAndMaterialsOfferTheirPopup)
{
    auto symbols = Open(CLibraryModel::symbol);
    symbols->findChild<QPushButton*>(QStringLiteral("1143"))->click();
    QTRY_COMPARE(sent, QList<CommandId>{CommandId::AddSymbol});
    symbols->reject();

    auto materials = Open(CLibraryModel::material);
    bool offered = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* popup = materials->findChild<QMenu*>(QStringLiteral("RegistMaterial"));
        if (!popup || !popup->isVisible())
            return;
        poll.stop();
        offered = popup->actions().size() == 2 && !popup->actions()[1]->isEnabled(); // the scanner comes later
        popup->actions()[0]->trigger();
        popup->close();
    });
    poll.start(10);
    materials->findChild<QPushButton*>(QStringLiteral("1143"))->click();
    EXPECT_TRUE(offered);
    QTRY_COMPARE(sent.size(), 2);
    EXPECT_EQ(sent.last(), CommandId::AddMaterialFile);
}

TEST_F(LibraryWindowFixture, APostedRefreshListsWhatWasAdded)
{
    auto dialog = Open();
    WriteSymbol(Path(QStringLiteral("delta")));
    link.PostRefresh();
    EXPECT_EQ(dialog->Model().rowCount(), 3);
    QTRY_COMPARE(dialog->Model().rowCount(), 4);
    // F5 does the same.
    WriteSymbol(Path(QStringLiteral("epsilon")));
    QTest::keyClick(dialog->Grid(), Qt::Key_F5);
    EXPECT_EQ(dialog->Model().rowCount(), 5);
}

TEST_F(LibraryWindowFixture, AnEntryDraggedOntoTheMainWindowIsChosenAndNowhereElseNothingIs)
{
    auto dialog = Open();
    dialog->move(mainWindow.geometry().right() + 40, 0); // beside the main window
    QTest::qWait(20);
    QWidget* viewport = dialog->Grid()->viewport();
    const QRect cell = dialog->Grid()->visualRect(dialog->Model().index(2));
    auto send = [viewport](QEvent::Type type, QPoint global, Qt::MouseButtons buttons) {
        QMouseEvent event(type, viewport->mapFromGlobal(global), global, Qt::LeftButton, buttons, {});
        QApplication::sendEvent(viewport, &event);
    };
    const QPoint grab = viewport->mapToGlobal(cell.center());
    const QPoint overMain = mainWindow.mapToGlobal(QPoint(300, 300));
    const QPoint nowhere(grab.x(), mainWindow.geometry().bottom() + 200);

    // Released nowhere: the drag ends, the window stays open.
    send(QEvent::MouseButtonPress, grab, Qt::LeftButton);
    send(QEvent::MouseMove, grab + QPoint(30, 30), Qt::LeftButton);
    ASSERT_TRUE(dialog->Grid()->Drag().IsDragging());
    send(QEvent::MouseMove, nowhere, Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::ForbiddenCursor);
    send(QEvent::MouseButtonRelease, nowhere, {});
    EXPECT_FALSE(dialog->Grid()->Drag().IsDragging());
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    // Released over the main window: the entry is chosen.
    send(QEvent::MouseButtonPress, grab, Qt::LeftButton);
    send(QEvent::MouseMove, overMain, Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::ArrowCursor);
    const QWidgetList windows = QApplication::topLevelWidgets();
    const auto image = std::find_if(windows.cbegin(), windows.cend(),
                                    [](QWidget* w) { return w->objectName() == QLatin1String("LibraryDragImage"); });
    ASSERT_NE(image, windows.cend());
    EXPECT_TRUE((*image)->isVisible()); // the entry's picture follows the cursor
    send(QEvent::MouseButtonRelease, overMain, {});
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->ChosenName(), QStringLiteral("gamma"));
}

TEST_F(LibraryWindowFixture, ThePlacementIsKeptForTheNextOpening)
{
    {
        auto dialog = Open();
        dialog->setGeometry(50, 60, 520, 410);
        QTest::qWait(20);
        dialog->reject();
    }
    EXPECT_EQ(settings.symbolDlg.size.cx, 520);
    EXPECT_EQ(settings.symbolDlg.size.cy, 410);
    auto again = Open();
    EXPECT_EQ(again->size(), QSize(520, 410));
}

TEST(LibraryRefreshProgress, ACancelledRefreshListsWhatItReadAndTheNextOneReadsTheRest)
{
    QTemporaryDir folder;
    for (int i = 0; i < 12; ++i)
        WriteSymbol(folder.filePath(QStringLiteral("s%1.vls").arg(i, 2, 10, QLatin1Char('0'))));
    CLibraryModel model;
    CLibraryRefresh::Options options;
    QList<QPair<int, int>> told;
    options.progress = [&told](int done, int total) {
        told << qMakePair(done, total);
        return done < 5;
    };
    const CLibraryRefresh::Result cut = CLibraryRefresh::Refresh(folder.path(), model, options);
    EXPECT_TRUE(cut.cancelled);
    EXPECT_EQ(model.rowCount(), 5);
    EXPECT_EQ(told.first(), qMakePair(0, 12));
    options.progress = {};
    const CLibraryRefresh::Result rest = CLibraryRefresh::Refresh(folder.path(), model, options);
    EXPECT_FALSE(rest.cancelled);
    EXPECT_EQ(rest.decoded, 7);
    EXPECT_EQ(model.rowCount(), 12);
}
