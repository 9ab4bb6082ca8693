#include "DibEnlargementAvx2.h"

#include "CpuFeatures.h"
#include "PlaneInterleave.h"

#include <algorithm>
#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define VELDRA_AVX2 __attribute__((target("avx2")))
#endif

namespace DibEnlargementAvx2 {

namespace {

constexpr std::size_t groupColumns = 8;
constexpr std::size_t reach = 16; // source pixels one shuffle can take from

std::size_t RoundUp(std::size_t n, std::size_t step)
{
    return (n + step - 1) / step * step;
}

} // namespace

bool MakeGroups(const std::vector<int>& left, const std::vector<int>& right, const std::vector<float>& fx,
                ColumnGroups& groups)
{
    if (!CpuFeatures::Avx2() || left.empty())
        return false;
    const std::size_t count = left.size();
    const std::size_t groupCount = RoundUp(count, groupColumns) / groupColumns;
    groups.columns = count;
    groups.planeStride = RoundUp(count, 16);
    groups.base.assign(groupCount, 0);
    groups.near.assign(16 * groupCount, 0);
    groups.far.assign(16 * groupCount, 0);
    groups.fraction.assign(groupColumns * groupCount, 0.0f);
    groups.complement.assign(groupColumns * groupCount, 1.0f);
    for (std::size_t g = 0; g < groupCount; ++g) {
        const int base = left[groupColumns * g];
        groups.base[g] = base;
        for (std::size_t j = 0; j < groupColumns; ++j) {
            // Columns past the last repeat it; their values are never written out.
            const std::size_t c = std::min(groupColumns * g + j, count - 1);
            const int nearAt = left[c] - base, farAt = right[c] - base;
            if (nearAt < 0 || farAt < 0 || nearAt >= int(reach) || farAt >= int(reach))
                return false;
            groups.near[16 * g + j] = std::uint8_t(nearAt);
            groups.far[16 * g + j] = std::uint8_t(farAt);
            groups.fraction[groupColumns * g + j] = fx[c];
            groups.complement[groupColumns * g + j] = 1 - fx[c];
        }
    }
    return true;
}

#ifdef VELDRA_AVX2

namespace {

// Eight bytes picked by a shuffle, as floats.
VELDRA_AVX2 __m256 Picked(__m128i bytes, const std::uint8_t* shuffle)
{
    const __m128i picked = _mm_shuffle_epi8(bytes, _mm_loadu_si128(reinterpret_cast<const __m128i*>(shuffle)));
    return _mm256_cvtepi32_ps(_mm256_cvtepu8_epi32(picked));
}

VELDRA_AVX2 void LerpPlane(const std::uint8_t* plane, const ColumnGroups& groups, float* values)
{
    const std::size_t groupCount = groups.base.size();
    for (std::size_t g = 0; g < groupCount; ++g) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(plane + groups.base[g]));
        const __m256 p0 = Picked(bytes, &groups.near[16 * g]);
        const __m256 p1 = Picked(bytes, &groups.far[16 * g]);
        const __m256 gx = _mm256_loadu_ps(&groups.complement[groupColumns * g]);
        const __m256 fx = _mm256_loadu_ps(&groups.fraction[groupColumns * g]);
        _mm256_storeu_ps(values + groupColumns * g, _mm256_add_ps(_mm256_mul_ps(gx, p0), _mm256_mul_ps(fx, p1)));
    }
}

// Sixteen values mixed, truncated and packed into bytes (saturating at 255
// as the clamp does; values are never negative).
VELDRA_AVX2 __m128i MixSixteen(const float* upper, const float* lower, __m256 gy, __m256 fy, __m256 half)
{
    const __m256 a = _mm256_add_ps(_mm256_add_ps(_mm256_mul_ps(gy, _mm256_loadu_ps(upper)), _mm256_mul_ps(fy, _mm256_loadu_ps(lower))), half);
    const __m256 b = _mm256_add_ps(_mm256_add_ps(_mm256_mul_ps(gy, _mm256_loadu_ps(upper + 8)), _mm256_mul_ps(fy, _mm256_loadu_ps(lower + 8))), half);
    const __m256i words = _mm256_permute4x64_epi64(_mm256_packus_epi32(_mm256_cvttps_epi32(a), _mm256_cvttps_epi32(b)), 0xD8);
    return _mm_packus_epi16(_mm256_castsi256_si128(words), _mm256_extracti128_si256(words, 1));
}

