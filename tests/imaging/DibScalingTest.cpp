#include "DibTestImages.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace {
constexpr COLORREF key = transparentKey;
}

TEST(DibResample, ReductionAveragesEachBlock)
{
    const CDibImage source = Image24(4, 2, {RGB(10, 0, 0), RGB(20, 0, 0), RGB(0, 100, 0), RGB(0, 101, 0),
                                            RGB(30, 0, 0), RGB(40, 0, 0), RGB(0, 100, 0), RGB(0, 102, 0)});
    CDibImage target = Filled24(2, 1, RGB(9, 9, 9));
    ASSERT_TRUE(target.Resample(0, 0, 2, 1, source, 0, 0, 4, 2, key, keyReplacement));
    EXPECT_EQ(target.GetPixel(0, 0), RGB(25, 0, 0));
    EXPECT_EQ(target.GetPixel(1, 0), RGB(0, 101, 0)); // 100.75 rounds up
}

TEST(DibResample, KeyInABlockMakesTheKeyAndComputedKeysAreReplaced)
{
    // The key sits at column 2 of the top row: it touches the second
    // destination column, and the first through its zero-weight edge.
    const CDibImage keyed = Image24(4, 2, {RGB(50, 50, 50), RGB(50, 50, 50), key, RGB(50, 50, 50),
                                           RGB(50, 50, 50), RGB(50, 50, 50), RGB(50, 50, 50), RGB(50, 50, 50)});
    CDibImage target = Filled24(2, 1, 0);
    ASSERT_TRUE(target.Resample(0, 0, 2, 1, keyed, 0, 0, 4, 2, key, keyReplacement));
    EXPECT_EQ(target.GetPixel(0, 0), key);
    EXPECT_EQ(target.GetPixel(1, 0), key);

    // Reds 0 and 2 average to red 1: the key colour, written as its replacement.
    const CDibImage nearKey = Image24(2, 2, {RGB(0, 0, 0), RGB(2, 0, 0), RGB(0, 0, 0), RGB(2, 0, 0)});
    CDibImage one = Filled24(1, 1, 0);
    ASSERT_TRUE(one.Resample(0, 0, 1, 1, nearKey, 0, 0, 2, 2, key, keyReplacement));
    EXPECT_EQ(one.GetPixel(0, 0), keyReplacement);
}

TEST(DibResample, EnlargementIsBilinearAndClipsToTheTarget)
{
    const CDibImage source = Image24(2, 2, {RGB(0, 0, 0), RGB(100, 0, 0), RGB(0, 0, 0), RGB(100, 0, 0)});
    CDibImage target = Filled24(4, 4, RGB(7, 7, 7));
    ASSERT_TRUE(target.Resample(-1, 0, 4, 4, source, 0, 0, 2, 2, key, keyReplacement));
    // Destination column j + 1 at x = 0.5 j: j = 1 -> x 0.5 -> red 50.
    EXPECT_EQ(target.GetPixel(0, 0), RGB(50, 0, 0));
    EXPECT_EQ(target.GetPixel(1, 0), RGB(100, 0, 0));
    EXPECT_EQ(target.GetPixel(2, 3), RGB(100, 0, 0)); // last column clamps
    EXPECT_EQ(target.GetPixel(3, 0), RGB(7, 7, 7));   // beyond the 4 written columns

    const CDibImage withKey = Image24(2, 1, {key, RGB(100, 100, 100)});
    CDibImage wide = Filled24(4, 1, 0);
    ASSERT_TRUE(wide.Resample(0, 0, 4, 1, withKey, 0, 0, 2, 1, key, keyReplacement));
    EXPECT_EQ(wide.GetPixel(1, 0), key);
    EXPECT_EQ(wide.GetPixel(2, 0), RGB(100, 100, 100));
}

TEST(DibResample, RefusesOtherDepthsAndEmptyRegions)
{
    CDibImage paletted;
    paletted.Create(2, 2, 8, colorNone);
    CDibImage target = Filled24(2, 2, 0);
    EXPECT_FALSE(target.Resample(0, 0, 2, 2, paletted, 0, 0, 2, 2, key, keyReplacement));
    EXPECT_FALSE(target.Resample(0, 0, 0, 2, target, 0, 0, 2, 2, key, keyReplacement));
    // Onto itself works through a copy.
    CDibImage self = Image24(2, 1, {RGB(0, 0, 0), RGB(100, 0, 0)});
    EXPECT_TRUE(self.Resample(0, 0, 1, 1, self, 0, 0, 2, 1, key, keyReplacement));
    EXPECT_EQ(self.GetPixel(0, 0), RGB(50, 0, 0));
}

TEST(DibPasteKeyed, SkipsKeyPixelsAndCopiesTheirNeighbours)
{
    const CDibImage source = Image24(3, 1, {RGB(1, 1, 1), key, RGB(3, 3, 3)});
    CDibImage plate = Filled24(3, 1, RGB(200, 200, 200));
    ASSERT_TRUE(plate.PasteKeyed(source, nullptr, key));
    EXPECT_EQ(plate.GetPixel(0, 0), RGB(1, 1, 1));
    EXPECT_EQ(plate.GetPixel(1, 0), RGB(200, 200, 200));
    EXPECT_EQ(plate.GetPixel(2, 0), RGB(3, 3, 3));

    ASSERT_TRUE(plate.PasteKeyed(source, nullptr, colorNone));
    EXPECT_EQ(plate.GetPixel(1, 0), key);
}

