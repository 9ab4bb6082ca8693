#include "CTextLayout.h"

#include "CTextAttributes.h"
#include "FontMapper.h"

#include "platform/AnsiCodec.h"
#include "platform/CArchive.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// An outline needs one point per pixel of band: more than this only comes
// from damaged records and would eat the memory.
constexpr std::int64_t maximumSegments = 1 << 20;
constexpr int minimumFittedAdvance = 2;

// trunc(v + 0.5), as the layout has always rounded; kept inside a range
// that later sums cannot overflow.
int RoundUp(double value)
{
    if (!std::isfinite(value))
        return 0;
    return int(std::trunc(std::clamp(value + 0.5, -1073741824.0, 1073741823.0)));
}

std::int64_t Sum(const std::vector<int>& values)
{
    std::int64_t sum = 0;
    for (int v : values)
        sum += v;
    return sum;
}

struct Metrics
{
    int ascent = 1;
    int descent = 0;
    int Height() const { return ascent + descent; }
};

Metrics MetricsOf(const QFont& font)
{
    const QFontMetrics fm(font);
    Metrics m{fm.ascent(), fm.descent()};
    if (m.Height() <= 0)
        m = Metrics{};
    return m;
}

} // namespace

CTextLayout::CTextLayout()
    : m_lf(CTextAttributes::DefaultFont())
{
}

CTextLayout::CTextLayout(const CTextLayout& other)
{
    *this = other;
}

CTextLayout& CTextLayout::operator=(const CTextLayout& other)
{
    if (this == &other)
        return *this;
    m_strText = other.m_strText;
    m_lf = other.m_lf;
    m_nMode = other.m_nMode;
    m_bInvert = other.m_bInvert;
    m_nReserved = other.m_nReserved;
    m_bReverse = other.m_bReverse;
    m_bRotateGlyphs = other.m_bRotateGlyphs;
    m_fCenterX = other.m_fCenterX;
    m_fCenterY = other.m_fCenterY;
    m_fAngle = other.m_fAngle;
    m_fRadius = other.m_fRadius;
    m_fSpread = other.m_fSpread;
    m_fHeight = other.m_fHeight;
    m_fReserved = other.m_fReserved;
    m_outline.clear();
    m_advances.clear();
    m_region.reset();
    return *this;
}

void CTextLayout::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteString(m_strText);
        m_lf.Serialize(ar);
        ar << m_nMode << m_bInvert << m_nReserved << m_bReverse << m_bRotateGlyphs << m_fCenterX << m_fCenterY
           << m_fAngle << m_fRadius << m_fSpread << m_fHeight << m_fReserved;
        return;
    }
    m_strText = ar.ReadString();
    m_lf.Serialize(ar);
    ar >> m_nMode >> m_bInvert >> m_nReserved >> m_bReverse >> m_bRotateGlyphs >> m_fCenterX >> m_fCenterY
        >> m_fAngle >> m_fRadius >> m_fSpread >> m_fHeight >> m_fReserved;
    m_outline.clear();
    m_advances.clear();
    m_region.reset();
}

QList<QByteArray> CTextLayout::Glyphs() const
{
    const int charSet = m_lf.lfCharSet;
    const bool doubleByte = charSet >= 128 && charSet <= 136;
    QList<QByteArray> glyphs;
    for (qsizetype i = 0; i < m_strText.size(); ++i) {
        const bool pair = doubleByte && i + 1 < m_strText.size()
                          && AnsiCodec::IsLeadByte(static_cast<unsigned char>(m_strText[i]), charSet);
        glyphs.append(m_strText.mid(i, pair ? 2 : 1));
        if (pair)
            ++i;
    }
    // Reversed here rather than at drawing time, so that advances and
    // positions belong to the glyphs that are drawn there.
    if (m_bReverse)
        std::reverse(glyphs.begin(), glyphs.end());
    return glyphs;
}

QString CTextLayout::GlyphText(const QByteArray& glyph) const
{
    return AnsiCodec::Decode(glyph, m_lf.lfCharSet);
}

int CTextLayout::MeasureChars()
{
    const QFont font = FontMapper::Map(m_lf);
    const QFontMetrics fm(font);
    const int cellHeight = fm.ascent() + fm.descent();
    m_advances.clear();
    for (const QByteArray& glyph : Glyphs())
        m_advances.push_back(m_bRotateGlyphs ? cellHeight : fm.horizontalAdvance(GlyphText(glyph)));
    return int(std::min<std::int64_t>(Sum(m_advances), maximumSegments * 2));
}

