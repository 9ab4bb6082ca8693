#include "DragSupport.h"
#include "objects/CArcTextObj.h"
#include "objects/CDocumentContext.h"
#include "objects/CPointPath.h"
#include "objects/CTextObj.h"
#include "objects/FontMapper.h"
#include "platform/MulDiv.h"

#include <QFontMetrics>
#include <QPainter>

#include <cmath>
#include <set>

#include <gtest/gtest.h>

namespace {

// A 20 x 20 mm plate at 254 dpi: 200 x 200 pixels, one pixel per 0.1 mm
// (10 layout units), layout origin in the middle with y up.
class FakeDocument : public CDocumentContext
{
public:
    int dpi = 254;
    int plate = 2000;
    int GetResolution() const override { return dpi; }
    CPoint DocToDevice(CPoint p) const override
    {
        return {MulDiv(p.x + plate / 2, dpi, 2540), -MulDiv(p.y - plate / 2, dpi, 2540)};
    }
    CSize DocToDeviceSize(CSize s) const override { return {MulDiv(s.cx, dpi, 2540), MulDiv(s.cy, dpi, 2540)}; }
    CPoint DeviceToDoc(CPoint p) const override
    {
        return {MulDiv(p.x, 2540, dpi) - plate / 2, plate / 2 - MulDiv(p.y, 2540, dpi)};
    }
    CSize DeviceToDocSize(CSize s) const override { return {MulDiv(s.cx, 2540, dpi), MulDiv(s.cy, 2540, dpi)}; }
    bool IsSerializingFile() const override { return false; }
};

constexpr COLORREF white = 0xFFFFFF, grey = 0x808080, red = 0x0000FF;
constexpr CSize tolerance{10, 10};

CDibImage Plate(COLORREF fill = 0)
{
    CDibImage plate;
    plate.Create(200, 200, 24, fill);
    return plate;
}

void DrawOn(CSymbolObj& object, CDibImage& image)
{
    QImage surface = image.PaintSurface();
    QPainter painter(&surface);
    object.Draw(painter, nullptr, 0);
}

std::set<COLORREF> Colours(const CDibImage& image)
{
    std::set<COLORREF> colours;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            colours.insert(image.GetPixel(x, y));
    return colours;
}

std::vector<CPoint> PixelsOf(const CDibImage& image, COLORREF colour)
{
    std::vector<CPoint> pixels;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            if (image.GetPixel(x, y) == colour)
                pixels.push_back({x, y});
    return pixels;
}


// "HIH" on a band 6 mm long and 3 mm high around the plate centre: pixels
// x 70..130, y 85..115.
struct HorizontalText : ::testing::Test
{
    FakeDocument doc;
    CFreeTextObj text;
    void SetUp() override
    {
        text.m_pDoc = &doc;
        text.m_strName = text.m_layout.m_strText = "HIH";
        text.SetBounds(0, 0, 600, 300);
    }
};

// Hanging below the plate centre: radius 4 mm, band 2 mm high (pixel radii
// 30 to 50), opening 40 % of a turn.
struct FanText : ::testing::Test
{
    FakeDocument doc;
    CArcTextObj fan;
    void SetUp() override
    {
        fan.m_pDoc = &doc;
        fan.m_strName = fan.m_layout.m_strText = "ABCDEFG";
        fan.m_layout.m_fRadius = 40;
        fan.m_layout.m_fAngle = 180;
        fan.m_layout.m_fSpread = 40;
        fan.SetBounds(0, 0, 1000, 200);
    }
    float Spread(int handle, CPoint cursor, int keys = DragState::keyControl)
    {
        fan.TrackTo(Drag(fan, handle, {0, -400}, cursor, keys));
        return fan.m_layout.m_fSpread;
    }
};

// A filled block of two lines, white on grey, measured.
struct TextBlock : ::testing::Test
{
    FakeDocument doc;
    CTextObj block;
    void SetUp() override
    {
        block.m_pDoc = &doc;
        block.m_strName = "WWWWW\r\nW";
        block.m_lf.lfHeight = -40;
        block.m_bFillBackground = 1;
        block.m_crFont = white;
        block.m_crBkgnd = grey;
        block.Measure();
    }
    // First and last white column of the upper and of the lower line.
    std::array<int, 4> LineExtents()
    {
        block.DiscardCache();
        const CDibImage* image = block.GetImage(false);
        std::array<int, 4> e{1 << 30, -1, 1 << 30, -1};
        for (const CPoint& p : PixelsOf(*image, white)) {
            const int line = p.y < image->Height() / 2 ? 0 : 2;
            e[line] = std::min(e[line], p.x);
            e[line + 1] = std::max(e[line + 1], p.x);
        }
        return e;
    }
};

} // namespace

