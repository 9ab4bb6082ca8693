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

void DeinterleavePlain(const std::uint8_t* bgr, std::uint8_t* blue, std::uint8_t* green, std::uint8_t* red,
                       std::size_t count)
{
    for (std::size_t x = 0; x < count; ++x, bgr += 3) {
        blue[x] = bgr[0];
        green[x] = bgr[1];
        red[x] = bgr[2];
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
constexpr std::array<char, 16> interleaving = ShuffleFor(channel, part);

__attribute__((target("ssse3"))) __m128i Shuffled(__m128i bytes, const std::array<char, 16>& mask)
{
    return _mm_shuffle_epi8(bytes, _mm_loadu_si128(reinterpret_cast<const __m128i*>(mask.data())));
}

template <int part>
__attribute__((target("ssse3"))) __m128i Part(__m128i b, __m128i g, __m128i r)
{
    return _mm_or_si128(_mm_or_si128(Shuffled(b, interleaving<0, part>), Shuffled(g, interleaving<1, part>)),
                        Shuffled(r, interleaving<2, part>));
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

// The byte shuffle that takes channel's bytes of 16 pixels out of input
// bytes 16 * part .. 16 * part + 15, into their pixels' places.
constexpr std::array<char, 16> UnshuffleFor(int channel, int part)
{
    std::array<char, 16> mask{};
    for (int i = 0; i < 16; ++i) {
        const int k = 3 * i + channel - 16 * part;
        mask[std::size_t(i)] = char(k >= 0 && k < 16 ? k : -128);
    }
    return mask;
}

template <int channel, int part>
constexpr std::array<char, 16> deinterleaving = UnshuffleFor(channel, part);

template <int channel>
__attribute__((target("ssse3"))) __m128i Unshuffled(__m128i part0, __m128i part1, __m128i part2)
{
    return _mm_or_si128(_mm_or_si128(Shuffled(part0, deinterleaving<channel, 0>), Shuffled(part1, deinterleaving<channel, 1>)),
                        Shuffled(part2, deinterleaving<channel, 2>));
}
__attribute__((target("ssse3"))) std::size_t DeinterleaveSsse3(const std::uint8_t* bgr, std::uint8_t* blue,
                                                               std::uint8_t* green, std::uint8_t* red,
                                                               std::size_t count)
{
    std::size_t x = 0;
    for (; x + 16 <= count; x += 16, bgr += 48) {
        const __m128i part0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bgr));
        const __m128i part1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bgr + 16));
        const __m128i part2 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bgr + 32));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(blue + x), Unshuffled<0>(part0, part1, part2));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(green + x), Unshuffled<1>(part0, part1, part2));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(red + x), Unshuffled<2>(part0, part1, part2));
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

void PlaneInterleave::Deinterleave(const std::uint8_t* bgr, std::uint8_t* blue, std::uint8_t* green,
                                   std::uint8_t* red, std::size_t count)
{
    std::size_t done = 0;
#if defined(__x86_64__) || defined(__i386__)
    if (CpuFeatures::Ssse3())
        done = DeinterleaveSsse3(bgr, blue, green, red, count);
#endif
    DeinterleavePlain(bgr + 3 * done, blue + done, green + done, red + done, count - done);
}
