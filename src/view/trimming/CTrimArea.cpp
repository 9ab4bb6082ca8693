#include "CTrimArea.h"

#include "CTrimmingRules.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

CPoint ToPoint(QPoint p)
{
    return {p.x(), p.y()};
}

QRect ToQRect(const CRect& r)
{
    return {r.left, r.top, r.Width(), r.Height()};
}

} // namespace

CTrimArea::CTrimArea(CTrimmingRules& rules, QWidget* parent)
    : QWidget(parent)
    , m_rules(rules)
{
    setMouseTracking(true);
    Refresh();
}

void CTrimArea::Refresh()
{
    m_tracker.rect = m_rules.Tracker();
    m_tracker.handleMask = m_rules.HandleMask();
    update();
}

Qt::CursorShape CTrimArea::CursorFor(int hit)
{
    switch (hit) {
    case CTrimTracker::hitTopLeft:
    case CTrimTracker::hitBottomRight: return Qt::SizeFDiagCursor;
    case CTrimTracker::hitTopRight:
    case CTrimTracker::hitBottomLeft: return Qt::SizeBDiagCursor;
    case CTrimTracker::hitTop:
    case CTrimTracker::hitBottom: return Qt::SizeVerCursor;
    case CTrimTracker::hitLeft:
    case CTrimTracker::hitRight: return Qt::SizeHorCursor;
    case CTrimTracker::hitMiddle: return Qt::SizeAllCursor;
    default: return Qt::ArrowCursor;
    }
}

void CTrimArea::UpdateCursor(QPoint point)
{
    setCursor(m_rules.TrackerMoves() ? CursorFor(m_tracker.HitTest(ToPoint(point))) : Qt::ArrowCursor);
}

void CTrimArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect area = ToQRect(CTrimmingRules::Shrunk({0, 0, width(), height()}, 1));
    painter.setClipRect(area);
    const QRect display = ToQRect(m_rules.DisplayRect());
    // Button face around the picture, the picture itself inside.
    QRegion around(area);
    around -= display;
    for (const QRect& band : around)
        painter.fillRect(band, palette().color(QPalette::Button));
    painter.drawImage(display.topLeft(), m_picture);

    // The tracker: a hatched border, its handles outside.
    const QRect tracker = ToQRect(m_tracker.rect);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QBrush(Qt::black, Qt::BDiagPattern));
    QRegion border(tracker.adjusted(-3, -3, 3, 3));
    border -= tracker;
    painter.setClipRegion(border.intersected(area));
    painter.drawRect(tracker.adjusted(-3, -3, 3, 3));
    painter.setClipRect(area);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(tracker.adjusted(0, 0, -1, -1));
    for (int handle = CTrimTracker::hitTopLeft; handle <= CTrimTracker::hitLeft; ++handle) {
        if (m_tracker.handleMask & (1 << handle))
            painter.fillRect(ToQRect(m_tracker.HandleRect(handle)), Qt::black);
    }
}

void CTrimArea::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_rules.TrackerMoves())
        return;
    const int hit = m_tracker.HitTest(ToPoint(event->position().toPoint()));
    if (hit == CTrimTracker::hitNothing)
        return;
    m_tracker.Begin(hit, ToPoint(event->position().toPoint()));
    m_bDragging = true;
}

void CTrimArea::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_bDragging) {
        UpdateCursor(event->position().toPoint());
        return;
    }
    m_tracker.rect = m_tracker.Drag(ToPoint(event->position().toPoint()), event->modifiers() & Qt::ShiftModifier);
    update();
}

void CTrimArea::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_bDragging || event->button() != Qt::LeftButton)
        return;
    m_bDragging = false;
    m_tracker.rect = m_tracker.Drag(ToPoint(event->position().toPoint()), event->modifiers() & Qt::ShiftModifier);
    m_rules.SetTracker(m_tracker.rect);
    Refresh();
    emit trackerChanged();
}