TEST_F(HorizontalText, PositionAndSizeDriveTheBand)
{
    EXPECT_EQ(text.m_layout.m_fCenterX, 100);
    EXPECT_EQ(text.m_layout.m_fCenterY, 100);
    EXPECT_EQ(text.m_layout.m_fHeight, 30);
    EXPECT_EQ(text.m_layout.m_lf.lfHeight, 30);
    const QFontMetrics fm(FontMapper::Map(text.m_layout.m_lf));
    const int advance = 2 * fm.horizontalAdvance(QLatin1Char('H')) + fm.horizontalAdvance(QLatin1Char('I'));
    EXPECT_EQ(text.MeasureNatural(), (CSize{advance * 10, 300}));
}

TEST_F(HorizontalText, GlyphsStayInsideTheBandInTwoColours)
{
    CDibImage plate = Plate();
    DrawOn(text, plate);
    EXPECT_EQ(Colours(plate), (std::set<COLORREF>{0, white}));
    const std::vector<CPoint> ink = PixelsOf(plate, white);
    ASSERT_GT(ink.size(), 50u);
    long long sumY = 0;
    for (const CPoint& p : ink) {
        EXPECT_TRUE(p.x >= 70 && p.x <= 130 && p.y >= 85 && p.y <= 115) << p.x << "," << p.y;
        sumY += p.y;
    }
    // Upright glyphs hang from the upper edge down to the baseline.
    EXPECT_LT(sumY / (long long)ink.size(), 100);

    // Turned to 90 degrees the band stands upright and the glyph tops face left.
    text.m_layout.m_fAngle = 90;
    CDibImage turned = Plate();
    DrawOn(text, turned);
    long long sumX = 0;
    const std::vector<CPoint> turnedInk = PixelsOf(turned, white);
    ASSERT_GT(turnedInk.size(), 50u);
    for (const CPoint& p : turnedInk) {
        EXPECT_TRUE(p.x >= 85 && p.x <= 115 && p.y >= 70 && p.y <= 130) << p.x << "," << p.y;
        sumX += p.x;
    }
    EXPECT_LT(sumX / (long long)turnedInk.size(), 100);
}

TEST_F(HorizontalText, HitCodesAndHandles)
{
    // Before the first drawing there is no band to hit.
    EXPECT_EQ(text.HitTest({0, 0}, tolerance, true), hitNothing);
    CDibImage plate = Plate();
    DrawOn(text, plate);
    EXPECT_EQ(text.HitTest({-300, 150}, tolerance, true), 0);
    EXPECT_EQ(text.HitTest({300, 150}, tolerance, true), 1);
    EXPECT_EQ(text.HitTest({300, -150}, tolerance, true), 2);
    EXPECT_EQ(text.HitTest({-300, -150}, tolerance, true), 3);
    EXPECT_EQ(text.HitTest({10, -10}, tolerance, true), hitMoveHandle);
    EXPECT_EQ(text.HitTest({200, 0}, tolerance, true), hitBand);
    EXPECT_EQ(text.HitTest({0, 200}, tolerance, true), hitNothing);
    EXPECT_EQ(text.HitTest({200, 0}, tolerance, false), hitNothing);

    CPointPath handles, outline;
    ASSERT_EQ(text.GetHandles(handles), 5);
    EXPECT_EQ(handles[0], (CPoint{-300, 150}));
    EXPECT_EQ(handles[2], (CPoint{300, -150}));
    EXPECT_EQ(handles[4], (CPoint{0, 0}));
    EXPECT_EQ(text.GetOutline(outline), 5);

    text.m_dwFlags |= SOF_LOCKED;
    EXPECT_EQ(text.HitTest({200, 0}, tolerance, true), hitNothing);
    text.m_dwFlags = flagsText;
    // A change of the geometry drops the band region until the next drawing.
    text.SetPosition(0, 0);
    EXPECT_EQ(text.HitTest({200, 0}, tolerance, true), hitNothing);
}

