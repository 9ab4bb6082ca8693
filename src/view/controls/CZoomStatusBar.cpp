#include "CZoomStatusBar.h"

#include <algorithm>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>

CZoomStatusBar::CZoomStatusBar(QWidget* parent)
    : QStatusBar(parent)
{
    // The prompt pane is an ordinary item, so that command prompts shown as
    // messages take its place; the others are permanent and stay.
    QLabel* prompt = new QLabel(this);
    m_panes.insert(promptPane, prompt);
    addWidget(prompt, 1);
    // Wide enough for the longest position this plate can have in this
    // font, never narrower than the classic pane.
    const int width = std::max(selectionPaneWidth, fontMetrics().horizontalAdvance(tr("Position: -000.000, -000.000 inch")) + 8);
    AddPane(positionPane, width);
    AddPane(sizePane, width);
    QLabel* zoom = AddPane(zoomPane, 0);
    zoom->setFixedWidth(zoom->fontMetrics().horizontalAdvance(tr("1000%")));
}

QLabel* CZoomStatusBar::AddPane(int id, int width)
{
    QLabel* pane = new QLabel(this);
    pane->setFixedWidth(width);
    m_panes.insert(id, pane);
    addPermanentWidget(pane);
    return pane;
}

void CZoomStatusBar::SetPaneText(int id, const QString& text)
{
    if (QLabel* pane = Pane(id))
        pane->setText(text);
}

QString CZoomStatusBar::PaneText(int id) const
{
    const QLabel* pane = Pane(id);
    return pane ? pane->text() : QString();
}

QRect CZoomStatusBar::PaneRect(int id) const
{
    const QLabel* pane = Pane(id);
    return pane ? pane->geometry() : QRect();
}

void CZoomStatusBar::SetZoomActions(const QList<QAction*>& actions)
{
    m_zoomActions = actions;
}

void CZoomStatusBar::PopUpZoomMenu()
{
    QMenu menu(this);
    BuildZoomMenu(menu);
    if (menu.isEmpty())
        return;
    ExecMenu(menu, ZoomMenuPosition(menu.sizeHint()));
}

void CZoomStatusBar::BuildZoomMenu(QMenu& menu) const
{
    for (int i = 0; i < m_zoomActions.size(); ++i) {
        if (i == 1)
            menu.addSeparator();
        menu.addAction(m_zoomActions[i]);
    }
}

QPoint CZoomStatusBar::ZoomMenuPosition(const QSize& menuSize) const
{
    // The menu keeps clear of the pane: below it, or above it when there is
    // no room below (the usual case for a status bar).
    const QRect pane = PaneRect(zoomPane).adjusted(2, 2, -1, -1);
    const QRect exclude(mapToGlobal(pane.topLeft()), pane.size());
    const QRect screenRect = screen()->availableGeometry();
    const int x = qMax(screenRect.left(), qMin(exclude.left(), screenRect.left() + screenRect.width() - menuSize.width()));
    int y = exclude.top() + exclude.height();
    if (y + menuSize.height() > screenRect.top() + screenRect.height())
        y = exclude.top() - menuSize.height();
    return QPoint(x, y);
}

void CZoomStatusBar::ExecMenu(QMenu& menu, QPoint screenPosition)
{
    menu.exec(screenPosition);
}

void CZoomStatusBar::mousePressEvent(QMouseEvent* event)
{
    const bool menuButton = event->button() == Qt::LeftButton || event->button() == Qt::RightButton;
    if (menuButton && PaneRect(zoomPane).contains(event->position().toPoint())) {
        PopUpZoomMenu();
        return;
    }
    QStatusBar::mousePressEvent(event);
}
