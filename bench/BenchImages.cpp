#include "BenchImages.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

CDibImage MakePhoto(int width, int height)
{
    CDibImage image;
    image.Create(width, height, 24);
    std::uint32_t noise = 12345;
    for (int y = 0; y < height; ++y) {
        std::uint8_t* p = image.Row(y);
        for (int x = 0; x < width; ++x, p += 3) {
            noise = noise * 1664525u + 1013904223u;
            const int grain = int(noise >> 29) - 4;
            const double u = double(x) / width, v = double(y) / height;
            const int r = int(128 + 100 * std::sin(6 * u + 2 * v)) + grain;
            const int g = int(128 + 90 * std::cos(4 * v - 3 * u)) + grain;
            const int b = int(110 + 80 * std::sin(5 * (u + v))) + grain;
            p[0] = std::uint8_t(std::clamp(b, 0, 255));
            p[1] = std::uint8_t(std::clamp(g, 0, 255));
            p[2] = std::uint8_t(std::clamp(r, 0, 255));
        }
    }
    return image;
}
