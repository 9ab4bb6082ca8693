#pragma once

#include <QList>
#include <QMap>
#include <QStatusBar>

class QAction;
class QLabel;
class QMenu;

// The main window's status bar: a stretching pane for the cursor position
// and command prompts, then the selection's position and size and the zoom.
// A press on the zoom pane drops the zoom menu down from it.
class CZoomStatusBar : public QStatusBar
{
    Q_OBJECT

public:
    // Pane ids; 0 is the stretching pane.
    static constexpr int promptPane = 0;
    static constexpr int positionPane = 136;
    static constexpr int sizePane = 137;
    static constexpr int zoomPane = 134;
    static constexpr int selectionPaneWidth = 136;

    explicit CZoomStatusBar(QWidget* parent = nullptr);

    // Unknown ids are ignored.
    void SetPaneText(int id, const QString& text);
    QString PaneText(int id) const;
    // In this bar's coordinates; empty for an unknown id.
    QRect PaneRect(int id) const;

    // Fit to Screen first, then the zoom steps; the menu sets them apart
    // with a separator. The main frame keeps the actions, their routing and
    // their checked state.
    void SetZoomActions(const QList<QAction*>& actions);

    // Drops the zoom menu down (or up, at the screen's bottom) from the
    // zoom pane.
    void PopUpZoomMenu();
    // The zoom menu as it would open now.
    void BuildZoomMenu(QMenu& menu) const;
    // Where a menu of this size opens, in screen coordinates.
    QPoint ZoomMenuPosition(const QSize& menuSize) const;

protected:
    // Runs the menu; tests look at it instead.
    virtual void ExecMenu(QMenu& menu, QPoint screenPosition);

    void mousePressEvent(QMouseEvent* event) override;

private:
    QLabel* AddPane(int id, int width);
    QLabel* Pane(int id) const { return m_panes.value(id); }

    QMap<int, QLabel*> m_panes;
    QList<QAction*> m_zoomActions;
};
