#pragma once

#include "ColorRef.h"

#include <cstddef>
#include <cstdint>

// What the reduction and the enlargement of DibResampler share: the key
// test and the writing of a destination row.
namespace DibResampleRows {

// A source pixel outside the image reads as 0xFFFFFFFF, as GetPixel answers.
inline constexpr std::uint8_t outsideBgr[3] = {0xFF, 0xFF, 0xFF};

// The key test of both directions. With no key, only pixels outside the
// source count as keyed (they read as white through the shared address).
struct KeyTest
{
    bool none;
    std::uint8_t b, g, r;

    explicit KeyTest(COLORREF key)
        : none(key == colorNone), b(std::uint8_t(GetBValue(key))), g(std::uint8_t(GetGValue(key))), r(std::uint8_t(GetRValue(key)))
    {
    }
    bool operator()(const std::uint8_t* p) const { return none ? p == outsideBgr : (p[0] == b && p[1] == g && p[2] == r); }
};

void WritePixel(std::uint8_t* out, int r, int g, int b, COLORREF key, COLORREF replacement);
void WriteKey(std::uint8_t* out, COLORREF key);

// One destination row from its channel values (blue, green, red per
// pixel): keyed pixels become the key, a colour equal to the key its
// replacement; pixels not written are left as they are.
template <class Written>
void WriteRow(std::uint8_t* out, const int* values, const std::uint8_t* keyed, Written written, std::size_t count,
              COLORREF key, COLORREF replacement)
{
    for (std::size_t c = 0; c < count; ++c, out += 3, values += 3) {
        if (!written(c))
            continue;
        if (keyed[c])
            WriteKey(out, key);
        else
            WritePixel(out, values[2], values[1], values[0], key, replacement);
    }
}

// The same for a row whose every pixel is written: the bytes go out in one
// pass, then the few pixels that came out as the key are mended (keyed may
// be null: none are).
void WriteWholeRow(std::uint8_t* out, const int* values, const std::uint8_t* keyed, std::size_t count, COLORREF key,
                   COLORREF replacement);

// The mending of a row whose bytes are written: pixels that came out as the
// key become its replacement, keyed pixels the key (keyed may be null:
// none are).
void MendKeys(std::uint8_t* out, const std::uint8_t* keyed, std::size_t count, COLORREF key, COLORREF replacement);

} // namespace DibResampleRows