TEST_F(HorizontalText, EmptyTextDrawsAndHitsNothing)
{
    text.m_strName = text.m_layout.m_strText = "";
    text.m_bFillBackground = 1;
    CDibImage plate = Plate();
    DrawOn(text, plate);
    EXPECT_EQ(text.HitTest({0, 0}, tolerance, true), hitNothing);
    CPointPath handles;
    EXPECT_EQ(text.GetHandles(handles), 0);

    CArcTextObj fan;
    fan.m_pDoc = &doc;
    fan.m_strName = fan.m_layout.m_strText = "";
    fan.m_layout.m_fRadius = 40;
    fan.SetBounds(0, 0, 100, 200);
    DrawOn(fan, plate);
    EXPECT_EQ(fan.HitTest({0, 0}, tolerance, true), hitNothing);
    EXPECT_EQ(Colours(plate), (std::set<COLORREF>{0}));
}

TEST_F(HorizontalText, RotatingSnapsWrapsAndRounds)
{
    CDibImage plate = Plate();
    DrawOn(text, plate);
    // From straight below the centre to its right: a quarter turn back.
    text.TrackTo(Drag(text, hitBand, {0, -1000}, {1000, 0}));
    EXPECT_FLOAT_EQ(text.m_layout.m_fAngle, 90);
    EXPECT_FALSE(text.m_layout.HasRegion());

    text.m_layout.m_fAngle = 180;
    text.TrackTo(Drag(text, hitBand, {0, -1000}, {1000, -176}, DragState::keyShift));
    EXPECT_FLOAT_EQ(text.m_layout.m_fAngle, 90);
    text.m_layout.m_fAngle = 180;
    text.TrackTo(Drag(text, hitBand, {0, -1000}, {1000, -176}));
    EXPECT_FLOAT_EQ(text.m_layout.m_fAngle, 99.98f); // to 0.01 degree
    // Negative angles snap away from zero; everything wraps into 0..360.
    text.m_layout.m_fAngle = 10;
    text.TrackTo(Drag(text, hitBand, {0, 1000}, {-1000, 1000}, DragState::keyShift));
    EXPECT_FLOAT_EQ(text.m_layout.m_fAngle, 315);
    text.m_layout.m_fAngle = 350;
    text.TrackTo(Drag(text, hitBand, {0, 1000}, {1000, 1000}));
    EXPECT_FLOAT_EQ(text.m_layout.m_fAngle, 35);
    text.m_layout.m_fAngle = 180; // nearly a whole turn the other way
    text.TrackTo(Drag(text, hitBand, {0, -1000}, {-1, -1000}));
    EXPECT_NEAR(text.m_layout.m_fAngle, 180.06, 0.001);

    // No change keeps the band region.
    DrawOn(text, plate);
    text.TrackTo(Drag(text, hitBand, {0, -1000}, {0, -1000}));
    EXPECT_TRUE(text.m_layout.HasRegion());
}

TEST_F(HorizontalText, CornersResizeInTheBandsOwnFrame)
{
    text.TrackTo(Drag(text, 1, {300, 150}, {1500, 300}));
    EXPECT_NEAR(text.GetSize().cx, 3000, 1);
    EXPECT_NEAR(text.GetSize().cy, 600, 1);
    EXPECT_EQ(text.m_layout.m_fHeight, float(MulDiv(text.GetSize().cy, 254, 2540)));
    // Never below 0.5 mm.
    text.TrackTo(Drag(text, 0, {0, 0}, {10, 10}));
    EXPECT_EQ(text.GetSize(), (CSize{50, 50}));
    // Ctrl keeps the height; Shift keeps the proportions of the start.
    text.SetSize(4000, 500);
    text.TrackTo(Drag(text, 2, {0, 0}, {1500, -300}, DragState::keyControl));
    EXPECT_EQ(text.GetSize().cy, 500);
    text.SetSize(4000, 500);
    text.TrackTo(Drag(text, 2, {0, 0}, {1500, -300}, DragState::keyShift));
    EXPECT_NEAR(text.GetSize().cx, 4800, 8);
    // Turned to 90 degrees, the first corner lies below left of the centre.
    text.m_layout.m_fAngle = 90;
    text.TrackTo(Drag(text, 0, {0, 0}, {-300, -1500}));
    EXPECT_NEAR(text.GetSize().cx, 3000, 1);
    EXPECT_NEAR(text.GetSize().cy, 600, 1);
}

