#include "DibReductionAvx2.h"

#include "CpuFeatures.h"

#include <algorithm>
#include <cmath>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define VELDRA_AVX2 __attribute__((target("avx2")))
#else
#define VELDRA_AVX2
#endif

namespace DibReductionAvx2 {

bool Available()
{
    return CpuFeatures::Avx2();
}

#if defined(__x86_64__) || defined(__i386__)

namespace {

int Rounded(double sum, double area)
{
    return std::min(255, int(sum / area + 0.5));
}

// One column's three sums (and a fourth lane of no meaning), tap by tap.
VELDRA_AVX2 inline __m256d ColumnSums(const double* values, const std::size_t* offsets, const double* weights,
                                      std::size_t width)
{
    __m256d sum = _mm256_setzero_pd();
    for (std::size_t t = 0; t < width; ++t)
        sum = _mm256_add_pd(sum, _mm256_mul_pd(_mm256_broadcast_sd(weights + t), _mm256_loadu_pd(values + offsets[t])));
    return sum;
}

} // namespace

VELDRA_AVX2 void ToDoubles(const std::uint8_t* bytes, std::size_t count, double* values)
{
    std::size_t k = 0;
    for (; k + 4 <= count; k += 4) {
        int four;
        __builtin_memcpy(&four, bytes + k, 4);
        _mm256_storeu_pd(values + k, _mm256_cvtepi32_pd(_mm_cvtepu8_epi32(_mm_cvtsi32_si128(four))));
    }
    for (; k < count; ++k)
        values[k] = bytes[k];
    values[count] = 0;
}

VELDRA_AVX2 void SumColumns(const double* values, const std::size_t* offsets, const double* weights,
                            std::size_t width, std::size_t begin, std::size_t end, double* sums)
{
    // Four columns side by side keep four chains of additions in flight;
    // each store's fourth lane is overwritten by the next column's.
    std::size_t c = begin;
    for (; c + 4 <= end; c += 4) {
        const std::size_t at = c * width;
        const __m256d s0 = ColumnSums(values, offsets + at, weights + at, width);
        const __m256d s1 = ColumnSums(values, offsets + at + width, weights + at + width, width);
        const __m256d s2 = ColumnSums(values, offsets + at + 2 * width, weights + at + 2 * width, width);
        const __m256d s3 = ColumnSums(values, offsets + at + 3 * width, weights + at + 3 * width, width);
        _mm256_storeu_pd(sums + 3 * c, s0);
        _mm256_storeu_pd(sums + 3 * c + 3, s1);
        _mm256_storeu_pd(sums + 3 * c + 6, s2);
        _mm256_storeu_pd(sums + 3 * c + 9, s3);
    }
    for (; c < end; ++c)
        _mm256_storeu_pd(sums + 3 * c, ColumnSums(values, offsets + c * width, weights + c * width, width));
}

VELDRA_AVX2 void Weighted(double* __restrict sums, const double* __restrict values, std::size_t count, double weight)
{
    for (std::size_t i = 0; i < count; ++i)
        sums[i] = weight * values[i];
}

VELDRA_AVX2 void AddWeighted(double* __restrict sums, const double* __restrict values, std::size_t count,
                             double weight)
{
    for (std::size_t i = 0; i < count; ++i)
        sums[i] += weight * values[i];
}

// A quotient q = sum / area and q' = sum * (1 / area) differ by a few units
// in the last place (under 1e-13 for values up to 255), so where q' + 0.5
// lies farther than 1e-9 from a whole number, q + 0.5 truncates to the same
// integer. Nearer than that, the division decides.
VELDRA_AVX2 void ToBytes(const double* sums, std::size_t count, double area, int* values)
{
    const __m256d inverse = _mm256_set1_pd(1.0 / area), half = _mm256_set1_pd(0.5);
    const __m256d nearLow = _mm256_set1_pd(1e-9), nearHigh = _mm256_set1_pd(1 - 1e-9);
    const __m128i most = _mm_set1_epi32(255);
    std::size_t i = 0;
    for (; i + 4 <= count; i += 4) {
        const __m256d q = _mm256_add_pd(_mm256_mul_pd(_mm256_loadu_pd(sums + i), inverse), half);
        const __m256d fraction = _mm256_sub_pd(q, _mm256_floor_pd(q));
        const __m256d near = _mm256_or_pd(_mm256_cmp_pd(fraction, nearLow, _CMP_LT_OQ), _mm256_cmp_pd(fraction, nearHigh, _CMP_GT_OQ));
        if (_mm256_movemask_pd(near)) {
            for (std::size_t j = i; j < i + 4; ++j)
                values[j] = Rounded(sums[j], area);
            continue;
        }
        _mm_storeu_si128(reinterpret_cast<__m128i*>(values + i), _mm_min_epi32(_mm256_cvttpd_epi32(q), most));
    }
    for (; i < count; ++i)
        values[i] = Rounded(sums[i], area);
}

#else

void ToDoubles(const std::uint8_t*, std::size_t, double*) {}
void SumColumns(const double*, const std::size_t*, const double*, std::size_t, std::size_t, std::size_t, double*) {}
void Weighted(double*, const double*, std::size_t, double) {}
void AddWeighted(double*, const double*, std::size_t, double) {}
void ToBytes(const double*, std::size_t, double, int*) {}

#endif

} // namespace DibReductionAvx2
