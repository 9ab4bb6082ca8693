#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>

#include <functional>

class QAbstractItemView;
class QLabel;
class QWidget;

// Dragging an entry out of the library window onto the layout. The library
// window is modal, and the window system hands no drag events to the
// windows a modal window blocks, so the drag is the window's own: the mouse
// stays captured by the list, the entry's picture follows the cursor, the
// cursor is the arrow over the target (the main window and its own windows)
// and "not allowed" anywhere else, and a release over the target drops.
class CLibraryDrag : public QObject
{
public:
    // target: the main window. dropped: the entry was released over it, at
    // this screen point.
    CLibraryDrag(QAbstractItemView& list, QWidget* target, std::function<void(QPoint global)> dropped);
    ~CLibraryDrag() override;

    bool IsDragging() const { return m_bDragging; }
    // Ends a drag in progress, dropping nothing.
    void Cancel();
    // Whether a screen point lies over the target or one of its windows,
    // and not over the library window itself.
    bool IsOverTarget(QPoint global) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool OnPress(QPoint local, QPoint global, Qt::MouseButton button);
    bool OnMove(QPoint global, Qt::MouseButtons buttons);
    bool OnRelease(QPoint global);
    void Begin(QPoint global);
    void Follow(QPoint global);
    void End();

    QAbstractItemView& m_list;
    QPointer<QWidget> m_target;
    std::function<void(QPoint)> m_dropped;
    QLabel* m_pImage = nullptr;
    int m_nRow = -1;
    QPoint m_ptPress;
    QPoint m_ptHotSpot;
    bool m_bDragging = false;
};