TEST_F(FanText, GlyphsStayInsideTheCircularBand)
{
    CDibImage plate = Plate();
    DrawOn(fan, plate);
    EXPECT_EQ(Colours(plate), (std::set<COLORREF>{0, white}));
    const std::vector<CPoint> ink = PixelsOf(plate, white);
    ASSERT_GT(ink.size(), 50u);
    for (const CPoint& p : ink) {
        const double r = std::hypot(p.x - 100.0, p.y - 100.0);
        EXPECT_TRUE(r >= 29 && r <= 51 && p.y > 100) << p.x << "," << p.y;
    }
}

TEST_F(FanText, HitCodesAndHandles)
{
    CDibImage plate = Plate();
    DrawOn(fan, plate);
    EXPECT_EQ(fan.HitTest({0, -300}, tolerance, true), 4);
    EXPECT_EQ(fan.HitTest({0, 0}, tolerance, true), hitMoveHandle);
    EXPECT_EQ(fan.HitTest({0, -400}, tolerance, false), hitBand);
    EXPECT_EQ(fan.HitTest({0, 400}, tolerance, true), hitNothing);

    CPointPath handles, outline;
    ASSERT_EQ(fan.GetHandles(handles), 6);
    EXPECT_EQ(handles[4], (CPoint{0, -300}));
    EXPECT_EQ(handles[5], (CPoint{0, 0}));
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(fan.HitTest(handles[i], tolerance, true), i);
    EXPECT_GT(fan.GetOutline(outline), 10);
    EXPECT_TRUE(outline.IsClosed());
}

TEST_F(FanText, RadiusAndEdgeHandles)
{
    // The radius handle sits on the inner arc; across the centre the band closes onto it.
    fan.TrackTo(Drag(fan, 4, {0, -300}, {0, -500}));
    EXPECT_FLOAT_EQ(fan.m_layout.m_fRadius, 60);
    fan.TrackTo(Drag(fan, 4, {0, -300}, {0, 500}));
    EXPECT_FLOAT_EQ(fan.m_layout.m_fRadius, 10);

    // The inner edge stops 0.5 mm inside the centre line.
    fan.m_layout.m_fRadius = 40;
    fan.TrackTo(Drag(fan, 0, {0, -300}, {0, -600}));
    EXPECT_FLOAT_EQ(fan.m_layout.m_fRadius, 42.5);
    EXPECT_EQ(fan.GetSize().cy, 150);
    EXPECT_EQ(fan.m_layout.m_fHeight, 15);
    EXPECT_EQ(fan.m_layout.m_lf.lfHeight, 15);
    // ... and never goes below the centre.
    fan.SetSize(1000, 200);
    fan.m_layout.m_fRadius = 3;
    fan.TrackTo(Drag(fan, 1, {0, -300}, {0, -100}));
    EXPECT_FLOAT_EQ(fan.m_layout.m_fRadius, 6.5);
    EXPECT_EQ(fan.GetSize().cy, 130);

    // The outer edge stays 0.5 mm outside the centre line; Ctrl leaves the height.
    fan.SetSize(1000, 200);
    fan.m_layout.m_fRadius = 40;
    fan.TrackTo(Drag(fan, 2, {0, -500}, {0, -200}));
    EXPECT_FLOAT_EQ(fan.m_layout.m_fRadius, 37.5);
    EXPECT_EQ(fan.GetSize().cy, 150);
    fan.TrackTo(Drag(fan, 3, {0, -500}, {0, -800}, DragState::keyControl));
    EXPECT_EQ(fan.GetSize().cy, 150);
}

