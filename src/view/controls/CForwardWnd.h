#pragma once

#include "CScrollWnd.h"
#include "IForwardTarget.h"

// A picture control inside a dialog: it scrolls, and hands its painting and
// mouse input to the dialog (its target). It can also scroll by hand for the
// target: the target starts a drag on a button press and moves it on the
// mouse moves that follow.
class CForwardWnd : public CScrollWnd
{
    Q_OBJECT

public:
    explicit CForwardWnd(IForwardTarget* target = nullptr, QWidget* parent = nullptr);

    void SetForwardTarget(IForwardTarget* target) { m_pTarget = target; }

    // Points are in content coordinates, as the target receives them:
    // the content point under the mouse stays under it while dragging.
    void BeginDrag(QPoint contentPoint);
    void EndDrag();
    void DragTo(QPoint contentPoint);
    bool IsDragging() const { return m_bDragging; }

    bool HoldsMouse() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    // A quick second click is one more press here, as the targets count.
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPoint ContentPoint(const QMouseEvent* event) const;
    static IForwardTarget::KeyFlags KeyFlagsOf(const QMouseEvent* event);
    void UpdateCursor();

    IForwardTarget* m_pTarget;
    QPoint m_ptDragAnchor;
    bool m_bDragging = false;
};
