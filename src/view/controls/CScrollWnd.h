#pragma once

#include "platform/CPoint.h"
#include "platform/CSize.h"

#include <QAbstractScrollArea>

class QScrollBar;

// A plain scrolling window: the owner gives the size of what it shows and
// the steps, and this keeps the bars in line with the client area. A bar is
// there only while its axis does not fit; a missing bar means position 0.
class CScrollWnd : public QAbstractScrollArea
{
    Q_OBJECT

public:
    explicit CScrollWnd(QWidget* parent = nullptr);

    // total: the size of the content; page and line: what a page or a line
    // step scrolls by. Scrolls back to the origin.
    void SetScrollSizes(CSize total, CSize page, CSize line);
    CSize TotalSize() const { return m_sizeTotal; }

    CPoint GetScrollPosition() const;
    // Axes that fit are left alone; the others are clamped to their range.
    void ScrollTo(int x, int y);

    // Whether the client area is cleared before it is repainted after a
    // scroll; off for owners that paint every pixel themselves.
    void SetEraseOnScroll(bool erase);
    bool EraseOnScroll() const { return m_bEraseOnScroll; }

    // The client area: the window inside its frame and the bars shown.
    QSize ClientSize() const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void UpdateBars();
    void UpdateBar(QScrollBar* bar, bool shown, int total, int clientExtent, int line);
    void SetBarShown(Qt::Orientation orientation, bool shown);
    void OnBarAction(QScrollBar* bar, int pageStep, int action);

    CSize m_sizeTotal;
    CSize m_sizePage;
    CSize m_sizeLine;
    bool m_bEraseOnScroll = true;
    // Showing or hiding a bar resizes the client area, which asks for
    // another update while this one is still running.
    bool m_bUpdatingBars = false;
};
