#include "PlaneInterleave.h"

#include "CpuFeatures.h"

#include <array>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace {

void InterleavePlain(const std::uint8_t* blue, const std::uint8_t* green, const std::uint8_t* red, std::uint8_t* bgr,
                     std::size_t count)
{
    for (std::size_t x = 0; x < count; ++x, bgr += 3) {
        bgr[0] = blue[x];
        bgr[1] = green[x];
        bgr[2] = red[x];
    }
}

#if defined(__x86_64__) || defined(__i386__)

// The byte shuffle that places channel's bytes of 16 pixels into output
// bytes 16 * part .. 16 * part + 15; -128 leaves a byte zero.
constexpr std::array<char, 16> ShuffleFor(int channel, int part)
{
    std::array<char, 16> mask{};
    for (int i = 0; i < 16; ++i) {
        const int k = 16 * part + i;
        mask[std::size_t(i)] = char(k % 3 == channel ? k / 3 : -128);
    }
    return mask;
}

template <int channel, int part>
__attribute__((target("ssse3"))) __m128i Shuffled(__m128i plane)
{
    static constexpr std::array<char, 16> mask = ShuffleFor(channel, part);
    return _mm_shuffle_epi8(plane, _mm_loadu_si128(reinterpret_cast<const __m128i*>(mask.data())));
}

template <int part>
__attribute__((target("ssse3"))) __m128i Part(__m128i b, __m128i g, __m128i r)
{
    return _mm_or_si128(_mm_or_si128(Shuffled<0, part>(b), Shuffled<1, part>(g)), Shuffled<2, part>(r));
}

__attribute__((target("ssse3"))) std::size_t InterleaveSsse3(const std::uint8_t* blue, const std::uint8_t* green,
                                                             const std::uint8_t* red, std::uint8_t* bgr,
                                                             std::size_t count)
{
    std::size_t x = 0;
    for (; x + 16 <= count; x += 16, bgr += 48) {
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(blue + x));
        const __m128i g = _mm_loadu_si128(reinterpret_cast<const __m128i*>(green + x));
        const __m128i r = _mm_loadu_si128(reinterpret_cast<const __m128i*>(red + x));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(bgr), Part<0>(b, g, r));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(bgr + 16), Part<1>(b, g, r));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(bgr + 32), Part<2>(b, g, r));
    }
    return x;
}

#endif

} // namespace

void PlaneInterleave::Interleave(const std::uint8_t* blue, const std::uint8_t* green, const std::uint8_t* red,
                                 std::uint8_t* bgr, std::size_t count)
{
    std::size_t done = 0;
#if defined(__x86_64__) || defined(__i386__)
    if (CpuFeatures::Ssse3())
        done = InterleaveSsse3(blue, green, red, bgr, count);
#endif
    InterleavePlain(blue + done, green + done, red + done, bgr + 3 * done, count - done);
}
