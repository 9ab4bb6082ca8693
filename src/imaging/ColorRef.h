#pragma once

#include <cstdint>

// Colours travel as 0x00BBGGRR, red in the low byte.
using COLORREF = std::uint32_t;

// "No colour" where a fill or key is optional; also what GetPixel answers for
// a pixel it cannot read.
constexpr COLORREF colorNone = 0xFFFFFFFF;
// Pixels of exactly this colour are never copied onto the plate.
constexpr COLORREF transparentKey = 0x000001;
// What a computed pixel becomes when it would otherwise equal the key.
constexpr COLORREF keyReplacement = 0x010001;

constexpr COLORREF RGB(int r, int g, int b)
{
    return COLORREF(r & 0xFF) | COLORREF(g & 0xFF) << 8 | COLORREF(b & 0xFF) << 16;
}
constexpr int GetRValue(COLORREF c) { return int(c & 0xFF); }
constexpr int GetGValue(COLORREF c) { return int((c >> 8) & 0xFF); }
constexpr int GetBValue(COLORREF c) { return int((c >> 16) & 0xFF); }
