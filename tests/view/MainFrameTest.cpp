// The main window around the view: command routing and states, status
// panes, dropped files, bars and placement.
#include "MainWindowFixture.h"

#include "app/CMainFrame.h"
#include "app/CDocumentManager.h"
#include "settings/CSettingsStore.h"
#include "app/CVeldraApp.h"
#include "app/shell/CRecentFileList.h"
#include "document/CDocumentFile.h"
#include "view/CCommandActions.h"
#include "view/CVeldraView.h"
#include "view/controls/CZoomStatusBar.h"

#include <QAction>
#include <QCursor>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

namespace {

class MainFrameFixture : public MainWindowFixture
{
protected:
    CCommandState State(CommandId id) { return frame->Router().Query(id); }

    // A small document file with one picture.
    QString SavedDocument(const QString& name)
    {
        CVeldraDoc other;
        SetUpDocument(other);
        other.InsertAt(Picture("saved", 100, 100), 0);
        const QString path = files.filePath(name);
        EXPECT_TRUE(CDocumentFile::Save(other, path).ok);
        return path;
    }
};

} // namespace

TEST_F(MainFrameFixture, CommandsAreRoutedAndUnbuiltOnesShowDisabled)
{
    // A fresh document has a plate to draw on even with no engraver to ask.
    EXPECT_GT(doc.GetDeviceSize().cx, 0);
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Untitled[*] - Veldra2"));
    EXPECT_FALSE(State(CommandId::EditUndo).enabled);
    EXPECT_FALSE(State(CommandId::ExportBmp).enabled);
    EXPECT_FALSE(State(CommandId::EditCopy).enabled);
    EXPECT_TRUE(State(CommandId::Import).enabled);
    EXPECT_TRUE(State(CommandId::About).enabled);
    for (CommandId id : {CommandId::Properties, CommandId::Trimming})
        EXPECT_FALSE(State(id).enabled) << int(id);
    for (CommandId id : {CommandId::MaterialSetup, CommandId::AddMaterialFile, CommandId::AddMaterialScan,
                         CommandId::SelectSource, CommandId::Acquire, CommandId::AddFrame,
                         CommandId::AddSymbol, CommandId::InsertMaterial, CommandId::InsertFrame,
                         CommandId::InsertSymbol, CommandId::InsertCode})
        EXPECT_TRUE(State(id).enabled) << int(id);
    // The text tools come with the property dialogs that place text, the
    // settings commands with their dialogs.
    for (CommandId id : {CommandId::ToolTextBlock, CommandId::ToolHorizontalText, CommandId::ToolFanText,
                         CommandId::TextToolDropDown, CommandId::PenSetup, CommandId::GridSetup, CommandId::Preferences,
                         CommandId::FilePrint, CommandId::FilePrintDirect, CommandId::FilePrintSetup,
                         CommandId::FilePrintPreview})
        EXPECT_TRUE(State(id).enabled) << int(id);
    EXPECT_EQ(State(CommandId::ToolSelect).checked, 1);

    doc.InsertAt(Picture("a"), 0);
    EXPECT_TRUE(State(CommandId::ExportBmp).enabled);
    frame->View().SetSelection(doc.GetObjectAt(0));
    EXPECT_TRUE(State(CommandId::Properties).enabled);
    EXPECT_TRUE(frame->Router().Execute(CommandId::ToolZoom));
    EXPECT_EQ(frame->View().CurrentTool(), CVeldraView::toolZoom);
    EXPECT_EQ(State(CommandId::ToolZoom).checked, 1);
    EXPECT_EQ(State(CommandId::ToolSelect).checked, 0);

    // Shortcuts reach the commands through the window.
    frame->View().setFocus();
    frame->View().SetZoom(100);
    QTest::keyClick(frame.get(), Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(frame->View().Zoom(), 150);
}

TEST_F(MainFrameFixture, EveryMenuCommandHasTextAndTheBarsToggle)
{
    int commands = 0;
    for (QAction* menu : frame->menuBar()->actions()) {
        ASSERT_NE(menu->menu(), nullptr);
        for (QAction* item : menu->menu()->actions()) {
            if (item->isSeparator() || item->menu() || !item->isVisible())
                continue;
            EXPECT_FALSE(item->text().isEmpty());
            EXPECT_NE(CCommandActions::IdOf(item), CommandId::None);
            ++commands;
        }
    }
    EXPECT_GT(commands, 40);
    EXPECT_EQ(State(CommandId::ViewExtendedBar).checked, 1);
    frame->Router().Execute(CommandId::ViewExtendedBar);
    EXPECT_FALSE(frame->ExtendedBar().isVisible());
    EXPECT_EQ(State(CommandId::ViewExtendedBar).checked, 0);
}

TEST_F(MainFrameFixture, StatusPanesShowPositionSizeAndZoomInTheUsersUnit)
{
    doc.InsertAt(Picture("a", 1250, -300, 2540, 1000), 0);
    frame->View().SetSelection(doc.GetObjectAt(0));
    frame->View().SetZoom(85);
    frame->RefreshStatus();
    CZoomStatusBar& panes = frame->StatusPanes();
    EXPECT_EQ(panes.PaneText(CMainFrame::panePosition), QStringLiteral("Position: 12.50, -3.00 mm"));
    EXPECT_EQ(panes.PaneText(CMainFrame::paneSize), QStringLiteral("Size: 25.40, 10.00 mm"));
    EXPECT_EQ(panes.PaneText(CMainFrame::paneZoom), QStringLiteral("  85%"));
    QCursor::setPos(frame->View().viewport()->mapToGlobal(QPoint(5, 5)));
    frame->RefreshStatus();
    EXPECT_TRUE(panes.PaneText(CZoomStatusBar::promptPane).startsWith(QStringLiteral("Cursor: ")));

    app->Settings().inch = true;
    frame->RefreshStatus();
    EXPECT_EQ(panes.PaneText(CMainFrame::paneSize), QStringLiteral("Size: 1.000, 0.394 inch"));
    frame->View().SetSelection(nullptr);
    frame->RefreshStatus();
    EXPECT_TRUE(panes.PaneText(CMainFrame::panePosition).isEmpty());
}

TEST_F(MainFrameFixture, DroppedPicturesAreImportedAndDocumentsOpened)
{
    // A picture: our own bitmap file.
    CDibImage image;
    image.Create(30, 20, 24, RGB(200, 10, 10));
    const QString picture = files.filePath(QStringLiteral("photo.bmp"));
    ASSERT_TRUE(image.SaveBitmapFile(picture));
    frame->OpenDroppedFile(picture);
    ASSERT_EQ(doc.GetObjectCount(), 1);
    EXPECT_EQ(doc.GetObjectAt(0)->m_strName, QByteArray("photo.bmp"));
    EXPECT_EQ(frame->View().Selection(), doc.GetObjectAt(0));

    // A document, its extension in capitals, even though it was changed:
    // saved first (the question is not asked of an unmodified document).
    doc.SetModifiedFlag(false);
    const QString document = SavedDocument(QStringLiteral("PLATE.VLZ"));
    frame->OpenDroppedFile(document);
    ASSERT_EQ(doc.GetObjectCount(), 1);
    EXPECT_EQ(doc.GetObjectAt(0)->m_strName, QByteArray("saved"));
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("PLATE.VLZ[*] - Veldra2"));
    EXPECT_EQ(recent.Path(0), QFileInfo(document).absoluteFilePath());
}

TEST_F(MainFrameFixture, PlacementAndBarLayoutAreRememberedAtClose)
{
    frame->setGeometry(40, 30, 700, 500);
    frame->ExtendedBar().hide();
    frame->close();
    const CAppSettings::WindowPlacement& stored = app->Settings().mainWindow;
    EXPECT_EQ(stored.size, (CSize{700, 500}));
    // The client area's position: the frame is the window manager's.
    EXPECT_EQ(stored.position, (CPoint{40, 30}));
    EXPECT_EQ(stored.showCmd, 1);
    {
        CSettingsStore store;
        EXPECT_FALSE(store.ReadString(QStringLiteral("CtrlBar"), QStringLiteral("BarState")).isEmpty());
        EXPECT_EQ(store.ReadSize(QStringLiteral("Window"), QStringLiteral("Size"), {}), (CSize{700, 500}));
    }
    Make();
    EXPECT_EQ(frame->size(), QSize(700, 500));
    // Closed and opened again, the window stays where it was.
    EXPECT_EQ(frame->geometry().topLeft(), QPoint(40, 30));
    EXPECT_FALSE(frame->ExtendedBar().isVisibleTo(frame.get()));
}