int CTextLayout::FitAdvances(int total, int base)
{
    const std::int64_t n = std::int64_t(m_advances.size());
    // An empty text has nothing to spread.
    if (n == 0)
        return total;
    const double target = IsStraight() ? base * double(m_fSpread) * 0.01
                                       : (base * 0.5 + double(m_fRadius)) * double(m_fSpread) * 0.06283186;
    const std::int64_t length = RoundUp(target);
    const std::int64_t step = (n + length - total - 1) / n;
    if (step == 0)
        return total;
    for (int& advance : m_advances) {
        std::int64_t fitted = advance + step;
        if (step < 0)
            fitted = std::max<std::int64_t>(fitted, minimumFittedAdvance);
        // One past the limit, so that an absurd band is refused when outlined.
        advance = int(std::clamp<std::int64_t>(fitted, -maximumSegments - 1, maximumSegments + 1));
    }
    return int(std::clamp<std::int64_t>(Sum(m_advances), -2 * maximumSegments - 2, 2 * maximumSegments + 2));
}

float CTextLayout::NaturalSpread(int base)
{
    const int total = MeasureChars();
    // The band's length per unit of opening, as FitAdvances works it out.
    const double perSpread = IsStraight() ? base * 0.01 : (base * 0.5 + double(m_fRadius)) * 0.06283186;
    // A quarter dot short: the band's length rounds to the advances' sum.
    return perSpread > 0 && total > 0 ? float((total - 0.25) / perSpread) : m_fSpread;
}

void CTextLayout::BuildOutline(int segmentsA, int segmentsB, int base, CPoint offset)
{
    m_outline.clear();
    if (segmentsA < 1 || segmentsB < 1 || segmentsA > maximumSegments || segmentsB > maximumSegments)
        return;
    m_outline.reserve(std::size_t(segmentsA) + std::size_t(segmentsB) + 2);
    const double centerX = double(m_fCenterX) + offset.x, centerY = double(m_fCenterY) + offset.y;
    const double height = m_fHeight;
    const auto line = [this](double x0, double y0, double x1, double y1, int segments) {
        for (int i = 0; i <= segments; ++i) {
            const double from = double(segments - i) / segments, to = double(i) / segments;
            m_outline.push_back({RoundUp(x0 * from + x1 * to), RoundUp(y0 * from + y1 * to)});
        }
    };
    if (IsStraight()) {
        const double a = (double(m_fAngle) - 90) * std::numbers::pi / 180;
        double co = std::cos(a), si = std::sin(a);
        if (std::abs(co) < 0.0001)
            co = 0;
        if (std::abs(si) < 0.0001)
            si = 0;
        const double r = base * double(m_fSpread) * 0.01 / 2;
        const double h = height / 2;
        line(centerX + (-co * h - si * r), centerY + (co * r - si * h), centerX + (-co * h + si * r),
             centerY + (-si * h - co * r), segmentsA);
        line(centerX + (co * h + si * r), centerY + (si * h - co * r), centerX + (co * h - si * r),
             centerY + (si * h + co * r), segmentsB);
        return;
    }
    const double angle = double(m_fAngle) / 180, spread = double(m_fSpread) / 100;
    const double low = (angle - spread - 0.5) * std::numbers::pi;
    const double high = (angle + spread - 0.5) * std::numbers::pi;
    const double span = double(m_fSpread) * 0.06283186;
    const double inner = base - height / 2, outer = base + height / 2;
    for (int i = 0; i <= segmentsA; ++i) {
        const double t = high - span * i / segmentsA;
        m_outline.push_back({RoundUp(centerX + inner * std::cos(t)), RoundUp(centerY + inner * std::sin(t))});
    }
    for (int j = 0; j <= segmentsB; ++j) {
        const double t = low + span * j / segmentsB;
        m_outline.push_back({RoundUp(centerX + outer * std::cos(t)), RoundUp(centerY + outer * std::sin(t))});
    }
}

bool CTextLayout::Layout(int base, CPoint offset)
{
    m_outline.clear();
    const int total = MeasureChars();
    if (m_advances.empty())
        return false;
    const int fitted = FitAdvances(total, base);
    BuildOutline(fitted, fitted, base, offset);
    return HasOutline();
}

