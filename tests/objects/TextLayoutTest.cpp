#include "objects/CTextLayout.h"
#include "objects/FontMapper.h"

#include <QFontInfo>
#include <QFontMetrics>

#include <gtest/gtest.h>

namespace {

using Points = std::vector<CPoint>;

// A straight band at 180 degrees around (100, 50), 20 px high, as long as
// the advances, one outline point per pixel: edge A runs along y = 40 from
// x = 100 - total/2, edge B back along y = 60.
CTextLayout StraightBand(std::vector<int> advances)
{
    CTextLayout layout;
    layout.m_strText = QByteArray(qsizetype(advances.size()), 'H');
    layout.m_lf.lfHeight = 20;
    layout.m_fCenterX = 100;
    layout.m_fCenterY = 50;
    layout.m_fHeight = 20;
    layout.m_fSpread = 100;
    layout.m_advances = std::move(advances);
    int total = 0;
    for (int w : layout.m_advances)
        total += w;
    layout.BuildOutline(total, total, total, {});
    return layout;
}

} // namespace

TEST(TextLayout, FitAdvancesSpreadsAndSqueezesEvenly)
{
    CTextLayout layout;
    layout.m_fSpread = 100;
    // Band of 40 px, glyphs of 30: each glyph gains ceil(10 / 3) = 4.
    layout.m_advances = {10, 12, 8};
    EXPECT_EQ(layout.FitAdvances(30, 40), 42);
    EXPECT_EQ(layout.m_advances, (std::vector<int>{14, 16, 12}));
    // Band of 9 px: each loses 3, but no glyph gets narrower than 2.
    layout.m_advances = {10, 3, 8};
    EXPECT_EQ(layout.FitAdvances(21, 9), 14);
    EXPECT_EQ(layout.m_advances, (std::vector<int>{7, 2, 5}));
    // Already fitting: nothing changes.
    layout.m_advances = {10, 10};
    EXPECT_EQ(layout.FitAdvances(20, 20), 20);
    EXPECT_EQ(layout.m_advances, (std::vector<int>{10, 10}));
    // A circular band: (100 / 2 + 40) x 50 x 0.06283186 = 282.74 -> 283.
    layout.m_nMode = CTextLayout::circularBand;
    layout.m_fRadius = 40;
    layout.m_fSpread = 50;
    layout.m_advances = {50, 50};
    EXPECT_EQ(layout.FitAdvances(100, 100), 284);
    // No glyphs: nothing to divide among.
    layout.m_advances.clear();
    EXPECT_EQ(layout.FitAdvances(0, 100), 0);
}

TEST(TextLayout, OutlinesOfStraightAndCircularBands)
{
    CTextLayout layout;
    layout.m_fCenterX = 100;
    layout.m_fCenterY = 50;
    layout.m_fHeight = 20;
    layout.m_fSpread = 100;
    // At 180 degrees edge A is the top running right, edge B the bottom running back.
    layout.BuildOutline(4, 4, 40, {1, 2});
    EXPECT_EQ(layout.m_outline, Points({{81, 42}, {91, 42}, {101, 42}, {111, 42}, {121, 42},
                                        {121, 62}, {111, 62}, {101, 62}, {91, 62}, {81, 62}}));
    // At 90 degrees the band stands upright, edge A on its left running up.
    layout.m_fAngle = 90;
    layout.m_fSpread = 50;
    layout.BuildOutline(2, 2, 80, {});
    EXPECT_EQ(layout.m_outline, Points({{90, 70}, {90, 50}, {90, 30}, {110, 30}, {110, 50}, {110, 70}}));

    // Half a turn hanging below (200, 200): the inner arc left to right,
    // then the outer arc back.
    layout.m_nMode = CTextLayout::circularBand;
    layout.m_fCenterX = 200;
    layout.m_fCenterY = 200;
    layout.m_fAngle = 180;
    layout.BuildOutline(2, 2, 100, {});
    EXPECT_EQ(layout.m_outline, Points({{110, 200}, {200, 290}, {290, 200}, {310, 200}, {200, 310}, {90, 200}}));
}

TEST(TextLayout, GlyphPositionsSitOnTheBaselineInTheMiddleOfEachAdvance)
{
    // Edge A: x = 95..105 at y = 40; edge B: x = 105..95 at y = 60.
    CTextLayout layout = StraightBand({6, 4});
    const QFontMetrics fm(FontMapper::Map(layout.m_lf));
    const int ascent = fm.ascent(), descent = fm.descent(), height = ascent + descent;
    const int baseline = (40 * descent + 60 * ascent) / height;
    EXPECT_EQ(layout.GlyphPositions(), Points({{98, baseline}, {103, baseline}}));
    // Inverted: laid from the bottom edge, right to left.
    layout.m_bInvert = 1;
    const int invertedBaseline = (60 * descent + 40 * ascent) / height;
    EXPECT_EQ(layout.GlyphPositions(), Points({{102, invertedBaseline}, {97, invertedBaseline}}));
}

