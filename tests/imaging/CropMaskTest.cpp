#include "DibTestImages.h"

#include "imaging/CCropMask.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

int CountMarked(const CCropMask& mask, int w, int h)
{
    int n = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            n += mask.IsMarked(x, y);
    return n;
}

} // namespace

TEST(CropMask, TransparentPixelsStartMarkedAndStaySo)
{
    CDibImage picture = Filled24(6, 4, RGB(100, 100, 100));
    picture.SetPixel(2, 1, transparentKey);
    CCropMask mask;
    ASSERT_TRUE(mask.Init(&picture));
    EXPECT_TRUE(mask.IsMarked(2, 1));
    EXPECT_EQ(CountMarked(mask, 6, 4), 1);

    mask.PenStroke({0, 1}, 1, false, false); // a click marks one pixel
    EXPECT_TRUE(mask.IsMarked(0, 1));
    EXPECT_EQ(CountMarked(mask, 6, 4), 2);
    mask.PenStroke({0, 1}, 1, true, false);
    mask.PenStroke({5, 1}, 1, true, true); // erase across the row
    EXPECT_FALSE(mask.IsMarked(0, 1));
    EXPECT_TRUE(mask.IsMarked(2, 1));      // locked
    EXPECT_FALSE(mask.Init(nullptr));
}

TEST(CropMask, FillSelectTakesTheConnectedPixelsWithinTolerance)
{
    // Left half luma 100, a luma-102 stripe, right half luma 100 again.
    CDibImage picture = Filled24(7, 3, RGB(100, 100, 100));
    for (int y = 0; y < 3; ++y)
        picture.SetPixel(3, y, RGB(102, 102, 102));
    CCropMask mask;
    ASSERT_TRUE(mask.Init(&picture));
    mask.FillSelect({0, 0}, 0);
    EXPECT_EQ(CountMarked(mask, 7, 3), 9); // stops at the stripe
    EXPECT_FALSE(mask.IsMarked(4, 0));
    mask.Undo();
    EXPECT_EQ(CountMarked(mask, 7, 3), 0);
    mask.Redo();
    EXPECT_EQ(CountMarked(mask, 7, 3), 9);
    mask.FillSelect({6, 0}, 2); // the stripe is within 2 now, but the marked area bounds it
    EXPECT_EQ(CountMarked(mask, 7, 3), 21);
}

TEST(CropMask, HistoryKeepsTheLastThousandEdits)
{
    CDibImage picture = Filled24(4, 4, RGB(9, 9, 9));
    CCropMask mask;
    ASSERT_TRUE(mask.Init(&picture));
    for (int i = 0; i < 1001; ++i)
        mask.PenStroke({i % 4, (i / 4) % 4}, 1, i % 2 == 1, false);
    EXPECT_EQ(mask.UndoCount(), 1000);
    mask.Undo();
    EXPECT_EQ(mask.RedoCount(), 1);
    mask.PenStroke({1, 1}, 1, false, false);
    EXPECT_EQ(mask.RedoCount(), 0);
}

TEST(CropMask, ApplyingTurnsMarkedPixelsIntoTheKey)
{
    CDibImage picture = Filled24(3, 1, RGB(50, 60, 70));
    CCropMask mask;
    ASSERT_TRUE(mask.Init(&picture));
    mask.PenStroke({1, 0}, 1, false, false);
    mask.ApplyMask();
    EXPECT_EQ(picture.GetPixel(0, 0), RGB(50, 60, 70));
    EXPECT_EQ(picture.GetPixel(1, 0), transparentKey);
    mask.m_crMasked = RGB(0, 0, 255);
    mask.ApplyMask();
    EXPECT_EQ(picture.GetPixel(1, 0), RGB(0, 0, 255));
}

TEST(CropMask, RedoWithNothingToRedoKeepsTheHistory)
{
    CDibImage picture = Filled24(4, 4, RGB(9, 9, 9));
    CCropMask mask;
    ASSERT_TRUE(mask.Init(&picture));
    for (int i = 0; i < CCropMask::maxHistory; ++i)
        mask.PenStroke({i % 4, 0}, 1, i % 2 == 1, false);
    mask.PenStroke({3, 3}, 1, false, false); // the first edit falls out
    ASSERT_EQ(mask.UndoCount(), CCropMask::maxHistory);
    for (int i = 0; i < 5; ++i)
        mask.Redo();
    EXPECT_EQ(mask.UndoCount(), CCropMask::maxHistory);
    EXPECT_EQ(mask.RedoCount(), 0);
    // Every real edit is still there to undo, back to the state before the last one.
    mask.Undo();
    EXPECT_FALSE(mask.IsMarked(3, 3));
    EXPECT_EQ(mask.UndoCount(), CCropMask::maxHistory - 1);
}

TEST(CropMask, ShowTintsExactlyTheMarkedPixelsOfTheShownPart)
{
    CDibImage picture = Filled24(8, 6, RGB(50, 60, 70));
    CCropMask mask;
    ASSERT_TRUE(mask.Init(&picture));
    mask.PenStroke({3, 2}, 1, false, false);
    const QColor tint(0, 0, 255), plain(50, 60, 70);
    for (const int zoom : {200, 100, 50}) {
        SCOPED_TRACE(zoom);
        QImage window(40, 30, QImage::Format_RGB32);
        window.fill(Qt::white);
        {
            QPainter painter(&window);
            mask.Show(painter, zoom, {5, 4}, RGB(0, 0, 255));
        }
        // Each window pixel shows the picture pixel the stretch takes for it.
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x) {
                const int sx = (x - 5) * 100 / zoom, sy = (y - 4) * 100 / zoom;
                const bool inside = x >= 5 && y >= 4 && x < 5 + 8 * zoom / 100 && y < 4 + 6 * zoom / 100;
                const QColor expected = !inside ? QColor(Qt::white) : sx == 3 && sy == 2 ? tint : plain;
                ASSERT_EQ(window.pixelColor(x, y), expected) << x << "," << y;
            }
    }
    // A clipped paint draws only inside its clip, tinted where it should be.
    QImage window(40, 30, QImage::Format_RGB32);
    window.fill(Qt::white);
    {
        QPainter painter(&window);
        painter.setClipRect(QRect(12, 8, 4, 4));
        mask.Show(painter, 200, {5, 4}, RGB(0, 0, 255));
    }
    EXPECT_EQ(window.pixelColor(11, 8), QColor(Qt::white));
    EXPECT_EQ(window.pixelColor(12, 8), tint);   // picture pixel (3, 2)
    EXPECT_EQ(window.pixelColor(14, 8), plain);  // (4, 2)
    EXPECT_EQ(window.pixelColor(12, 12), QColor(Qt::white));
}
