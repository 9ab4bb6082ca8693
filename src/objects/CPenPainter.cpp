#include "CPenPainter.h"

#include "CPointPath.h"
#include "CSymbolObj.h"

#include "imaging/CDibImage.h"
#include "imaging/ColourFill.h"

#include <QPainter>


CPenPainter::CPenPainter() = default;
CPenPainter::~CPenPainter() = default;

void CPenPainter::SetPen(int width, COLORREF colour)
{
    m_nWidth = width;
    m_crPen = colour;
}

bool CPenPainter::BeginStroke(CSymbolObj* target, int x, int y, bool stroking)
{
    m_pStroke.reset();
    if (!target)
        return false;
    m_pTarget = target;
    m_bStroking = stroking ? 1 : 0;
    m_pStroke = std::make_unique<CPointPath>();
    m_pStroke->Add(x, y);
    m_ptLast = {x, y};
    return true;
}

CPoint CPenPainter::AddPoint(int x, int y)
{
    const CPoint previous = m_ptLast;
    if (m_pTarget && m_pStroke && CPoint{x, y} != m_ptLast) {
        m_pStroke->Add(x, y);
        m_ptLast = {x, y};
    }
    return previous;
}

bool CPenPainter::EndStroke(int x, int y)
{
    if (!m_pTarget || !m_pStroke)
        return false;
    AddPoint(x, y);
    m_bStroking = 0;
    CDibImage* image = m_pTarget->GetImage(false);
    QImage surface = image ? image->PaintSurface() : QImage();
    if (!surface.isNull() && m_pStroke->GetSize() > 0) {
        QPainter painter(&surface);
        const QColor colour(GetRValue(m_crPen), GetGValue(m_crPen), GetBValue(m_crPen));
        const CPoint first = (*m_pStroke)[0];
        const int r = m_nWidth / 2;
        if (r > 0) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(colour);
            painter.drawEllipse(QRect(first.x - r, first.y - r, 2 * r + 1, 2 * r + 1));
        } else {
            image->SetPixel(first.x, first.y, m_crPen);
        }
        // Wide pens have round ends and joins.
        painter.setPen(QPen(colour, std::max(m_nWidth, 1), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        if (m_pStroke->GetSize() > 1)
            m_pStroke->Draw(painter);
    }
    m_pStroke.reset();
    m_pTarget = nullptr;
    return true;
}

bool CPenPainter::FillAt(CSymbolObj* target, int x, int y, COLORREF colour, SurfaceChange* painted)
{
    m_pTarget = nullptr;
    CDibImage* image = target ? target->GetImage(false) : nullptr;
    if (!image || image->BitCount() != 24)
        return false;
    const COLORREF fill = colour == colorNone ? m_crPen : colour;
    const std::uint8_t fillBgr[3] = {std::uint8_t(GetBValue(fill)), std::uint8_t(GetGValue(fill)), std::uint8_t(GetRValue(fill))};
    // The surface of exactly the clicked pixel's colour.
    return ColourFill::Run(*image, x, y, fillBgr, painted);
}
