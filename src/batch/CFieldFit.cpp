#include "CFieldFit.h"

#include "objects/CTextObj.h"

#include <algorithm>
#include <cmath>

CFieldFit::CFieldFit(CSymbolObj& object) : m_object(object), m_box(object.GetSize())
{
    if (auto* block = dynamic_cast<CTextObj*>(&object))
        m_font = block->m_lf;
    else if (auto* line = dynamic_cast<CFreeTextObj*>(&object))
        m_template = line->MeasureStretch();
}

bool CFieldFit::Apply(const QByteArray& bytes)
{
    if (auto* line = dynamic_cast<CFreeTextObj*>(&m_object))
        return FitLine(*line, bytes);
    return FitBlock(bytes);
}

bool CFieldFit::FitLine(CFreeTextObj& line, const QByteArray& bytes)
{
    line.m_strName = bytes;
    // The engine lays out at least one glyph.
    line.m_layout.m_strText = bytes.isEmpty() ? QByteArray(" ") : bytes;
    line.m_layout.DropRegion();
    line.SetSize(m_box.cx, m_box.cy);
    line.FitNatural();
    // Glyph advances are whole dots and fonts whole pixels: a few steps
    // find the largest height that fits.
    bool shrunk = false;
    for (int step = 0; step < 6 && line.Overflow(m_template) > 1; ++step) {
        const int height = line.GetSize().cy;
        line.SetSize(line.GetSize().cx, std::max(1, std::min(height - 1, int(height / line.Overflow(m_template)))));
        line.FitNatural();
        shrunk = true;
    }
    return shrunk;
}

bool CFieldFit::FitBlock(const QByteArray& bytes)
{
    auto& block = static_cast<CTextObj&>(m_object);
    block.m_strName = bytes;
    block.m_lf = m_font;
    block.DiscardCache();
    block.Measure();
    bool shrunk = false;
    // The width does not follow the height exactly (whole-pixel fonts): a
    // few steps find the largest font that fits.
    for (int step = 0; step < 4 && block.GetSize().cx > m_box.cx; ++step) {
        const CSize size = block.GetSize();
        block.SetSize(size.cx, std::max(1, int(std::floor(double(size.cy) * m_box.cx / size.cx))));
        shrunk = true;
    }
    return shrunk;
}
