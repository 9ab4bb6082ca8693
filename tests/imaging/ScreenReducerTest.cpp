// The view's two-pass reduction against the halftone stretch it stands in
// for on screen: at most one step apart in any channel, whatever the sizes
// and the part shown, and the same on one thread as on several.
#include "imaging/CDibImage.h"
#include "imaging/DibScreenReducer.h"
#include "imaging/DibStretcher.h"
#include "imaging/RowBands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>
#include <random>

namespace {

CDibImage Photo(int width, int height, unsigned seed)
{
    CDibImage image;
    image.Create(width, height, 24);
    std::mt19937 random(seed);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < 3 * width; ++x)
            image.Row(y)[x] = std::uint8_t(x % 3 == 0 ? random() : (x * 5 + y * 3 + random() % 8));
    return image;
}

int LargestDifference(const QImage& a, const QImage& b)
{
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                std::abs(qBlue(p) - qBlue(q))});
        }
    }
    return largest;
}

} // namespace

TEST(ScreenReducer, WithinOneStepOfTheHalftoneStretch)
{
    struct Case
    {
        int width, height;
        CRect dest, visible;
    };
    const Case cases[] = {
        {1874, 1874, {0, 0, 468, 468}, {0, 0, 468, 468}},         // the plate at 25 %
        {301, 203, {16, 16, 91, 66}, {16, 16, 91, 66}},
        {301, 203, {-40, -30, 155, 101}, {0, 0, 120, 90}},        // a window cutting the plate
        {97, 55, {0, 0, 96, 54}, {3, 5, 90, 50}},                 // barely smaller
        {640, 480, {0, 0, 7, 5}, {0, 0, 7, 5}},                   // tiny
        {333, 111, {10, 10, 10 + 200, 10 + 40}, {20, 15, 150, 45}},
        {400, 300, {-100, -80, 300, 220}, {0, 0, 120, 90}},       // a window on the plate's middle
    };
    unsigned seed = 1;
    for (const Case& c : cases) {
        const CDibImage image = Photo(c.width, c.height, seed++);
        const CRect source{0, 0, c.width, c.height};
        const QImage fast = DibScreenReducer::Reduce(image, c.dest, source, c.visible);
        const QImage reference = DibStretcher::Stretch(image, c.dest, source, c.visible, StretchMode::Halftone);
        ASSERT_EQ(fast.size(), reference.size());
        EXPECT_EQ(fast.format(), QImage::Format_RGB32);
        EXPECT_LE(LargestDifference(fast, reference), 1) << c.width << " -> " << c.dest.Width();
        RowBands::SetMaximumBands(1);
        EXPECT_EQ(DibScreenReducer::Reduce(image, c.dest, source, c.visible), fast);
        RowBands::SetMaximumBands(64);
        // The copy made along the way is the whole block, whatever part of
        // it the reduction read.
        std::vector<std::uint8_t> copy(image.BitsSize(), 0xA5);
        EXPECT_EQ(DibScreenReducer::Reduce(image, c.dest, source, c.visible, copy.data()), fast);
        EXPECT_EQ(std::memcmp(copy.data(), image.Row(0), copy.size()), 0) << c.width << " -> " << c.dest.Width();
    }
}

TEST(ScreenReducer, RefusesWhatItCannotReduce)
{
    CDibImage grey;
    grey.Create(10, 10, 8);
    EXPECT_TRUE(DibScreenReducer::Reduce(grey, {0, 0, 5, 5}, {0, 0, 10, 10}, {0, 0, 5, 5}).isNull());
    const CDibImage image = Photo(10, 10, 1);
    EXPECT_TRUE(DibScreenReducer::Reduce(image, {0, 0, 5, 5}, {0, 0, 10, 10}, {}).isNull());
}
