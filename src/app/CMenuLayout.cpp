#include "CMenuLayout.h"

#include "shell/CRecentFileList.h"

#include "view/CCommandActions.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

using C = CommandId;

void CMenuLayout::BuildMenuBar(QMainWindow& window, CCommandActions& actions, const CRecentFileList& recent)
{
    QMenuBar* bar = window.menuBar();
    AddFileMenu(window, actions, recent);

    QMenu* edit = bar->addMenu(tr("&Edit"));
    actions.AddToMenu(*edit, {C::EditUndo, C::EditRedo, C::None, C::EditCut, C::EditCopy, C::EditPaste, C::EditClear,
                              C::None, C::MoveCenter, C::Properties, C::None, C::Preferences});
    actions.RefreshOnShow(*edit);

    QMenu* view = bar->addMenu(tr("&View"));
    actions.AddToMenu(*view, {C::ViewToolbar, C::ViewExtendedBar, C::ViewStatusBar, C::None, C::ZoomIn, C::ZoomOut,
                              C::FitToScreen});
    QMenu* zoom = view->addMenu(tr("&Zoom"));
    actions.AddToMenu(*zoom, {C::Zoom50, C::Zoom100, C::Zoom200, C::Zoom400});
    actions.RefreshOnShow(*zoom);
    actions.AddToMenu(*view, {C::None, C::ShowGrid, C::GridSetup, C::None, C::LayerWindow, C::Invert});
    actions.RefreshOnShow(*view);

    QMenu* object = bar->addMenu(tr("&Object"));
    actions.AddToMenu(*object, {C::ToolSelect, C::ToolZoom, C::ToolScroll, C::None, C::ToolTextBlock,
                                C::ToolHorizontalText, C::ToolFanText, C::None, C::ToolPen, C::ToolFillPaint,
                                C::PenSetup, C::None});
    QMenu* insert = object->addMenu(tr("I&nsert"));
    actions.AddToMenu(*insert, {C::InsertMaterial, C::InsertFrame, C::InsertSymbol, C::None, C::InsertCode});
    actions.RefreshOnShow(*insert);
    QMenu* parts = object->addMenu(tr("A&dd Parts"));
    actions.AddToMenu(*parts, {C::AddFrame, C::AddSymbol});
    actions.RefreshOnShow(*parts);
    actions.AddToMenu(*object, {C::None, C::Trimming, C::CropImage, C::RotateImage});
    actions.RefreshOnShow(*object);

    QMenu* help = bar->addMenu(tr("&Help"));
    actions.AddToMenu(*help, {C::Help, C::None, C::About});
    actions.RefreshOnShow(*help);
}

void CMenuLayout::AddFileMenu(QMainWindow& window, CCommandActions& actions, const CRecentFileList& recent)
{
    QMenu* file = window.menuBar()->addMenu(tr("&File"));
    actions.AddToMenu(*file, {C::FileNew, C::FileOpen, C::FileSave, C::FileSaveAs, C::None, C::MaterialSetup,
                              C::Import, C::SelectSource, C::Acquire});
    QMenu* material = file->addMenu(tr("Add Ma&terial"));
    actions.AddToMenu(*material, {C::AddMaterialFile, C::AddMaterialScan});
    actions.RefreshOnShow(*material);
    actions.AddToMenu(*file, {C::None, C::ExportBmp, C::ExportClipboard, C::None, C::FilePrint, C::FilePrintPreview,
                              C::FilePrintSetup, C::None, C::DataSource, C::PrintBatch, C::None});
    // Printing without the dialog has its keys but no menu entry.
    window.addAction(actions.Action(C::FilePrintDirect));
    AddRecentFiles(*file, actions, recent);
    actions.AddToMenu(*file, {C::None, C::AppExit});
    actions.RefreshOnShow(*file);
}

void CMenuLayout::AddRecentFiles(QMenu& menu, CCommandActions& actions, const CRecentFileList& recent)
{
    QList<QAction*> entries;
    for (int i = 0; i < CRecentFileList::maxEntries; ++i) {
        QAction* entry = actions.Action(CommandId(int(C::FileMruFirst) + i));
        menu.addAction(entry);
        entries << entry;
    }
    // The list changes as documents are opened and saved: its texts are
    // brought up to date each time the menu opens.
    QObject::connect(&menu, &QMenu::aboutToShow, &menu, [entries, &recent] {
        for (int i = 0; i < entries.size(); ++i) {
            entries[i]->setVisible(i < recent.Count());
            if (i < recent.Count()) {
                entries[i]->setText(recent.MenuText(i));
                entries[i]->setStatusTip(recent.Path(i));
            }
        }
    });
    for (QAction* entry : entries)
        entry->setVisible(false);
}

void CMenuLayout::FillStandardBar(QToolBar& bar, CCommandActions& actions)
{
    for (C id : {C::FileNew, C::FileOpen, C::FileSave, C::None, C::EditCut, C::EditCopy, C::EditPaste, C::None,
                 C::EditUndo, C::EditRedo, C::None, C::Import, C::ExportBmp, C::None, C::FilePrint,
                 C::FilePrintPreview, C::None, C::ZoomIn, C::ZoomOut, C::FitToScreen, C::ShowGrid, C::None,
                 C::LayerWindow, C::Help}) {
        if (id == C::None)
            bar.addSeparator();
        else
            bar.addAction(actions.Action(id));
    }
}

void CMenuLayout::FillExtendedBar(QToolBar& bar, CCommandActions& actions)
{
    for (C id : {C::ToolSelect, C::ToolZoom, C::ToolScroll, C::ToolTextBlock, C::TextToolDropDown, C::ToolPen,
                 C::ToolFillPaint, C::None, C::InsertMaterial, C::InsertFrame, C::InsertSymbol, C::InsertCode, C::None,
                 C::Properties, C::MoveCenter, C::Trimming, C::CropImage, C::RotateImage, C::None, C::Invert}) {
        if (id == C::None)
            bar.addSeparator();
        else
            bar.addAction(actions.Action(id));
    }
}

void CMenuLayout::FillObjectMenu(QMenu& menu, CCommandActions& actions)
{
    actions.AddToMenu(menu, {C::EditUndo, C::EditRedo, C::None, C::EditCut, C::EditCopy, C::EditPaste,
                             C::EditClear, C::None, C::Trimming, C::MoveCenter, C::None, C::Properties});
}

void CMenuLayout::FillTextToolMenu(QMenu& menu, CCommandActions& actions)
{
    actions.AddToMenu(menu, {C::ToolHorizontalText, C::ToolFanText});
}
