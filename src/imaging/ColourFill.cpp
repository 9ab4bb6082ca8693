#include "ColourFill.h"

#include "CDibImage.h"

#include <cstddef>
#include <cstring>
#include <utility>
#include <vector>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

// One colour as the bytes of sixteen pixels (48 bytes: three registers), so
// that blocks of sixteen pixels are compared or written without shuffles.
class Colour
{
public:
    explicit Colour(const std::uint8_t bgr[3])
    {
        for (std::size_t i = 0; i < sizeof m_block; ++i)
            m_block[i] = bgr[i % 3];
    }

    const std::uint8_t* Bytes() const { return m_block; }
    bool At(const std::uint8_t* pixel) const { return std::memcmp(pixel, m_block, 3) == 0; }

#ifdef __SSE2__
    // Bit 3i + k set when byte k of pixel i of the block at p has the
    // colour's byte: pixel i has the colour when its three bits are set.
    std::uint64_t ByteMatches(const std::uint8_t* p) const
    {
        std::uint64_t bits = 0;
        for (int part = 0; part < 3; ++part) {
            const __m128i have = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * part));
            const __m128i want = _mm_loadu_si128(reinterpret_cast<const __m128i*>(m_block + 16 * part));
            bits |= std::uint64_t(unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(have, want)))) << (16 * part);
        }
        return bits;
    }
#endif

private:
    std::uint8_t m_block[48];
};

#ifdef __SSE2__
constexpr std::uint64_t firstBytes = 0x249249249249ull; // bit 3i for the 16 pixels

// One bit (3i) per pixel of a block of sixteen: whether it has the colour.
std::uint64_t PixelsOf(const Colour& colour, const std::uint8_t* p)
{
    const std::uint64_t m = colour.ByteMatches(p);
    return m & (m >> 1) & (m >> 2) & firstBytes;
}

std::uint64_t PixelsNotOf(const Colour& colour, const std::uint8_t* p)
{
    return ~PixelsOf(colour, p) & firstBytes;
}
#endif

// The first pixel in [x, end) of the colour (wanted) or not of it, or end.
int Next(const std::uint8_t* row, int x, int end, const Colour& colour, bool wanted)
{
#ifdef __SSE2__
    for (; x + 16 <= end; x += 16) {
        const std::uint8_t* p = row + 3 * std::size_t(x);
        if (const std::uint64_t hits = wanted ? PixelsOf(colour, p) : PixelsNotOf(colour, p))
            return x + __builtin_ctzll(hits) / 3;
    }
#endif
    for (; x < end; ++x)
        if (colour.At(row + 3 * std::size_t(x)) == wanted)
            return x;
    return end;
}

// The first pixel of the run of the colour that ends at pixel x (which has it).
int RunStart(const std::uint8_t* row, int x, const Colour& colour)
{
#ifdef __SSE2__
    for (; x >= 16; x -= 16) {
        if (const std::uint64_t other = PixelsNotOf(colour, row + 3 * std::size_t(x - 16)))
            return x - 16 + (63 - __builtin_clzll(other)) / 3 + 1;
    }
#endif
    while (x > 0 && colour.At(row + 3 * std::size_t(x - 1)))
        --x;
    return x;
}

void Paint(std::uint8_t* row, int x0, int x1, const Colour& colour)
{
    std::uint8_t* p = row + 3 * std::size_t(x0);
    for (; x0 + 16 <= x1; x0 += 16, p += 48)
        std::memcpy(p, colour.Bytes(), 48);
    std::memcpy(p, colour.Bytes(), 3 * std::size_t(x1 - x0));
}

// Columns [x0, x1) of row y lie beside a painted span of row y - dy.
struct Pending
{
    int y, x0, x1, dy;
};

} // namespace

bool ColourFill::Run(CDibImage& image, int x, int y, const std::uint8_t fillBgr[3])
{
    const int width = image.Width(), height = image.Height();
    if (image.BitCount() != 24 || x < 0 || y < 0 || x >= width || y >= height)
        return false;
    // Read before writing: the pixels may be shared with an undo step, and
    // a fill that changes nothing must not take them for itself.
    const Colour surface(std::as_const(image).Row(y) + 3 * std::size_t(x)), fill(fillBgr);
    if (surface.At(fillBgr))
        return true; // painting would change nothing, and would never end
    std::uint8_t* const bits = image.Bits();
    const std::size_t stride = image.Stride();
    const auto row = [&](int at) { return bits + stride * std::size_t(at); };
    std::vector<Pending> pending;
    const auto push = [&](int at, int x0, int x1, int dy) {
        if (at >= 0 && at < height && x0 < x1)
            pending.push_back({at, x0, x1, dy});
    };
    {
        const int x0 = RunStart(row(y), x, surface), x1 = Next(row(y), x, width, surface, false);
        Paint(row(y), x0, x1, fill);
        push(y - 1, x0, x1, -1);
        push(y + 1, x0, x1, 1);
    }
    while (!pending.empty()) {
        const Pending at = pending.back();
        pending.pop_back();
        std::uint8_t* line = row(at.y);
        for (int from = Next(line, at.x0, at.x1, surface, true); from < at.x1;) {
            // Only a span reaching the range's first column can start before
            // it: anything else was found after a pixel of another colour.
            const int x0 = from == at.x0 ? RunStart(line, from, surface) : from;
            const int x1 = Next(line, from, width, surface, false);
            Paint(line, x0, x1, fill);
            push(at.y + at.dy, x0, x1, at.dy);
            // Where the span reaches past the one it came from (whose ends
            // were of another colour), the row it came from is looked at too.
            push(at.y - at.dy, x0, at.x0 - 1, -at.dy);
            push(at.y - at.dy, at.x1 + 1, x1, -at.dy);
            from = x1 < at.x1 ? Next(line, x1, at.x1, surface, true) : at.x1;
        }
    }
    return true;
}