TEST(DibPasteKeyed, ScalesByNearestPixelAndClipsAtTheEdges)
{
    const CDibImage source = Image24(2, 2, {RGB(11, 0, 0), RGB(12, 0, 0), RGB(13, 0, 0), RGB(14, 0, 0)});
    CDibImage plate = Filled24(3, 3, 0);
    const CRect rect{-1, -1, 3, 3}; // 4 x 4 from (-1, -1)
    ASSERT_TRUE(plate.PasteKeyed(source, &rect, key));
    EXPECT_EQ(plate.GetPixel(0, 0), RGB(11, 0, 0)); // source (0,0) via j = 1
    EXPECT_EQ(plate.GetPixel(1, 0), RGB(12, 0, 0));
    EXPECT_EQ(plate.GetPixel(1, 1), RGB(14, 0, 0));
    EXPECT_EQ(plate.GetPixel(2, 2), RGB(14, 0, 0)); // rows and columns 1 of the source

    CDibImage empty;
    EXPECT_FALSE(plate.PasteKeyed(empty, nullptr, key));
}

namespace {
QImage Canvas(int width, int height)
{
    QImage canvas(width, height, QImage::Format_RGB32);
    canvas.fill(Qt::blue);
    return canvas;
}
}

TEST(DibStretchDraw, NearestAndHalftoneModes)
{
    const CDibImage stripes = Image24(4, 1, {RGB(0, 0, 0), RGB(255, 255, 255), RGB(0, 0, 0), RGB(255, 255, 255)});
    QImage canvas = Canvas(2, 1);
    {
        QPainter painter(&canvas);
        const CRect dest{0, 0, 2, 1};
        ASSERT_TRUE(stripes.StretchDraw(painter, &dest, nullptr, false, StretchMode::ColorOnColor));
    }
    EXPECT_EQ(canvas.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(canvas.pixel(1, 0), qRgb(0, 0, 0));
    {
        QPainter painter(&canvas);
        const CRect dest{0, 0, 2, 1};
        ASSERT_TRUE(stripes.StretchDraw(painter, &dest, nullptr, false, StretchMode::Halftone));
    }
    EXPECT_EQ(canvas.pixel(0, 0), qRgb(128, 128, 128));

    // Enlarging by replication keeps hard edges.
    QImage big = Canvas(8, 1);
    {
        QPainter painter(&big);
        const CRect dest{0, 0, 8, 1};
        ASSERT_TRUE(stripes.StretchDraw(painter, &dest, nullptr, false, StretchMode::ColorOnColor));
    }
    EXPECT_EQ(big.pixel(1, 0), qRgb(0, 0, 0));
    EXPECT_EQ(big.pixel(2, 0), qRgb(255, 255, 255));
}

TEST(DibStretchDraw, FitKeepsTheAspectAndCentres)
{
    const CDibImage wide = Filled24(4, 2, RGB(255, 0, 0));
    QImage canvas = Canvas(8, 8);
    {
        QPainter painter(&canvas);
        const CRect dest{0, 0, 8, 8};
        ASSERT_TRUE(wide.StretchDraw(painter, &dest, nullptr, true));
    }
    // 8 x 4 centred: rows 2..5 red, the rest untouched.
    EXPECT_EQ(canvas.pixel(0, 1), qRgb(0, 0, 255));
    EXPECT_EQ(canvas.pixel(0, 2), qRgb(255, 0, 0));
    EXPECT_EQ(canvas.pixel(7, 5), qRgb(255, 0, 0));
    EXPECT_EQ(canvas.pixel(7, 6), qRgb(0, 0, 255));
}

TEST(DibStretchDraw, DrawsOneToOneAndOnlyWhereClipped)
{
    const CDibImage image = Image24(2, 1, {RGB(9, 0, 0), RGB(0, 9, 0)});
    QImage canvas = Canvas(4, 2);
    {
        QPainter painter(&canvas);
        ASSERT_TRUE(image.StretchDraw(painter, nullptr, nullptr, false));
        painter.setClipRect(QRect(2, 1, 1, 1));
        const CRect dest{0, 0, 4, 2};
        ASSERT_TRUE(image.StretchDraw(painter, &dest, nullptr, false));
    }
    EXPECT_EQ(canvas.pixel(0, 0), qRgb(9, 0, 0));
    EXPECT_EQ(canvas.pixel(1, 0), qRgb(0, 9, 0));
    EXPECT_EQ(canvas.pixel(2, 0), qRgb(0, 0, 255));
    EXPECT_EQ(canvas.pixel(2, 1), qRgb(0, 9, 0));
    EXPECT_EQ(canvas.pixel(3, 1), qRgb(0, 0, 255));
}
