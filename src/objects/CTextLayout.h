#pragma once

#include "platform/CPoint.h"
#include "platform/LOGFONT.h"

#include <QByteArray>
#include <QList>
#include <QPolygon>

#include <cstdint>
#include <optional>
#include <vector>

class CArchive;
class QFont;
class QFontMetrics;
class QPainter;

// The layout engine shared by horizontal and fan text: the text, its font
// and the band it is laid along (straight or circular), in plate pixels.
// The band is an outline of two edges with one point per pixel of advance,
// so a glyph's place along the band is simply an index into the outline.
class CTextLayout
{
public:
    enum Mode { circularBand = 0, straightBand = 1 };

    CTextLayout();
    // Copies the stored fields only; outline, advances and region are rebuilt.
    CTextLayout(const CTextLayout& other);
    CTextLayout& operator=(const CTextLayout& other);

    // The stored fields, in record order.
    void Serialize(CArchive& ar);

    bool IsStraight() const { return (m_nMode & 1) != 0; }

    // One or two bytes per glyph (lead and trail byte in the double-byte
    // character sets 128..136), in drawing order: reversed when m_bReverse.
    QList<QByteArray> Glyphs() const;
    QString GlyphText(const QByteArray& glyph) const;

    // Stores each glyph's advance (its height when glyphs are turned) and
    // returns their sum.
    int MeasureChars();
    // Spreads or squeezes the advances evenly so that they fill the band
    // (never below 2 pixels a glyph); returns the new sum.
    int FitAdvances(int total, int base);
    // Edge A (points 0..segmentsA) and edge B (the rest) of the band around
    // the centre moved by offset. For a circular band base is the radius of
    // the band's centre line, for a straight one its length at full spread.
    void BuildOutline(int segmentsA, int segmentsB, int base, CPoint offset);
    // The opening (m_fSpread) at which the band is as long as the glyphs'
    // own advances, so that fitting them changes none; base as for Layout.
    float NaturalSpread(int base);
    // Measure, fit and outline. False, with no outline, when there is
    // nothing to lay out: no glyphs, or a band that cannot be built.
    bool Layout(int base, CPoint offset);

    // One baseline point per glyph (empty when the outline does not match
    // the advances).
    std::vector<CPoint> GlyphPositions() const;
    // Each glyph's escapement in tenths of a degree, counter-clockwise.
    std::vector<int> GlyphEscapements() const;
    // Each glyph centred on its baseline point and turned by its escapement,
    // in the painter's current pen.
    void DrawGlyphs(QPainter& painter) const;
    // One glyph as DrawGlyphs draws it, in the painter's font (whose
    // metrics fm are).
    static void DrawGlyph(QPainter& painter, const QFontMetrics& fm, QPoint position, int escapement,
                          const QString& text);

    bool HasOutline() const { return m_outline.size() >= 4; }
    // The band's four corners: start and end of edge A, start and end of edge B.
    QPolygon Corners() const;
    QPolygon OutlinePolygon() const;

    bool HasRegion() const { return m_region.has_value(); }
    void DropRegion() { m_region.reset(); }
    void SetRegion(const QPolygon& polygon) { m_region = polygon; }
    bool RegionContains(CPoint point) const;

    QByteArray m_strText;
    LOGFONT m_lf;
    std::int32_t m_nMode = straightBand;
    std::int32_t m_bInvert = 0;
    std::int32_t m_nReserved = 0;
    std::int32_t m_bReverse = 0;
    std::int32_t m_bRotateGlyphs = 0;
    float m_fCenterX = 0;
    float m_fCenterY = 0;
    float m_fAngle = 180;
    float m_fRadius = 40;
    float m_fSpread = 50;
    float m_fHeight = 20;
    float m_fReserved = 0.2f;

    // Rebuilt by every layout, never stored.
    std::vector<CPoint> m_outline;
    std::vector<int> m_advances;

private:
    std::optional<QPolygon> m_region;
};
