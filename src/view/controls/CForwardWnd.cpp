#include "CForwardWnd.h"

#include "view/artwork/CArtwork.h"

#include <QMouseEvent>
#include <QPainter>

CForwardWnd::CForwardWnd(IForwardTarget* target, QWidget* parent)
    : CScrollWnd(parent)
    , m_pTarget(target)
{
    viewport()->setMouseTracking(true);
}

void CForwardWnd::BeginDrag(QPoint contentPoint)
{
    m_ptDragAnchor = contentPoint;
    m_bDragging = true;
    // The program's own hand cursor replaces this once the artwork has it.
    viewport()->setCursor(CArtwork::Cursor(CursorKind::HandScroll));
}

void CForwardWnd::EndDrag()
{
    m_bDragging = false;
    viewport()->unsetCursor();
}

void CForwardWnd::DragTo(QPoint contentPoint)
{
    if (!m_bDragging)
        return;
    // The mouse was taken away (another window, a message box): the drag
    // is over.
    if (!HoldsMouse()) {
        EndDrag();
        return;
    }
    const CPoint scroll = GetScrollPosition();
    const QPoint target = m_ptDragAnchor + QPoint(scroll.x, scroll.y) - contentPoint;
    ScrollTo(target.x(), target.y());
}

bool CForwardWnd::HoldsMouse() const
{
    return QWidget::mouseGrabber() == viewport();
}

void CForwardWnd::paintEvent(QPaintEvent*)
{
    if (!m_pTarget)
        return;
    QPainter painter(viewport());
    const CPoint scroll = GetScrollPosition();
    m_pTarget->OnForwardPaint(painter, QPoint(scroll.x, scroll.y));
}

void CForwardWnd::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_pTarget)
        return;
    // While a button is held the cursor stays as the press left it.
    if (!HoldsMouse())
        UpdateCursor();
    m_pTarget->OnForwardMouseMove(KeyFlagsOf(event), ContentPoint(event));
}

void CForwardWnd::mousePressEvent(QMouseEvent* event)
{
    if (!m_pTarget)
        return;
    viewport()->grabMouse();
    const IForwardTarget::KeyFlags keys = KeyFlagsOf(event);
    const QPoint point = ContentPoint(event);
    switch (event->button()) {
    case Qt::LeftButton: m_pTarget->OnForwardLButtonDown(keys, point); break;
    case Qt::RightButton: m_pTarget->OnForwardRButtonDown(keys, point); break;
    case Qt::MiddleButton: m_pTarget->OnForwardMButtonDown(keys, point); break;
    default: break;
    }
}

void CForwardWnd::mouseDoubleClickEvent(QMouseEvent* event)
{
    mousePressEvent(event);
}

void CForwardWnd::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_pTarget)
        return;
    if (HoldsMouse())
        viewport()->releaseMouse();
    const IForwardTarget::KeyFlags keys = KeyFlagsOf(event);
    const QPoint point = ContentPoint(event);
    switch (event->button()) {
    case Qt::LeftButton: m_pTarget->OnForwardLButtonUp(keys, point); break;
    case Qt::RightButton: m_pTarget->OnForwardRButtonUp(keys, point); break;
    case Qt::MiddleButton: m_pTarget->OnForwardMButtonUp(keys, point); break;
    default: break;
    }
}

QPoint CForwardWnd::ContentPoint(const QMouseEvent* event) const
{
    const CPoint scroll = GetScrollPosition();
    return event->position().toPoint() + QPoint(scroll.x, scroll.y);
}

IForwardTarget::KeyFlags CForwardWnd::KeyFlagsOf(const QMouseEvent* event)
{
    return {event->buttons(), event->modifiers()};
}

void CForwardWnd::UpdateCursor()
{
    if (m_bDragging)
        return;
    if (!m_pTarget->OnForwardSetCursor())
        viewport()->unsetCursor();
}

