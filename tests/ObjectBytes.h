#pragma once

#include "TestBytes.h"

#include <cstdint>
#include <string>

// Object records written by hand from their documented layouts.
namespace ObjectBytes {

inline TestBytes ClassRecord(const std::string& name)
{
    return TestBytes().u16(0xFFFF).u16(3).u16(std::uint16_t(name.size())).text(name);
}

inline TestBytes Common(const std::string& name, std::uint32_t flags, int visible, int x, int y, int cx, int cy)
{
    return TestBytes().u8(std::uint8_t(name.size())).text(name).u32(flags).i32(visible).i32(x).i32(y).i32(cx).i32(cy);
}

// A grey 24-bit image record of width x height in one colour level.
inline TestBytes GreyImage(int width, int height, std::uint8_t level)
{
    TestBytes record;
    record.i32(2).i32(40).u32(40).i32(width).i32(height).u16(1).u16(24).u32(0).u32(0).i32(0).i32(0).u32(0).u32(0)
        .i32(width).i32(height).i32(3);
    // The one plane as runs of at most 128.
    for (int left = width * height; left > 0; left -= 128) {
        const int n = left < 128 ? left : 128;
        if (n == 1)
            record.u8(0).u8(level);
        else
            record.u8(std::uint8_t(1 - n)).u8(level);
    }
    return record;
}

// A one-pixel 24-bit image record in colour planes.
inline TestBytes OnePixel(std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    return TestBytes().i32(1).i32(40).u32(40).i32(1).i32(1).u16(1).u16(24).u32(0).u32(0).i32(0).i32(0).u32(0).u32(0)
        .i32(1).i32(1).i32(3).u8(0).u8(r).u8(0).u8(g).u8(0).u8(b);
}

// A LOGFONT: height, weight, italic, char set and face; the rest zero.
inline TestBytes Font(int height, int weight, int italic, int charSet, const std::string& face)
{
    TestBytes f;
    f.i32(height).i32(0).i32(0).i32(0).i32(weight).u8(std::uint8_t(italic)).u8(0).u8(0).u8(std::uint8_t(charSet))
        .u8(0).u8(0).u8(0).u8(0).text(face).repeat(0, 32 - int(face.size()));
    return f;
}

inline TestBytes DocumentHeader(std::uint32_t version, int width, int height, std::uint32_t base,
                                int brightness, int contrast, int gamma, int invert)
{
    TestBytes h;
    const std::string magic = "Corvex KZ Corporation Veldra Document";
    h.text(magic).repeat(0, 48 - int(magic.size())).u32(version).i32(width).i32(height).u32(base).i32(brightness).i32(contrast);
    if (version >= 1)
        h.i32(gamma);
    if (version >= 2)
        h.i32(invert);
    return h;
}

} // namespace ObjectBytes
