#include "CMaterialPreviewFrame.h"

#include "CMaterialPreviewRules.h"

#include "objects/CDibObj.h"

#include <QPainter>
#include <QPolygon>

CMaterialPreviewFrame::CMaterialPreviewFrame(QWidget* parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setMinimumSize(sizeHint());
}

void CMaterialPreviewFrame::SetMaterial(CSize size, int shape, const CDibObj* library)
{
    m_size = size;
    m_nShape = shape;
    m_pLibrary = library;
    update();
}

void CMaterialPreviewFrame::paintEvent(QPaintEvent* event)
{
    {
        QPainter painter(this);
        const QRect inside = contentsRect();
        painter.fillRect(inside, Qt::white);
        const QRect square = CMaterialPreviewRules::Square(inside);
        if (m_pLibrary)
            DrawLibrary(painter, square);
        else
            DrawShape(painter, CMaterialPreviewRules::FitShape(square, m_size));
    }
    QFrame::paintEvent(event);
}

void CMaterialPreviewFrame::DrawShape(QPainter& painter, const QRect& fitted) const
{
    painter.setPen(Qt::black);
    painter.setBrush(Qt::black);
    // Outlines are drawn through their corners' pixels, as fills are.
    const QRect outline = fitted.adjusted(0, 0, -1, -1);
    if (m_nShape == 1) {
        const int midX = (fitted.left() + fitted.right() + 1) / 2, midY = (fitted.top() + fitted.bottom() + 1) / 2;
        painter.drawPolygon(QPolygon({QPoint(midX, outline.top()), QPoint(outline.right(), midY),
                                      QPoint(midX, outline.bottom()), QPoint(outline.left(), midY)}));
    } else if (m_nShape == 2) {
        painter.drawEllipse(outline);
    } else {
        painter.drawRect(outline);
    }
}

void CMaterialPreviewFrame::DrawLibrary(QPainter& painter, const QRect& square) const
{
    const CDibImage& picture = m_pLibrary->StoredImage();
    const CRect part = CMaterialPreviewRules::LibraryPart({picture.Width(), picture.Height()}, m_pLibrary->GetSize(), m_size);
    const CRect dest{square.left(), square.top(), square.left() + square.width(), square.top() + square.height()};
    picture.StretchDraw(painter, &dest, &part, true, StretchMode::Halftone);
}