std::vector<CPoint> CTextLayout::GlyphPositions() const
{
    const std::vector<CPoint>& p = m_outline;
    const std::int64_t count = std::int64_t(p.size());
    if (!HasOutline())
        return {};
    const Metrics m = MetricsOf(FontMapper::Map(m_lf));
    std::int64_t a = m_bInvert ? count / 2 : 0;
    std::int64_t b = m_bInvert ? count / 2 - 1 : count - 1;
    const auto inside = [count](std::int64_t index) { return index >= 0 && index < count; };
    std::vector<CPoint> positions;
    positions.reserve(m_advances.size());
    for (const int w : m_advances) {
        a += w;
        b -= w;
        if (!m_bRotateGlyphs) {
            // The baseline lies ascent away from the leading edge.
            const std::int64_t lead = a - w / 2, trail = b + w / 2;
            if (!inside(lead) || !inside(trail))
                return {};
            positions.push_back(
                {int((std::int64_t(p[lead].x) * m.descent + std::int64_t(p[trail].x) * m.ascent) / m.Height()),
                 int((std::int64_t(p[lead].y) * m.descent + std::int64_t(p[trail].y) * m.ascent) / m.Height())});
        } else {
            const std::int64_t k = std::int64_t(w) * m.descent / m.Height();
            const std::int64_t lead = b + k, trail = a - k;
            if (!inside(lead) || !inside(trail))
                return {};
            positions.push_back({int((std::int64_t(p[lead].x) + p[trail].x + 1) >> 1),
                                 int((std::int64_t(p[lead].y) + p[trail].y + 1) >> 1)});
        }
    }
    return positions;
}

std::vector<int> CTextLayout::GlyphEscapements() const
{
    const int start = m_bInvert ? 900 : 2700;
    const int upright = m_bRotateGlyphs ? 0 : 900;
    std::vector<int> escapements;
    escapements.reserve(m_advances.size());
    if (IsStraight()) {
        escapements.assign(m_advances.size(), start - RoundUp(double(m_fAngle) * 10) - upright);
        return escapements;
    }
    const std::int64_t count = m_outline.empty() ? 2 * Sum(m_advances) + 2 : std::int64_t(m_outline.size());
    const std::int64_t half = count / 2;
    const double first = double(m_fAngle) * 10 + double(m_fSpread) * 18;
    const double step = half > 1 ? double(m_fSpread) * 36 / double(half - 1) : 0;
    std::int64_t covered = 0;
    for (const int w : m_advances) {
        covered += w;
        const std::int64_t along = m_bInvert ? (w / 2 + half - covered - 1) : (covered - w / 2);
        escapements.push_back(start - upright - RoundUp(first - step * double(along)));
    }
    return escapements;
}

void CTextLayout::DrawGlyphs(QPainter& painter) const
{
    const QList<QByteArray> glyphs = Glyphs();
    const std::vector<CPoint> positions = GlyphPositions();
    const std::vector<int> escapements = GlyphEscapements();
    if (positions.size() != std::size_t(glyphs.size()) || escapements.size() != positions.size())
        return;
    const QFont font = FontMapper::Map(m_lf);
    const QFontMetrics fm(font);
    painter.save();
    painter.setFont(font);
    for (std::size_t i = 0; i < positions.size(); ++i) {
        const QString text = GlyphText(glyphs[qsizetype(i)]);
        if (!text.isEmpty())
            DrawGlyph(painter, fm, QPoint(positions[i].x, positions[i].y), escapements[i], text);
    }
    painter.restore();
}

void CTextLayout::DrawGlyph(QPainter& painter, const QFontMetrics& fm, QPoint position, int escapement,
                            const QString& text)
{
    // Each glyph turns about its own baseline centre.
    painter.save();
    painter.translate(position.x(), position.y());
    painter.rotate(FontMapper::RotationDegrees(escapement));
    painter.drawText(QPoint(-(fm.horizontalAdvance(text) / 2), 0), text);
    painter.restore();
}

QPolygon CTextLayout::Corners() const
{
    if (!HasOutline())
        return {};
    const std::size_t n = m_outline.size();
    QPolygon corners;
    for (const std::size_t i : {std::size_t(0), n / 2 - 1, n / 2, n - 1})
        corners << QPoint(m_outline[i].x, m_outline[i].y);
    return corners;
}

QPolygon CTextLayout::OutlinePolygon() const
{
    QPolygon polygon;
    polygon.reserve(qsizetype(m_outline.size()));
    for (const CPoint& p : m_outline)
        polygon << QPoint(p.x, p.y);
    return polygon;
}

bool CTextLayout::RegionContains(CPoint point) const
{
    return m_region && m_region->containsPoint(QPoint(point.x, point.y), Qt::WindingFill);
}