VELDRA_AVX2 void MixPlanes(const float* upper, const float* lower, float gy, float fy, std::size_t count,
                           std::uint8_t* out)
{
    const __m256 gyv = _mm256_set1_ps(gy), fyv = _mm256_set1_ps(fy), half = _mm256_set1_ps(0.5f);
    for (std::size_t k = 0; k < count; k += 16)
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + k), MixSixteen(upper + k, lower + k, gyv, fyv, half));
}

// Whether any of the first count pixels of the three planes is the key.
VELDRA_AVX2 bool PlanesHoldKey(const std::uint8_t* blue, const std::uint8_t* green, const std::uint8_t* red,
                               std::size_t count, const std::uint8_t key[3])
{
    const __m256i kb = _mm256_set1_epi8(char(key[0])), kg = _mm256_set1_epi8(char(key[1])),
                  kr = _mm256_set1_epi8(char(key[2]));
    std::size_t x = 0;
    for (; x + 32 <= count; x += 32) {
        const __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(blue + x));
        const __m256i g = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(green + x));
        const __m256i r = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(red + x));
        const __m256i hit = _mm256_and_si256(_mm256_and_si256(_mm256_cmpeq_epi8(b, kb), _mm256_cmpeq_epi8(g, kg)),
                                             _mm256_cmpeq_epi8(r, kr));
        if (!_mm256_testz_si256(hit, hit))
            return true;
    }
    for (; x < count; ++x)
        if (blue[x] == key[0] && green[x] == key[1] && red[x] == key[2])
            return true;
    return false;
}

} // namespace

bool LerpAcross(const std::uint8_t* line, int width, const ColumnGroups& groups, std::vector<std::uint8_t>& scratch,
                float* values, const std::uint8_t* key)
{
    // Each plane padded with its last pixel, so a shuffle's sixteen bytes
    // from any group's base lie inside it and the right pixel of the last
    // column is that column itself.
    const std::size_t planeBytes = std::size_t(width) + reach;
    scratch.resize(3 * planeBytes);
    std::uint8_t* blue = scratch.data();
    PlaneInterleave::Deinterleave(line, blue, blue + planeBytes, blue + 2 * planeBytes, std::size_t(width));
    for (int ch = 0; ch < 3; ++ch) {
        std::uint8_t* plane = blue + std::size_t(ch) * planeBytes;
        std::memset(plane + width, plane[width - 1], reach);
        LerpPlane(plane, groups, values + std::size_t(ch) * groups.planeStride);
    }
    return key && PlanesHoldKey(blue, blue + planeBytes, blue + 2 * planeBytes, std::size_t(width), key);
}

void MixRows(const float* upper, const float* lower, float gy, float fy, const ColumnGroups& groups,
             std::vector<std::uint8_t>& scratch, std::uint8_t* out)
{
    const std::size_t stride = groups.planeStride;
    scratch.resize(3 * stride);
    MixPlanes(upper, lower, gy, fy, 3 * stride, scratch.data());
    PlaneInterleave::Interleave(scratch.data(), scratch.data() + stride, scratch.data() + 2 * stride, out,
                                groups.columns);
}

#else

bool LerpAcross(const std::uint8_t*, int, const ColumnGroups&, std::vector<std::uint8_t>&, float*, const std::uint8_t*)
{
    return false;
}
void MixRows(const float*, const float*, float, float, const ColumnGroups&, std::vector<std::uint8_t>&,
             std::uint8_t*)
{
}

#endif

} // namespace DibEnlargementAvx2
