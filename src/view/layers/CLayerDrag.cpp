#include "CLayerDrag.h"

#include "CLayerRows.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QScrollBar>

CLayerDrag::CLayerDrag(QListWidget& list, Hooks hooks) : QObject(&list), m_list(list), m_hooks(std::move(hooks))
{
    list.viewport()->installEventFilter(this);
    list.installEventFilter(this);
}

CLayerDrag::~CLayerDrag() = default;

void CLayerDrag::Cancel()
{
    m_nRow = -1;
    m_bDragging = false;
    m_pImage.reset();
    m_list.viewport()->unsetCursor();
}

bool CLayerDrag::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_list) {
        if (event->type() == QEvent::FocusOut && m_bDragging)
            Cancel();
        return false;
    }
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        return OnPress(mouse->position().toPoint(), mouse->button());
    }
    case QEvent::MouseMove: return OnMove(static_cast<QMouseEvent*>(event)->position().toPoint());
    case QEvent::MouseButtonRelease:
        return static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton
               && OnRelease(static_cast<QMouseEvent*>(event)->position().toPoint());
    default: return false;
    }
}

bool CLayerDrag::OnPress(QPoint point, Qt::MouseButton button)
{
    if (button != Qt::LeftButton) {
        const bool wasDragging = m_bDragging;
        Cancel();
        return wasDragging;
    }
    const int row = m_list.indexAt(point).row();
    m_nRow = row >= 0 && m_hooks.canDrag(row) ? row : -1;
    m_ptPress = point;
    return false;
}

bool CLayerDrag::OnMove(QPoint point)
{
    if (m_nRow < 0)
        return false;
    if (!m_bDragging && (point - m_ptPress).manhattanLength() >= QApplication::startDragDistance())
        Begin();
    if (m_bDragging)
        Follow(point);
    // The list must not move its selection along while a row may be dragged.
    return true;
}

bool CLayerDrag::OnRelease(QPoint point)
{
    if (!m_bDragging) {
        m_nRow = -1;
        return false;
    }
    const int row = m_nRow;
    const int target = TargetAt(point.y());
    Cancel();
    m_hooks.drop(row, target);
    m_list.viewport()->update();
    return true;
}

void CLayerDrag::Begin()
{
    m_bDragging = true;
    const QRect rect = m_list.visualItemRect(m_list.item(m_nRow));
    m_pImage = std::make_unique<QLabel>(nullptr, Qt::ToolTip | Qt::FramelessWindowHint);
    m_pImage->setPixmap(m_list.viewport()->grab(rect));
    m_pImage->setWindowOpacity(0.7);
    m_list.viewport()->setCursor(Qt::DragMoveCursor);
}

void CLayerDrag::Follow(QPoint point)
{
    QScrollBar* bar = m_list.verticalScrollBar();
    if (point.y() < 0)
        bar->setValue(bar->value() - scrollStep);
    else if (point.y() > m_list.viewport()->height())
        bar->setValue(bar->value() + scrollStep);
    if (m_pImage) {
        m_pImage->move(m_list.viewport()->mapToGlobal(point) + QPoint(8, 8));
        m_pImage->show();
    }
}

int CLayerDrag::TargetAt(int y) const
{
    const int count = m_list.count();
    const QModelIndex top = m_list.indexAt(QPoint(1, 1));
    const int topRow = top.isValid() ? top.row() : 0;
    const QRect topRect = count > 0 ? m_list.visualItemRect(m_list.item(topRow)) : QRect();
    const int rowHeight = std::max(1, topRect.height());
    const CLayerRows::DropGeometry geometry{topRow, topRect.top(), rowHeight,
                                            m_list.viewport()->height() / rowHeight, count};
    return CLayerRows::DropTarget(geometry, y, m_hooks.hasMaterialRow());
}
