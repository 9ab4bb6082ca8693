#include "KeyScan.h"

#include <cstddef>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

// Photos hold few bytes equal to the key's blue, so sixteen bytes at a time
// are checked for that byte first.
int NextKeyPixel(const std::uint8_t* in, int x, int count, const std::uint8_t key[3])
{
    const std::size_t end = 3 * std::size_t(count);
    std::size_t at = 3 * std::size_t(x);
#ifdef __SSE2__
    const __m128i blue = _mm_set1_epi8(char(key[0]));
    for (; at + 16 <= end; at += 16) {
        unsigned mask = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(in + at)), blue)));
        while (mask) {
            const std::size_t byte = at + std::size_t(__builtin_ctz(mask));
            mask &= mask - 1;
            if (byte % 3 == 0 && byte + 2 < end && in[byte + 1] == key[1] && in[byte + 2] == key[2])
                return int(byte / 3);
        }
    }
    at -= at % 3; // back to the pixel the tail starts in
#endif
    for (; at < end; at += 3)
        if (in[at] == key[0] && in[at + 1] == key[1] && in[at + 2] == key[2])
            return int(at / 3);
    return count;
}
