// Images sharing one pixel block until written, and images kept as their
// difference from another.
#include "imaging/CDibImage.h"
#include "imaging/DibRowDelta.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <random>
#include <vector>

namespace {

CDibImage Random(int width, int height, int bitCount, unsigned seed)
{
    CDibImage image;
    image.Create(width, height, bitCount);
    std::mt19937 random(seed);
    for (int y = 0; y < height; ++y)
        for (std::size_t i = 0; i < image.Stride(); ++i)
            image.Row(y)[i] = std::uint8_t(random());
    return image;
}

bool SameBits(const CDibImage& a, const CDibImage& b)
{
    return a.BitsSize() == b.BitsSize() && a.Info() == b.Info() && std::memcmp(a.Bits(), b.Bits(), a.BitsSize()) == 0;
}

} // namespace

TEST(DibSharing, EveryWritableAccessTakesItsOwnCopyFirst)
{
    const CDibImage original = Random(33, 9, 24, 1);
    const auto writers = std::vector<std::function<void(CDibImage&)>>{
        [](CDibImage& image) { image.SetPixel(2, 3, 0x0000FF); },
        [](CDibImage& image) { image.Row(8)[5] ^= 0xFF; },
        [](CDibImage& image) { image.Bits()[0] ^= 0xFF; },
        [](CDibImage& image) { *image.GetPixelAddress(32, 0) ^= 0xFF; },
        [](CDibImage& image) {
            QImage surface = image.PaintSurface();
            QPainter(&surface).fillRect(0, 0, 4, 4, Qt::red);
        },
    };
    for (const auto& write : writers) {
        CDibImage kept = original.Share();
        CDibImage written = original.Share();
        EXPECT_TRUE(written.SharesPixelsWith(kept));
        write(written);
        EXPECT_FALSE(written.SharesPixelsWith(kept));
        EXPECT_TRUE(SameBits(kept, original));
        EXPECT_FALSE(SameBits(written, original));
    }
    // Reading shares on.
    const CDibImage reader = original.Share();
    EXPECT_EQ(reader.GetPixel(1, 1), original.GetPixel(1, 1));
    EXPECT_TRUE(reader.SharesPixelsWith(original));
}

TEST(DibRowDelta, RestoresEveryDepthAndWidthExactly)
{
    for (const int bitCount : {1, 8, 24}) {
        for (const int width : {1, 7, 33, 301}) {
            const CDibImage base = Random(width, 100, bitCount, unsigned(width * bitCount));
            CDibImage changed;
            ASSERT_TRUE(changed.CopyImage(base));
            // Scattered bytes, a whole row, the first and last byte.
            std::mt19937 random{unsigned(width)};
            for (int i = 0; i < 25; ++i)
                changed.Row(int(random() % 100))[random() % changed.Stride()] ^= 0x5A;
            std::memset(changed.Row(17), 0xEE, changed.Stride());
            changed.Bits()[0] ^= 1;
            changed.Bits()[changed.BitsSize() - 1] ^= 1;

            DibRowDelta delta;
            ASSERT_TRUE(delta.Take(changed, base));
            CDibImage restored;
            ASSERT_TRUE(delta.Restore(restored, base));
            EXPECT_TRUE(SameBits(restored, changed)) << bitCount << " bits, " << width << " wide";
            if (bitCount == 24 && width == 301) { // a few changed chunks of a larger image
                EXPECT_LT(delta.HeldBytes(), changed.BitsSize() / 2);
            }
        }
    }
}

TEST(DibRowDelta, RefusesOtherLayoutsAndMostlyChangedImagesAndEqualImagesHoldNothing)
{
    const CDibImage a = Random(20, 10, 24, 3);
    const CDibImage b = Random(21, 10, 24, 3);
    DibRowDelta delta;
    EXPECT_FALSE(delta.Take(a, b));
    EXPECT_TRUE(delta.IsEmpty());
    const CDibImage other = Random(20, 10, 24, 4); // a fill of the whole layer
    EXPECT_FALSE(delta.Take(other, a));
    EXPECT_TRUE(delta.IsEmpty());
    ASSERT_TRUE(delta.Take(a, a));
    EXPECT_LT(delta.HeldBytes(), 200u);
    CDibImage restored;
    EXPECT_FALSE(delta.Restore(restored, b));
    ASSERT_TRUE(delta.Restore(restored, a));
    EXPECT_TRUE(SameBits(restored, a));
}
