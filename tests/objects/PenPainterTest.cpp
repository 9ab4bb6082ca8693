#include "objects/CDibObj.h"
#include "objects/CPenPainter.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<CDibObj> Layer(int w, int h)
{
    auto layer = std::make_unique<CDibObj>();
    CDibImage image;
    image.Create(w, h, 24, transparentKey);
    layer->SetImageFrom(&image, flagsPenLayer, false);
    return layer;
}

int Painted(const CDibObj& layer, COLORREF colour)
{
    const CDibImage& image = layer.StoredImage();
    int n = 0;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            n += image.GetPixel(x, y) == colour;
    return n;
}

} // namespace

TEST(PenPainter, AClickOfWidthOnePaintsOnePixel)
{
    auto owned = Layer(20, 20);
    CDibObj& layer = *owned;
    CPenPainter pen;
    pen.SetPen(1, RGB(255, 0, 0));
    ASSERT_TRUE(pen.BeginStroke(&layer, 5, 6, false));
    ASSERT_TRUE(pen.EndStroke(5, 6));
    EXPECT_EQ(Painted(layer, RGB(255, 0, 0)), 1);
    EXPECT_EQ(layer.StoredImage().GetPixel(5, 6), RGB(255, 0, 0));
    EXPECT_EQ(pen.Target(), nullptr);
    EXPECT_FALSE(pen.EndStroke(1, 1));
    EXPECT_FALSE(pen.BeginStroke(nullptr, 0, 0, false));
}

TEST(PenPainter, WidePensPaintRoundDots)
{
    auto owned = Layer(30, 30);
    CDibObj& layer = *owned;
    CPenPainter pen;
    pen.SetPen(7, RGB(0, 255, 0));
    pen.BeginStroke(&layer, 15, 15, false);
    pen.EndStroke(15, 15);
    const CDibImage& image = layer.StoredImage();
    EXPECT_EQ(image.GetPixel(15, 15), RGB(0, 255, 0));
    EXPECT_EQ(image.GetPixel(12, 15), RGB(0, 255, 0));
    EXPECT_EQ(image.GetPixel(18, 15), RGB(0, 255, 0));
    EXPECT_EQ(image.GetPixel(12, 12), transparentKey); // round: the corner stays
    EXPECT_EQ(image.GetPixel(20, 15), transparentKey);
    const int dot = Painted(layer, RGB(0, 255, 0));
    EXPECT_GT(dot, 25);
    EXPECT_LT(dot, 49);

    pen.BeginStroke(&layer, 2, 25, false);
    EXPECT_EQ(pen.AddPoint(20, 25), (CPoint{2, 25}));
    pen.EndStroke(27, 25);
    EXPECT_EQ(image.GetPixel(10, 25), RGB(0, 255, 0));
    EXPECT_EQ(image.GetPixel(10, 22), RGB(0, 255, 0));
}

TEST(PenPainter, FillFollowsTheSurfaceOfOneColour)
{
    auto owned = Layer(10, 5);
    CDibObj& layer = *owned;
    CDibImage& image = layer.StoredImage();
    for (int y = 0; y < 5; ++y)
        image.SetPixel(4, y, RGB(0, 0, 0)); // a wall
    CPenPainter pen;
    pen.SetPen(1, RGB(1, 2, 3));
    ASSERT_TRUE(pen.FillAt(&layer, 0, 0, colorNone));
    EXPECT_EQ(Painted(layer, RGB(1, 2, 3)), 20);
    EXPECT_EQ(image.GetPixel(5, 0), transparentKey);
    ASSERT_TRUE(pen.FillAt(&layer, 9, 4, RGB(9, 9, 9)));
    EXPECT_EQ(Painted(layer, RGB(9, 9, 9)), 25);
    EXPECT_FALSE(pen.FillAt(nullptr, 0, 0, colorNone));
    EXPECT_FALSE(pen.FillAt(&layer, 10, 0, colorNone));
}
