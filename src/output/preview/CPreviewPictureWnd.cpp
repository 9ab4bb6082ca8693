#include "CPreviewPictureWnd.h"

#include "CPreviewRules.h"

#include "output/CPreviewPicture.h"
#include "view/artwork/CArtwork.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

CPreviewPictureWnd::CPreviewPictureWnd(const CPreviewPicture& picture, const std::vector<std::uint8_t>& grey,
                                       int width, int height, QWidget* parent)
    : CScrollWnd(parent)
    , m_picture(picture)
    , m_grey(grey)
    , m_width(width)
    , m_height(height)
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    // Every pixel is painted here, margins included.
    SetEraseOnScroll(false);
    viewport()->setCursor(CArtwork::Cursor(CursorKind::Scroll));
}

void CPreviewPictureWnd::SetZoom(int zoom, COLORREF colour0, COLORREF colour1)
{
    m_zoom = CPreviewRules::ZoomFromSetting(zoom);
    m_ramp = CPreviewPicture::Ramp(colour0, colour1, m_zoom == 4 ? 2 : 16);
    SetScrollSizes({m_width * m_zoom, m_height * m_zoom}, {pageStep, pageStep}, {lineStep, lineStep});
    viewport()->update();
}

CPoint CPreviewPictureWnd::CentringOffset() const
{
    const QSize client = ClientSize();
    return CPreviewRules::CentringOffset({client.width(), client.height()}, TotalSize());
}

void CPreviewPictureWnd::ScrollToCentre()
{
    const QSize client = ClientSize();
    const CPoint position = CPreviewRules::CentredScrollPosition({client.width(), client.height()}, TotalSize());
    ScrollTo(position.x, position.y);
}

void CPreviewPictureWnd::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    const CPoint offset = CentringOffset();
    FillMargins(painter, offset);
    const QSize client = ClientSize();
    const CSize total = TotalSize();
    // One source pixel more on each side than the window shows, so that
    // pixels cut by its edges are whole.
    const CSize output{std::min(client.width() + 2 * m_zoom, total.cx), std::min(client.height() + 2 * m_zoom, total.cy)};
    const CPoint scroll = GetScrollPosition();
    const QImage part = m_picture.RenderPart(m_grey, m_width, m_height, m_zoom, m_ramp, scroll, output);
    if (!part.isNull())
        painter.drawImage(QPoint(offset.x - scroll.x % m_zoom, offset.y - scroll.y % m_zoom), part);
}

void CPreviewPictureWnd::FillMargins(QPainter& painter, CPoint offset) const
{
    const QColor window = palette().color(QPalette::Base);
    const int clientHeight = ClientSize().height();
    const CSize total = TotalSize();
    // A band one pixel wider than its offset covers what an odd split leaves.
    if (offset.x > 0) {
        painter.fillRect(0, 0, offset.x, clientHeight + 1, window);
        painter.fillRect(offset.x + total.cx, 0, offset.x + 1, clientHeight + 1, window);
    }
    if (offset.y > 0) {
        painter.fillRect(offset.x, 0, total.cx, offset.y, window);
        painter.fillRect(offset.x, offset.y + total.cy, total.cx, offset.y + 1, window);
    }
}

void CPreviewPictureWnd::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return CScrollWnd::mousePressEvent(event);
    const CPoint scroll = GetScrollPosition();
    m_dragAnchor = event->position().toPoint() + QPoint(scroll.x, scroll.y);
    viewport()->setCursor(CArtwork::Cursor(CursorKind::HandScroll));
}

void CPreviewPictureWnd::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_dragAnchor)
        return CScrollWnd::mouseMoveEvent(event);
    // Without the left button the drag ended where this window did not hear of it.
    if (!(event->buttons() & Qt::LeftButton))
        return EndDrag();
    const QPoint target = *m_dragAnchor - event->position().toPoint();
    const QSize client = ClientSize();
    const CSize total = TotalSize();
    ScrollTo(total.cx > client.width() ? target.x() : 0, total.cy > client.height() ? target.y() : 0);
}

void CPreviewPictureWnd::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_dragAnchor)
        return EndDrag();
    CScrollWnd::mouseReleaseEvent(event);
}

void CPreviewPictureWnd::EndDrag()
{
    m_dragAnchor.reset();
    viewport()->setCursor(CArtwork::Cursor(CursorKind::Scroll));
}
