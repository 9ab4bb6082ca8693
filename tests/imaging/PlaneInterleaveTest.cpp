#include "imaging/CpuFeatures.h"
#include "imaging/PlaneInterleave.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

// Every length around the 16-pixel steps, planes of distinct bytes, the
// pixels written and not one byte past them, with and without the wide loop.
TEST(PlaneInterleaveTest, PlanesBecomeBgrPixelsAndBackForEveryLengthOnEitherPath)
{
    for (const bool wide : {false, true}) {
        CpuFeatures::SetWideAllowed(wide);
        for (std::size_t count : {0u, 1u, 15u, 16u, 17u, 31u, 32u, 33u, 47u, 48u, 100u, 1874u}) {
            std::vector<std::uint8_t> blue(count), green(count), red(count);
            for (std::size_t x = 0; x < count; ++x) {
                blue[x] = std::uint8_t(x * 7);
                green[x] = std::uint8_t(x * 11 + 1);
                red[x] = std::uint8_t(x * 13 + 2);
            }
            std::vector<std::uint8_t> bgr(3 * count + 5, 0xEE);
            PlaneInterleave::Interleave(blue.data(), green.data(), red.data(), bgr.data(), count);
            for (std::size_t x = 0; x < count; ++x) {
                ASSERT_EQ(bgr[3 * x], blue[x]) << count << " " << x << " wide " << wide;
                ASSERT_EQ(bgr[3 * x + 1], green[x]);
                ASSERT_EQ(bgr[3 * x + 2], red[x]);
            }
            for (std::size_t k = 3 * count; k < bgr.size(); ++k)
                ASSERT_EQ(bgr[k], 0xEE) << "written past the pixels, count " << count;
            std::vector<std::uint8_t> back(3 * count + 3, 0xEE);
            PlaneInterleave::Deinterleave(bgr.data(), back.data(), back.data() + count + 1, back.data() + 2 * count + 2,
                                          count);
            EXPECT_TRUE(std::equal(blue.begin(), blue.end(), back.begin()));
            EXPECT_TRUE(std::equal(green.begin(), green.end(), back.begin() + std::ptrdiff_t(count) + 1));
            EXPECT_TRUE(std::equal(red.begin(), red.end(), back.begin() + 2 * std::ptrdiff_t(count) + 2));
            EXPECT_EQ(back[count], 0xEE);
            EXPECT_EQ(back[2 * count + 1], 0xEE);
            EXPECT_EQ(back[3 * count + 2], 0xEE);
        }
    }
    CpuFeatures::SetWideAllowed(true);
}

} // namespace
