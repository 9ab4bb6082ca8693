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
// Taps are neighbouring pixels from the column's first one; a padded tap
// weighs 0 whatever pixel it reads. The first product is the sum so far,
// as 0 + x is x.
VELDRA_AVX2 inline __m256d Product(const double* pixel, const double* weight)
{
    return _mm256_mul_pd(_mm256_broadcast_sd(weight), _mm256_loadu_pd(pixel));
}

template <std::size_t width>
VELDRA_AVX2 inline __m256d ColumnSums(const double* first, const double* weights)
{
    __m256d sum = Product(first, weights);
    for (std::size_t t = 1; t < width; ++t)
        sum = _mm256_add_pd(sum, Product(first + 3 * t, weights + t));
    return sum;
}

VELDRA_AVX2 inline __m256d ColumnSums(const double* first, const double* weights, std::size_t width)
{
    __m256d sum = Product(first, weights);
    for (std::size_t t = 1; t < width; ++t)
        sum = _mm256_add_pd(sum, Product(first + 3 * t, weights + t));
    return sum;
}

// Column after column: the processor overlaps the columns' chains of
// additions by itself. Each store's fourth lane is overwritten by the next
// column's.
template <std::size_t width>
VELDRA_AVX2 void SumColumnsOf(const double* values, const std::size_t* offsets, const double* weights,
                              std::size_t begin, std::size_t end, double* sums)
{
    for (std::size_t c = begin; c < end; ++c)
        _mm256_storeu_pd(sums + 3 * c, ColumnSums<width>(values + offsets[c * width], weights + c * width));
}

} // namespace

VELDRA_AVX2 void ToDoubles(const std::uint8_t* bytes, std::size_t count, double* values)
{
    std::size_t k = 0;
    for (; k + 8 <= count; k += 8) {
        const __m256i words = _mm256_cvtepu8_epi32(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(bytes + k)));
        _mm256_storeu_pd(values + k, _mm256_cvtepi32_pd(_mm256_castsi256_si128(words)));
        _mm256_storeu_pd(values + k + 4, _mm256_cvtepi32_pd(_mm256_extracti128_si256(words, 1)));
    }
    for (; k < count; ++k)
        values[k] = bytes[k];
    values[count] = 0;
}

VELDRA_AVX2 void SumColumns(const double* values, const std::size_t* offsets, const double* weights,
                            std::size_t width, std::size_t begin, std::size_t end, double* sums)
{
    switch (width) {
    case 2:
        return SumColumnsOf<2>(values, offsets, weights, begin, end, sums);
    case 3:
        return SumColumnsOf<3>(values, offsets, weights, begin, end, sums);
    case 4:
        return SumColumnsOf<4>(values, offsets, weights, begin, end, sums);
    case 5:
        return SumColumnsOf<5>(values, offsets, weights, begin, end, sums);
    default:
        for (std::size_t c = begin; c < end; ++c)
            _mm256_storeu_pd(sums + 3 * c, ColumnSums(values + offsets[c * width], weights + c * width, width));
    }
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
