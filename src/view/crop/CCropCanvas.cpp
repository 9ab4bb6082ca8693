#include "CCropCanvas.h"

#include "CCropRules.h"

#include "imaging/CCropMask.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

CCropCanvas::CCropCanvas(QWidget* parent) : CScrollWnd(parent)
{
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
}

void CCropCanvas::SetMask(const CCropMask* mask, CSize pictureSize)
{
    m_pMask = mask;
    m_sizePicture = pictureSize;
    SetZoom(m_nZoom);
}

void CCropCanvas::SetClipColor(COLORREF color)
{
    m_crClip = color;
    viewport()->update();
}

CSize CCropCanvas::ClientExtent() const
{
    const QSize client = ClientSize();
    return {client.width(), client.height()};
}

CPoint CCropCanvas::Offset() const
{
    return CCropRules::CentringOffset(ClientExtent(), CCropRules::ScaledSize(m_sizePicture, m_nZoom));
}

QPoint CCropCanvas::PictureOrigin() const
{
    const CPoint offset = Offset(), scroll = GetScrollPosition();
    return {offset.x - scroll.x, offset.y - scroll.y};
}

CPoint CCropCanvas::PicturePoint(QPoint window) const
{
    const QPoint content = window - PictureOrigin();
    return CCropRules::PicturePoint({content.x(), content.y()}, m_nZoom);
}

int CCropCanvas::FitZoom() const
{
    const QSize window = contentsRect().size();
    return CCropRules::FitZoom({window.width(), window.height()}, m_sizePicture);
}

void CCropCanvas::SetZoom(int zoomPercent)
{
    SetZoom(zoomPercent, QPoint(viewport()->width() / 2, viewport()->height() / 2));
}

void CCropCanvas::SetZoom(int zoomPercent, QPoint anchor)
{
    const CPoint held = PicturePoint(anchor);
    m_nZoom = zoomPercent;
    const CSize scaled = CCropRules::ScaledSize(m_sizePicture, m_nZoom);
    // A line is a picture pixel at most zooms, never less than a few window pixels.
    const int line = std::max(m_nZoom / 100, 8);
    SetScrollSizes(scaled, {std::max(ClientExtent().cx, 1), std::max(ClientExtent().cy, 1)}, {line, line});
    const CPoint offset = Offset();
    ScrollTo(int(std::int64_t(held.x) * m_nZoom / 100) + offset.x - anchor.x(),
             int(std::int64_t(held.y) * m_nZoom / 100) + offset.y - anchor.y());
    viewport()->update();
}

void CCropCanvas::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), palette().color(QPalette::Dark));
    if (!m_pMask)
        return;
    const QPoint origin = PictureOrigin();
    m_pMask->Show(painter, m_nZoom, {origin.x(), origin.y()}, m_crClip);
}

void CCropCanvas::resizeEvent(QResizeEvent* event)
{
    CScrollWnd::resizeEvent(event);
    viewport()->update();
}

void CCropCanvas::mousePressEvent(QMouseEvent* event)
{
    emit MousePressed(event);
}

void CCropCanvas::mouseMoveEvent(QMouseEvent* event)
{
    emit MouseMoved(event);
}

void CCropCanvas::mouseReleaseEvent(QMouseEvent* event)
{
    emit MouseReleased(event);
}

void CCropCanvas::mouseDoubleClickEvent(QMouseEvent* event)
{
    emit MouseDoubleClicked(event);
}

void CCropCanvas::wheelEvent(QWheelEvent* event)
{
    emit WheelTurned(event);
    event->accept();
}
