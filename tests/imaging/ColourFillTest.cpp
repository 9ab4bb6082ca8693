#include "imaging/CDibImage.h"
#include "imaging/ColourFill.h"
#include "imaging/FloodFill.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

namespace {

// The fill as it was first written: the general flood fill with a visited
// map, one pixel's test at a time.
void ReferenceFill(CDibImage& image, int x, int y, const std::uint8_t fill[3])
{
    std::uint8_t seed[3];
    std::memcpy(seed, image.Row(y) + 3 * std::size_t(x), 3);
    if (std::memcmp(seed, fill, 3) == 0)
        return;
    FloodFill::Run(image.Width(), image.Height(), x, y,
                   [&](int px, int py) { return std::memcmp(image.Row(py) + 3 * std::size_t(px), seed, 3) == 0; },
                   [&](int x0, int x1, int py) {
                       for (int i = x0; i < x1; ++i)
                           std::memcpy(image.Row(py) + 3 * std::size_t(i), fill, 3);
                   });
}

// Pen strokes on the key: speckle dense enough to leave holes, pockets and
// pixels that touch only at their corners, plus a few long walls.
CDibImage Speckled(int width, int height, unsigned seed, int percent)
{
    std::mt19937 random(seed);
    CDibImage image;
    image.Create(width, height, 24, transparentKey);
    const COLORREF inks[3] = {RGB(0, 0, 0), RGB(255, 255, 255), RGB(0, 0, 2)}; // the last differs from the key in one byte
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (int(random() % 100) < percent)
                image.SetPixel(x, y, inks[random() % 3]);
    for (int wall = 0; wall < 3; ++wall) {
        const int at = int(random() % unsigned(width));
        for (int y = 0; y < height - 1; ++y)
            image.SetPixel(at, y, RGB(0, 0, 0));
        for (int x = 0, d = int(random() % unsigned(height)); x < width && x + d < height; ++x)
            image.SetPixel(x, x + d, RGB(255, 255, 255)); // a diagonal: 4-connected fills pass it
    }
    return image;
}

} // namespace

TEST(ColourFill, PaintsTheSameSurfaceAsTheFormerFloodFill)
{
    const std::uint8_t fills[2][3] = {{9, 8, 7}, {0, 0, 0}};
    unsigned seed = 1;
    for (const int width : {1, 2, 15, 16, 17, 31, 33, 64, 97})
        for (const int percent : {0, 20, 40, 55}) {
            const CDibImage start = Speckled(width, 23, seed++, percent);
            std::mt19937 random(seed);
            for (int click = 0; click < 6; ++click) {
                const int x = int(random() % unsigned(width)), y = int(random() % 23u);
                const std::uint8_t* fill = fills[click % 2];
                CDibImage ours, theirs;
                ours.CopyImage(start);
                theirs.CopyImage(start);
                ASSERT_TRUE(ColourFill::Run(ours, x, y, fill));
                ReferenceFill(theirs, x, y, fill);
                ASSERT_EQ(std::memcmp(ours.Bits(), theirs.Bits(), ours.BitsSize()), 0)
                    << width << " pixels wide, " << percent << " % ink, click at " << x << "," << y;
            }
        }
    CDibImage image = Speckled(20, 5, 3, 30);
    const std::uint8_t fill[3] = {1, 2, 3};
    EXPECT_FALSE(ColourFill::Run(image, 20, 0, fill));
    EXPECT_FALSE(ColourFill::Run(image, 0, -1, fill));
}
