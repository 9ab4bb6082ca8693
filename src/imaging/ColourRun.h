#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

// One 24-bit colour as the bytes of sixteen pixels (48 bytes: three
// registers), so that runs of a row are compared or painted sixteen pixels
// at a time without shuffles. Rows are B,G,R bytes; columns are pixels.
// Kept inline: the fill's inner loops are made of these.
class ColourRun
{
public:
    explicit ColourRun(const std::uint8_t bgr[3])
    {
        for (std::size_t i = 0; i < sizeof m_block; ++i)
            m_block[i] = bgr[i % 3];
    }

    const std::uint8_t* Bgr() const { return m_block; }
    bool At(const std::uint8_t* pixel) const { return std::memcmp(pixel, m_block, 3) == 0; }

    // The first pixel in [x, end) of the colour (wanted) or not of it, or end.
    int Next(const std::uint8_t* row, int x, int end, bool wanted) const
    {
#ifdef __SSE2__
        for (; x + 16 <= end; x += 16) {
            const std::uint8_t* p = row + 3 * std::size_t(x);
            if (const std::uint64_t hits = wanted ? PixelsOf(p) : PixelsNotOf(p))
                return x + __builtin_ctzll(hits) / 3;
        }
#endif
        for (; x < end; ++x)
            if (At(row + 3 * std::size_t(x)) == wanted)
                return x;
        return end;
    }

    // The first pixel of the run of the colour that ends at pixel x (which has it).
    int RunStart(const std::uint8_t* row, int x) const
    {
#ifdef __SSE2__
        for (; x >= 16; x -= 16) {
            if (const std::uint64_t other = PixelsNotOf(row + 3 * std::size_t(x - 16)))
                return x - 16 + (63 - __builtin_clzll(other)) / 3 + 1;
        }
#endif
        while (x > 0 && At(row + 3 * std::size_t(x - 1)))
            --x;
        return x;
    }

    void Paint(std::uint8_t* row, int x0, int x1) const
    {
        std::uint8_t* p = row + 3 * std::size_t(x0);
        for (; x0 + 16 <= x1; x0 += 16, p += 48)
            std::memcpy(p, m_block, 48);
        std::memcpy(p, m_block, 3 * std::size_t(x1 - x0));
    }

private:
#ifdef __SSE2__
    static constexpr std::uint64_t firstBytes = 0x249249249249ull; // bit 3i for the 16 pixels

    // One bit (3i) per pixel of a block of sixteen: whether it has the colour.
    std::uint64_t PixelsOf(const std::uint8_t* p) const
    {
        std::uint64_t bits = 0;
        for (int part = 0; part < 3; ++part) {
            const __m128i have = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * part));
            const __m128i want = _mm_loadu_si128(reinterpret_cast<const __m128i*>(m_block + 16 * part));
            bits |= std::uint64_t(unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(have, want)))) << (16 * part);
        }
        // A pixel has the colour when all three of its bytes match.
        return bits & (bits >> 1) & (bits >> 2) & firstBytes;
    }

    std::uint64_t PixelsNotOf(const std::uint8_t* p) const { return ~PixelsOf(p) & firstBytes; }
#endif

    std::uint8_t m_block[48];
};