TEST(TextLayout, EscapementsOfStraightAndCircularBands)
{
    CTextLayout layout = StraightBand({6, 4, 5});
    // With angle 180, no inversion and no glyph rotation every glyph has escapement 0.
    EXPECT_EQ(layout.GlyphEscapements(), (std::vector<int>{0, 0, 0}));
    layout.m_bInvert = 1;
    EXPECT_EQ(layout.GlyphEscapements(), (std::vector<int>{-1800, -1800, -1800}));
    layout.m_bInvert = 0;
    layout.m_bRotateGlyphs = 1;
    EXPECT_EQ(layout.GlyphEscapements(), (std::vector<int>{900, 900, 900}));

    // Half a turn below the centre, 20 segments of 9 tenths of a degree:
    // the glyph centres sit 45 degrees either side of the bottom.
    CTextLayout fan;
    fan.m_nMode = CTextLayout::circularBand;
    fan.m_fAngle = 180;
    fan.m_fSpread = 50;
    fan.m_advances = {10, 10};
    fan.BuildOutline(20, 20, 100, {});
    EXPECT_EQ(fan.GlyphEscapements(), (std::vector<int>{-450, 450}));
    fan.m_bInvert = 1;
    EXPECT_EQ(fan.GlyphEscapements(), (std::vector<int>{-1350, -2250}));
}

TEST(TextLayout, DoubleByteGlyphsAndReversedText)
{
    CTextLayout layout;
    layout.m_strText = QByteArray("A\x82\xA0" "B\x82", 5);
    layout.m_lf.lfCharSet = 128;
    QList<QByteArray> glyphs = layout.Glyphs();
    ASSERT_EQ(glyphs.size(), 4);
    EXPECT_EQ(layout.GlyphText(glyphs[1]), QString(QChar(0x3042)));
    EXPECT_EQ(glyphs[3], QByteArray("\x82")); // a lead byte without its trail stands alone
    layout.m_bReverse = 1;
    EXPECT_EQ(layout.Glyphs(), (QList<QByteArray>{"\x82", "B", "\x82\xA0", "A"}));
    layout.m_lf.lfCharSet = 0;
    EXPECT_EQ(layout.Glyphs().size(), 5);

    // Measuring counts glyphs, not bytes; turned glyphs advance by the cell height.
    layout.m_lf.lfCharSet = 128;
    layout.m_lf.lfHeight = 20;
    layout.m_bRotateGlyphs = 1;
    const QFontMetrics fm(FontMapper::Map(layout.m_lf));
    EXPECT_EQ(layout.MeasureChars(), 4 * (fm.ascent() + fm.descent()));
}

TEST(TextLayout, EmptyTextAndAbsurdBandsLayOutNothing)
{
    CTextLayout layout;
    EXPECT_FALSE(layout.Layout(200, {}));
    EXPECT_FALSE(layout.HasOutline());
    EXPECT_TRUE(layout.GlyphPositions().empty());
    layout.m_nMode = CTextLayout::circularBand;
    EXPECT_FALSE(layout.Layout(200, {}));
    // A band of absurd length from a damaged record is refused, not allocated.
    layout.m_strText = "A";
    layout.m_fRadius = 1e30f;
    EXPECT_FALSE(layout.Layout(200, {}));
}

TEST(FontMapper, HeightsWeightsAndFaces)
{
    LOGFONT lf;
    lf.SetFaceName("Arial");
    lf.lfHeight = -32;
    QFont font = FontMapper::Map(lf);
    EXPECT_EQ(font.pixelSize(), 32);
    EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(font.weight(), QFont::Normal); // weight 0 is the normal weight
    EXPECT_EQ(font.styleStrategy() & QFont::NoAntialias, QFont::NoAntialias);
    // A positive height is the cell: ascent + descent.
    lf.lfHeight = 40;
    lf.lfWeight = 700;
    lf.lfQuality = 4;
    font = FontMapper::Map(lf);
    const QFontMetrics fm(font);
    EXPECT_NEAR(fm.ascent() + fm.descent(), 40, 1);
    EXPECT_EQ(font.weight(), QFont::Bold);
    EXPECT_EQ(font.styleStrategy() & QFont::NoAntialias, 0);
    // Damaged heights stay within what a font engine can take.
    lf.lfHeight = std::numeric_limits<std::int32_t>::min();
    EXPECT_LE(FontMapper::Map(lf).pixelSize(), 16384);

    // Japanese faces by their CP932 names find the installed Japanese font.
    LOGFONT gothic;
    gothic.lfCharSet = 128;
    gothic.lfHeight = -20;
    gothic.SetFaceName("\x82\x6c\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4e");
    EXPECT_EQ(FontMapper::FaceName(gothic), QString::fromUtf16(u"\uFF2D\uFF33 \u30B4\u30B7\u30C3\u30AF"));
    EXPECT_EQ(QFontInfo(FontMapper::Map(gothic)).family(), QStringLiteral("IPAexGothic"));
}