TEST_F(FanText, SpreadFollowsTheDraggedEndAndClamps)
{
    // The fan hangs down; its clockwise end (handles 0 and 3) swings toward the left.
    EXPECT_FLOAT_EQ(Spread(0, {-1000, 0}), 50);
    EXPECT_FLOAT_EQ(Spread(2, {1000, 0}), 50);
    EXPECT_FLOAT_EQ(Spread(0, {0, 1000}), 100);
    // Past the opposite side, and past the middle direction.
    EXPECT_FLOAT_EQ(Spread(0, {100, 1000}), 100);
    EXPECT_FLOAT_EQ(Spread(0, {100, -1000}), 0);
    // Shift snaps the direction to multiples of 45 degrees.
    EXPECT_GT(Spread(0, {-1000, 100}), 53);
    EXPECT_FLOAT_EQ(Spread(0, {-1000, 100}, DragState::keyControl | DragState::keyShift), 50);

    fan.TrackTo(Drag(fan, hitBand, {0, -1000}, {-1000, 0}));
    EXPECT_FLOAT_EQ(fan.m_layout.m_fAngle, 270);
}

TEST_F(TextBlock, MeasureAddsEdgeItalicAndMargins)
{
    const QFontMetrics fm(FontMapper::Map(block.m_lf));
    const int width = fm.horizontalAdvance(QStringLiteral("WWWWW"));
    const int height = 2 * (fm.ascent() + fm.descent());
    EXPECT_EQ(block.Measure(), (CSize{width, height}));
    EXPECT_EQ(block.GetSize(), (CSize{width * 10, height * 10}));
    block.m_sizeBkgndMargin = {50, 30};
    block.m_nDrawFrame = 1;
    EXPECT_EQ(block.Measure(), (CSize{width + 6, height + 4}));
    EXPECT_EQ(block.GetSize(), (CSize{(width + 6) * 10 + 100, (height + 4) * 10 + 60}));
    // Italic: 16 % wider, truncated (the italic face has the same advances).
    block.m_nDrawFrame = 0;
    block.m_lf.lfItalic = 1;
    EXPECT_EQ(block.Measure().cx, width + int(0.16 * width));
}

TEST_F(TextBlock, NewHeightRescalesTheFontAndTheWidthFollows)
{
    block.m_sizeBkgndMargin = {50, 30};
    block.Measure();
    const CSize before = block.GetSize();
    block.SetSize(before.cx * 3, 2 * (before.cy - 60) + 60);
    EXPECT_EQ(block.m_lf.lfHeight, -80);
    EXPECT_LT(block.GetSize().cx, before.cx * 3);

    // Dragging a corner keeps the aspect and scales the font with the height.
    block.m_sizeBkgndMargin = {0, 0};
    block.m_lf.lfHeight = -40;
    block.Measure();
    const CSize measured = block.GetSize();
    block.TrackTo(Drag(block, 1, {measured.cx / 2, measured.cy / 2}, {measured.cx / 2, measured.cy}));
    EXPECT_EQ(block.m_lf.lfHeight, -80);

    // Margins that eat the whole height leave the smallest font, not a flipped one.
    block.SetSize(block.GetSize().cx, 10);
    EXPECT_EQ(block.m_lf.lfHeight, -1);
    // Without a previous text height there is nothing to scale by.
    CTextObj fresh;
    fresh.m_pDoc = &doc;
    fresh.SetBounds(0, 0, 1000, 500);
    EXPECT_EQ(fresh.m_lf.lfHeight, -32);
}

TEST_F(TextBlock, LinesAlignLeftCentreAndRight)
{
    block.m_nFormat = 0;
    std::array<int, 4> e = LineExtents();
    EXPECT_NEAR(e[2], e[0], 1);
    EXPECT_LT(e[3], e[1] - 20);
    block.m_nFormat = 2;
    e = LineExtents();
    EXPECT_NEAR(e[3], e[1], 1);
    EXPECT_GT(e[2], e[0] + 20);
    block.m_nFormat = 1;
    e = LineExtents();
    EXPECT_NEAR(e[2] + e[3], e[0] + e[1], 2);
    EXPECT_GT(e[2], e[0] + 10);
}

