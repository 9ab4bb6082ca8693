#pragma once

#include "ColorRef.h"

#include <cstdint>
#include <vector>

// How the pixels of one image are laid out: bit count, colour table and,
// for 16 and 32 bits, the channel masks. Turns rows into B,G,R triples and
// back, and answers palette look-ups.
class DibPixelFormat
{
public:
    // info: header, table and masks as an image holds them.
    explicit DibPixelFormat(const std::vector<std::uint8_t>& info);
    // A plain format of the given depth with the given table entries (raw B,G,R,0 quads).
    DibPixelFormat(int bitCount, std::vector<std::uint32_t> tableQuads);

    int BitCount() const { return m_bitCount; }
    int TableEntries() const { return int(m_table.size()); }
    COLORREF TableColor(int index) const;

    // Reads width pixels of a row into B,G,R bytes.
    void DecodeRow(const std::uint8_t* row, int width, std::uint8_t* bgr) const;
    // Writes width B,G,R pixels into a row of this format (paletted depths
    // take the nearest table entry).
    void EncodeRow(const std::uint8_t* bgr, int width, std::uint8_t* row) const;

    // The pixel value (index or packed bits) that stands for a colour.
    std::uint32_t PixelValueFor(COLORREF color) const;
    int NearestIndex(int r, int g, int b) const;

    static std::uint32_t GetIndex(const std::uint8_t* row, int x, int bitCount);
    static void SetIndex(std::uint8_t* row, int x, int bitCount, std::uint32_t value);

private:
    struct Channel
    {
        std::uint32_t mask = 0;
        int shift = 0;
        int bits = 0;
        std::uint8_t Extract(std::uint32_t pixel) const;
        std::uint32_t Insert(std::uint8_t value) const;
    };
    void SetMasks(std::uint32_t red, std::uint32_t green, std::uint32_t blue);

    int m_bitCount = 0;
    std::vector<std::uint32_t> m_table; // raw quads: blue | green << 8 | red << 16
    Channel m_red, m_green, m_blue;
};
