#include "CScrollWnd.h"

#include <QScrollBar>

CScrollWnd::CScrollWnd(QWidget* parent)
    : QAbstractScrollArea(parent)
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The bar's page is the thumb's size (the client extent); a page step
    // scrolls by the owner's page instead.
    connect(horizontalScrollBar(), &QAbstractSlider::actionTriggered, this,
            [this](int action) { OnBarAction(horizontalScrollBar(), m_sizePage.cx, action); });
    connect(verticalScrollBar(), &QAbstractSlider::actionTriggered, this,
            [this](int action) { OnBarAction(verticalScrollBar(), m_sizePage.cy, action); });
    SetEraseOnScroll(true);
}

void CScrollWnd::SetScrollSizes(CSize total, CSize page, CSize line)
{
    m_sizeTotal = total;
    m_sizePage = page;
    m_sizeLine = line;
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    UpdateBars();
}

CPoint CScrollWnd::GetScrollPosition() const
{
    const bool horizontal = horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOn;
    const bool vertical = verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn;
    return {horizontal ? horizontalScrollBar()->value() : 0, vertical ? verticalScrollBar()->value() : 0};
}

void CScrollWnd::ScrollTo(int x, int y)
{
    const QSize client = ClientSize();
    if (m_sizeTotal.cx > client.width())
        horizontalScrollBar()->setValue(x);
    if (m_sizeTotal.cy > client.height())
        verticalScrollBar()->setValue(y);
    viewport()->update();
}

void CScrollWnd::SetEraseOnScroll(bool erase)
{
    m_bEraseOnScroll = erase;
    viewport()->setAutoFillBackground(erase);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent, !erase);
}

QSize CScrollWnd::ClientSize() const
{
    QSize size = contentsRect().size();
    if (verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn)
        size.rwidth() -= verticalScrollBar()->sizeHint().width();
    if (horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOn)
        size.rheight() -= horizontalScrollBar()->sizeHint().height();
    return size.expandedTo(QSize(0, 0));
}

void CScrollWnd::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateBars();
}

void CScrollWnd::scrollContentsBy(int, int)
{
    viewport()->update();
}

void CScrollWnd::UpdateBars()
{
    if (m_bUpdatingBars)
        return;
    m_bUpdatingBars = true;
    // Decide both bars before showing either: a bar on one axis takes room
    // from the other, which may then need its own. Two rounds settle it.
    const QSize area = contentsRect().size();
    const int barWidth = verticalScrollBar()->sizeHint().width();
    const int barHeight = horizontalScrollBar()->sizeHint().height();
    bool horizontal = false;
    bool vertical = false;
    for (int round = 0; round < 2; ++round) {
        horizontal = m_sizeTotal.cx > area.width() - (vertical ? barWidth : 0);
        vertical = m_sizeTotal.cy > area.height() - (horizontal ? barHeight : 0);
    }
    const int clientWidth = area.width() - (vertical ? barWidth : 0);
    const int clientHeight = area.height() - (horizontal ? barHeight : 0);
    SetBarShown(Qt::Horizontal, horizontal);
    SetBarShown(Qt::Vertical, vertical);
    UpdateBar(horizontalScrollBar(), horizontal, m_sizeTotal.cx, clientWidth, m_sizeLine.cx);
    UpdateBar(verticalScrollBar(), vertical, m_sizeTotal.cy, clientHeight, m_sizeLine.cy);
    m_bUpdatingBars = false;
}

void CScrollWnd::UpdateBar(QScrollBar* bar, bool shown, int total, int clientExtent, int line)
{
    if (!shown) {
        bar->setRange(0, 0);
        return;
    }
    bar->setRange(0, total - clientExtent);
    bar->setPageStep(clientExtent);
    bar->setSingleStep(qMax(1, line));
}

void CScrollWnd::SetBarShown(Qt::Orientation orientation, bool shown)
{
    const Qt::ScrollBarPolicy policy = shown ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
    if (orientation == Qt::Horizontal)
        setHorizontalScrollBarPolicy(policy);
    else
        setVerticalScrollBarPolicy(policy);
}

void CScrollWnd::OnBarAction(QScrollBar* bar, int pageStep, int action)
{
    if (action == QAbstractSlider::SliderPageStepAdd)
        bar->setSliderPosition(bar->value() + pageStep);
    else if (action == QAbstractSlider::SliderPageStepSub)
        bar->setSliderPosition(bar->value() - pageStep);
}