TEST_F(TextBlock, TwoColoursWithoutAntialiasingAndAHaloWithEdges)
{
    EXPECT_EQ(Colours(*block.GetImage(false)), (std::set<COLORREF>{white, grey}));
    block.m_bAntialias = 1;
    block.DiscardCache();
    EXPECT_GT(Colours(*block.GetImage(false)).size(), 2u);

    // The edge is the text moved by one pixel: every edge pixel touches the text.
    block.m_bAntialias = 0;
    block.m_nDrawFrame = 1;
    block.m_crFrame = red;
    block.Measure();
    const CDibImage* image = block.GetImage(false);
    const std::vector<CPoint> edge = PixelsOf(*image, red);
    ASSERT_FALSE(edge.empty());
    for (const CPoint& p : edge) {
        const bool touches = image->GetPixel(p.x - 1, p.y) == white || image->GetPixel(p.x + 1, p.y) == white
                             || image->GetPixel(p.x, p.y - 1) == white || image->GetPixel(p.x, p.y + 1) == white;
        EXPECT_TRUE(touches) << p.x << "," << p.y;
    }
    // The thick edge adds the diagonals.
    block.m_nDrawFrame = 2;
    block.DiscardCache();
    EXPECT_GT(PixelsOf(*block.GetImage(false), red).size(), edge.size());
}

TEST_F(TextBlock, ZeroSizeDrawsNothing)
{
    block.m_size = {0, 500};
    CDibImage plate = Plate();
    DrawOn(block, plate);
    EXPECT_EQ(Colours(plate), (std::set<COLORREF>{0}));
    EXPECT_EQ(block.GetImage(false), nullptr);
    EXPECT_EQ(block.HitTest({0, 100}, {1, 1}, true), hitNothing);
}

TEST_F(TextBlock, NoImageOfItsOwnPastTheDisplayLimit)
{
    block.m_size = {40960, 500}; // 4096 x 50 pixels
    ASSERT_NE(block.GetImage(false), nullptr);
    EXPECT_EQ(block.GetImage(false)->Width(), 4096);
    block.DiscardCache();
    block.m_size = {40970, 500};
    EXPECT_EQ(block.GetImage(false), nullptr);
}

TEST_F(TextBlock, UnfilledBackgroundIsTransparent)
{
    // The cache keeps the key between the letters, so clicks there pass through.
    block.m_bFillBackground = 0;
    block.m_strName = "I  I";
    block.Measure();
    const CDibImage* image = block.GetImage(false);
    ASSERT_TRUE(image);
    EXPECT_EQ(Colours(*image), (std::set<COLORREF>{transparentKey, white}));
    CRect r;
    block.GetRect(&r);
    const auto layoutPoint = [&](CPoint pixel) { return CPoint{r.left + pixel.x * 10 + 5, r.top - pixel.y * 10 - 5}; };
    const std::vector<CPoint> ink = PixelsOf(*image, white);
    EXPECT_EQ(block.HitTest(layoutPoint(ink[ink.size() / 2]), {1, 1}, true), hitBody);
    EXPECT_EQ(block.HitTest(layoutPoint({image->Width() / 2, image->Height() / 2}), {1, 1}, true), hitNothing);

    // Anti-aliased onto the plate, the key never covers what lies beneath.
    block.m_bAntialias = 1;
    const COLORREF green = RGB(0, 200, 0);
    CDibImage plate = Plate(green);
    DrawOn(block, plate);
    const CPoint corner = doc.DocToDevice({r.left, r.top});
    EXPECT_EQ(plate.GetPixel(corner.x + 1, corner.y + 1), green);
    EXPECT_TRUE(PixelsOf(plate, transparentKey).empty());
    EXPECT_FALSE(PixelsOf(plate, white).empty());
}

TEST_F(TextBlock, CacheLivesUntilTheBlockChanges)
{
    CDibImage* image = block.GetImage(false);
    ASSERT_TRUE(image);
    image->SetPixel(0, 0, red); // marks this rendering
    block.Offset(100, 100);
    EXPECT_EQ(block.GetImage(false)->GetPixel(0, 0), red);
    block.SetSize(block.GetSize().cx, block.GetSize().cy * 2);
    EXPECT_EQ(block.GetImage(false)->GetPixel(0, 0), grey);
    // A new resolution keeps the physical size: the font doubles in pixels.
    block.GetImage(false)->SetPixel(0, 0, red);
    const int height = block.m_lf.lfHeight;
    doc.dpi = 508;
    block.Refresh(&doc);
    EXPECT_NEAR(block.m_lf.lfHeight, 2 * height, 1);
    EXPECT_EQ(block.GetImage(false)->GetPixel(0, 0), grey);
}
