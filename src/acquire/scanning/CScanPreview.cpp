#include "CScanPreview.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>

CScanPreview::CScanPreview(QWidget* parent)
    : QWidget(parent), m_pBand(new QRubberBand(QRubberBand::Rectangle, this))
{
    setObjectName(QStringLiteral("ScanPreview"));
    setMinimumSize(160, 200);
    setCursor(Qt::CrossCursor);
}

void CScanPreview::SetArea(const QRectF& areaMm)
{
    m_area = areaMm;
    m_selection = {};
    ShowBand();
    update();
}

void CScanPreview::SetPicture(const QImage& picture)
{
    m_picture = picture;
    update();
}

QRectF CScanPreview::Selection() const
{
    return m_selection.isEmpty() ? m_area : m_selection;
}

void CScanPreview::SetSelection(const QRectF& areaMm)
{
    m_selection = areaMm.intersected(m_area);
    if (m_selection == m_area)
        m_selection = {};
    ShowBand();
    emit selectionChanged(Selection());
}

QRectF CScanPreview::Page() const
{
    if (m_area.isEmpty())
        return {};
    const QRectF inner = QRectF(rect()).adjusted(4, 4, -4, -4);
    const double scale = std::min(inner.width() / m_area.width(), inner.height() / m_area.height());
    const QSizeF size = m_area.size() * scale;
    return {inner.center() - QPointF(size.width() / 2, size.height() / 2), size};
}

QPointF CScanPreview::ToMm(QPointF point) const
{
    const QRectF page = Page();
    if (page.isEmpty())
        return {};
    const double x = std::clamp((point.x() - page.left()) / page.width(), 0.0, 1.0);
    const double y = std::clamp((point.y() - page.top()) / page.height(), 0.0, 1.0);
    return {m_area.left() + x * m_area.width(), m_area.top() + y * m_area.height()};
}

QRectF CScanPreview::ToWidget(const QRectF& mm) const
{
    const QRectF page = Page();
    if (page.isEmpty() || m_area.isEmpty())
        return {};
    const double sx = page.width() / m_area.width(), sy = page.height() / m_area.height();
    return {page.left() + (mm.left() - m_area.left()) * sx, page.top() + (mm.top() - m_area.top()) * sy,
            mm.width() * sx, mm.height() * sy};
}

void CScanPreview::ShowBand()
{
    if (m_selection.isEmpty()) {
        m_pBand->hide();
        return;
    }
    m_pBand->setGeometry(ToWidget(m_selection).toAlignedRect());
    m_pBand->show();
}

void CScanPreview::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Dark));
    const QRectF page = Page();
    if (page.isEmpty())
        return;
    painter.fillRect(page, Qt::white);
    if (!m_picture.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(page, m_picture);
    }
    painter.setPen(palette().color(QPalette::Shadow));
    painter.drawRect(page.adjusted(0, 0, -1, -1));
}

void CScanPreview::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_ptFrom = event->position();
    m_bDragging = true;
}

void CScanPreview::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_bDragging)
        return;
    m_selection = QRectF(ToMm(m_ptFrom), ToMm(event->position())).normalized();
    ShowBand();
}

void CScanPreview::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_bDragging || event->button() != Qt::LeftButton)
        return;
    m_bDragging = false;
    const QRectF marked = QRectF(ToMm(m_ptFrom), ToMm(event->position())).normalized();
    // A click, or a band too small to scan, marks the whole area.
    SetSelection(marked.width() < 1 || marked.height() < 1 ? QRectF() : marked);
}

void CScanPreview::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    ShowBand();
}
