#include "imaging/CpuFeatures.h"
#include "imaging/PlaneInterleave.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

// Every length around the 16-pixel steps, planes of distinct bytes, the
// pixels written and not one byte past them, with and without the wide loop.
TEST(PlaneInterleaveTest, PlanesBecomeBgrPixelsForEveryLengthOnEitherPath)
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
        }
    }
    CpuFeatures::SetWideAllowed(true);
}

} // namespace
