#pragma once

#include <QCoreApplication>

class CCommandActions;
class CRecentFileList;
class QMainWindow;
class QMenu;
class QToolBar;

// Where each command sits: the menu bar, the two toolbars and the object
// context menu.
class CMenuLayout
{
    Q_DECLARE_TR_FUNCTIONS(CMenuLayout)

public:
    static void BuildMenuBar(QMainWindow& window, CCommandActions& actions, const CRecentFileList& recent);
    static void FillStandardBar(QToolBar& bar, CCommandActions& actions);
    static void FillExtendedBar(QToolBar& bar, CCommandActions& actions);
    // Undo, Redo, Cut, Copy, Paste, Delete, Trimming, Move Center, Properties.
    static void FillObjectMenu(QMenu& menu, CCommandActions& actions);
    // Horizontal Text and Fan Text, dropped down from the toolbar.
    static void FillTextToolMenu(QMenu& menu, CCommandActions& actions);

private:
    static void AddFileMenu(QMainWindow& window, CCommandActions& actions, const CRecentFileList& recent);
    static void AddRecentFiles(QMenu& menu, CCommandActions& actions, const CRecentFileList& recent);
};
