#include "DragSupport.h"
#include "objects/CDibObj.h"
#include "objects/CPointPath.h"

#include <gtest/gtest.h>

namespace {

// The base class, copyable for tests.
struct Shape : CSymbolObj
{
    Shape() = default;
    Shape(const Shape& other) : CSymbolObj(other) {}
};

Shape Box(int x, int y, int cx, int cy, std::uint32_t flags = 0)
{
    Shape object;
    object.SetBounds(x, y, cx, cy);
    object.m_dwFlags = flags;
    return object;
}


} // namespace

TEST(SymbolObj, RectAndHandlesOfOddSizes)
{
    Shape object = Box(10, 20, 5, 7);
    CRect r;
    object.GetRect(&r);
    EXPECT_EQ(r, (CRect{8, 23, 13, 16}));
    EXPECT_EQ(object.HandlePoint(0), (CPoint{8, 23}));
    EXPECT_EQ(object.HandlePoint(2), (CPoint{12, 17}));
    EXPECT_EQ(object.HandlePoint(5), (CPoint{12, 20}));

    CPointPath handles;
    EXPECT_EQ(object.GetHandles(handles), 8);
    object.m_dwFlags = SOF_KEEPASPECT;
    CPointPath corners;
    EXPECT_EQ(object.GetHandles(corners), 4);
    object.m_dwFlags = SOF_NOHANDLES | SOF_KEEPASPECT;
    CPointPath none;
    EXPECT_EQ(object.GetHandles(none), 0);

    CPointPath outline;
    EXPECT_EQ(object.GetOutline(outline), 5);
    EXPECT_TRUE(outline.IsClosed());
}

TEST(SymbolObj, HitTestEdgesHandlesAndHiddenObjects)
{
    Shape object = Box(0, 0, 100, 100);
    const CSize tol{3, 3};
    EXPECT_EQ(object.HitTest({-50, -50}, tol, false), hitBody); // left and lower edges are in
    EXPECT_EQ(object.HitTest({50, 0}, tol, false), hitNothing); // right edge is out
    EXPECT_EQ(object.HitTest({0, 50}, tol, false), hitNothing); // upper edge is out
    EXPECT_EQ(object.HitTest({49, 49}, tol, true), 1);
    // The base has no image: an inside point with handles requested is no hit.
    EXPECT_EQ(object.HitTest({0, 0}, tol, true), hitNothing);
    // With KEEPASPECT the side handles still hit.
    object.m_dwFlags = SOF_KEEPASPECT;
    EXPECT_EQ(object.HitTest({50, 1}, tol, true), 5);

    object.m_dwFlags = SOF_LOCKED;
    EXPECT_EQ(object.HitTest({-50, 50}, tol, true), hitNothing);
    object.m_dwFlags = 0;
    object.m_bVisible = 0;
    EXPECT_EQ(object.HitTest({-50, 50}, tol, true), hitNothing);
}

TEST(SymbolObj, HitTestLooksThroughTransparentPixels)
{
    CDibObj picture;
    CDibImage image;
    image.Create(2, 2, 24, RGB(9, 9, 9));
    image.SetPixel(1, 0, transparentKey); // top right
    picture.SetImageFrom(&image, flagsSymbol, false);
    picture.SetBounds(0, 0, 200, 200);
    EXPECT_EQ(picture.HitTest({-50, 50}, {1, 1}, true), hitBody);
    EXPECT_EQ(picture.HitTest({50, 50}, {1, 1}, true), hitNothing);
    EXPECT_EQ(picture.HitTest({50, 50}, {1, 1}, false), hitBody);
    // A handle over a transparent pixel still hits.
    EXPECT_EQ(picture.HitTest({99, 99}, {2, 2}, true), 1);
}

TEST(SymbolObj, MovesWithAndWithoutShift)
{
    Shape object = Box(100, 100, 50, 50);
    object.TrackTo(Drag(object, hitBody, {110, 110}, {140, 120}));
    EXPECT_EQ(object.GetPosition(), (CPoint{130, 110}));

    Shape constrained = Box(100, 100, 50, 50);
    constrained.TrackTo(Drag(constrained, hitBody, {0, 0}, {5, -30}, DragState::keyShift));
    EXPECT_EQ(constrained.GetPosition(), (CPoint{100, 70}));
}

TEST(SymbolObj, ResizesAboutTheCentreOrTheOppositeEdge)
{
    // Handle 1 (top right) pulled 10 right and 20 up.
    Shape grow = Box(0, 0, 100, 100);
    grow.TrackTo(Drag(grow, 1, {50, 50}, {60, 70}));
    EXPECT_EQ(grow.GetSize(), (CSize{120, 140}));
    EXPECT_EQ(grow.GetPosition(), (CPoint{0, 0}));

    Shape anchored = Box(0, 0, 100, 100);
    anchored.TrackTo(Drag(anchored, 1, {50, 50}, {60, 70}, DragState::keyControl));
    EXPECT_EQ(anchored.GetSize(), (CSize{110, 120}));
    EXPECT_EQ(anchored.GetPosition(), (CPoint{5, 10})); // bottom-left corner stays at (-50, -50)

    // Never below 0.5 mm.
    Shape tiny = Box(0, 0, 100, 100);
    tiny.TrackTo(Drag(tiny, 2, {50, -50}, {-500, 500}));
    EXPECT_EQ(tiny.GetSize(), (CSize{50, 50}));
}

TEST(SymbolObj, KeepAspectLetsTheLargerGrowthDecide)
{
    // 200 x 100; right handle pulled 50: width 300, height follows to 150.
    Shape wide = Box(0, 0, 200, 100, SOF_KEEPASPECT);
    wide.TrackTo(Drag(wide, 5, {100, 0}, {150, 0}));
    EXPECT_EQ(wide.GetSize(), (CSize{300, 150}));

    Shape tall = Box(0, 0, 200, 100);
    tall.TrackTo(Drag(tall, 4, {0, 50}, {0, 100}, DragState::keyShift));
    EXPECT_EQ(tall.GetSize(), (CSize{400, 200}));
}
