#pragma once

#include "CommandId.h"

#include <QCoreApplication>
#include <QIcon>
#include <QObject>
#include <QPointer>

#include <functional>
#include <map>
#include <vector>

class CCommandRouter;
class QAction;
class QActionGroup;
class QMenu;

// One QAction per command, with its text, status prompt, shortcuts and
// icon. Triggering an action runs the command through the router; Refresh
// asks the router how each action shows (menus call it as they open, the
// main window on idle).
class CCommandActions : public QObject
{
    Q_OBJECT

public:
    using IconSource = std::function<QIcon(CommandId)>;

    CCommandActions(CCommandRouter& router, IconSource icons, QObject* parent = nullptr);

    // The command's action, made on first use; null for an unknown command.
    QAction* Action(CommandId id);
    // Adds the commands to a menu; CommandId::None adds a separator.
    void AddToMenu(QMenu& menu, std::initializer_list<CommandId> ids);
    // Keeps the menu's items in step whenever it opens; a submenu is
    // enabled only while one of its items is.
    void RefreshOnShow(QMenu& menu);

    void Refresh();
    void Refresh(QAction& action);

    static CommandId IdOf(const QAction* action);

private:
    QAction* MakeAction(CommandId id);
    void RefreshSubmenus();

    CCommandRouter& m_router;
    IconSource m_icons;
    std::map<CommandId, QAction*> m_actions;
    // Menus in the order they were registered: a submenu before the menu
    // that holds it, so that nested ones settle in one pass.
    std::vector<QPointer<QMenu>> m_menus;
    // The tools and the zoom presets are each one choice of a set.
    QActionGroup* m_pTools;
    QActionGroup* m_pZoomPresets;
};
