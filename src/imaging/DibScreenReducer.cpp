#include "DibScreenReducer.h"

#include "CDibImage.h"
#include "DibFootprints.h"
#include "RowBands.h"

#include <algorithm>
#include <vector>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

// Column sums are kept in 16 bits with 8 fractional bits: a row weighs in
// with a 16-bit weight through the high half of a 16 x 16 bit product, so
// a sum loses less than 1/256 of a step per row it takes.
std::uint16_t WeightOf(float weight)
{
    return std::uint16_t(std::min(65535.0f, weight * 65536.0f + 0.5f));
}

// sums[k] (+)= in[k] * weight for k < count: one source row's share of a
// destination row, for every byte of the columns it needs. The first row
// of a footprint sets the sums.
void AddWeightedRow(std::uint16_t* sums, const std::uint8_t* in, std::size_t count, std::uint16_t weight, bool first)
{
    std::size_t k = 0;
#ifdef __SSE2__
    const __m128i w = _mm_set1_epi16(short(weight));
    const __m128i zero = _mm_setzero_si128();
    for (; k + 16 <= count; k += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + k));
        // Each byte in the high half of a word: p * 256.
        __m128i low = _mm_mulhi_epu16(_mm_unpacklo_epi8(zero, bytes), w);
        __m128i high = _mm_mulhi_epu16(_mm_unpackhi_epi8(zero, bytes), w);
        auto* at = reinterpret_cast<__m128i*>(sums + k);
        if (!first) {
            low = _mm_add_epi16(low, _mm_loadu_si128(at));
            high = _mm_add_epi16(high, _mm_loadu_si128(at + 1));
        }
        _mm_storeu_si128(at, low);
        _mm_storeu_si128(at + 1, high);
    }
#endif
    for (; k < count; ++k) {
        const auto product = std::uint16_t((std::uint32_t(in[k]) << 8) * weight >> 16);
        sums[k] = std::uint16_t(first ? product : sums[k] + product);
    }
}

// One destination row across: each pixel weighs the column sums its
// footprint covers. sums holds three values per source column from
// firstColumn on, and one more so that four can be read at the last.
void ReduceAcross(std::uint8_t* out, const std::uint16_t* sums, const FlatFootprints& columns, int firstColumn)
{
    constexpr float unit = 1.0f / 256;
    for (std::size_t x = 0; x < columns.size(); ++x, out += 3) {
        const int n = columns.first[x] >= 0 ? columns.Count(x) : 0;
        const float* weights = columns.weights.data() + columns.offset[x];
        const std::uint16_t* p = sums + 3 * std::size_t(std::max(columns.first[x] - firstColumn, 0));
#ifdef __SSE2__
        // Blue, green and red side by side; the fourth lane is ignored.
        __m128 sum = _mm_setzero_ps();
        for (int c = 0; c < n; ++c, p += 3) {
            const __m128i words = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(p));
            const __m128 values = _mm_cvtepi32_ps(_mm_unpacklo_epi16(words, _mm_setzero_si128()));
            sum = _mm_add_ps(sum, _mm_mul_ps(_mm_set1_ps(weights[c]), values));
        }
        const __m128 scaled = _mm_min_ps(_mm_set1_ps(255.0f), _mm_add_ps(_mm_mul_ps(sum, _mm_set1_ps(unit)), _mm_set1_ps(0.5f)));
        alignas(16) float lanes[4];
        _mm_store_ps(lanes, scaled);
        out[0] = std::uint8_t(lanes[0]);
        out[1] = std::uint8_t(lanes[1]);
        out[2] = std::uint8_t(lanes[2]);
#else
        float b = 0, g = 0, r = 0;
        for (int c = 0; c < n; ++c, p += 3) {
            b += weights[c] * float(p[0]);
            g += weights[c] * float(p[1]);
            r += weights[c] * float(p[2]);
        }
        out[0] = std::uint8_t(std::min(255.0f, b * unit + 0.5f));
        out[1] = std::uint8_t(std::min(255.0f, g * unit + 0.5f));
        out[2] = std::uint8_t(std::min(255.0f, r * unit + 0.5f));
#endif
    }
}

// The source columns any destination pixel takes.
std::pair<int, int> ColumnRange(const FlatFootprints& columns)
{
    int first = -1, end = 0;
    for (std::size_t x = 0; x < columns.size(); ++x) {
        if (columns.first[x] < 0)
            continue;
        first = first < 0 ? columns.first[x] : std::min(first, columns.first[x]);
        end = std::max(end, columns.first[x] + columns.Count(x));
    }
    return {std::max(first, 0), end};
}

} // namespace

QImage DibScreenReducer::Reduce(const CDibImage& image, CRect dest, CRect src, CRect visible)
{
    if (image.IsEmpty() || image.BitCount() != 24 || visible.IsEmpty() || dest.IsEmpty() || src.IsEmpty())
        return {};
    const FlatFootprints columns(AreaFootprints(visible.left - dest.left, visible.right - dest.left, dest.Width(),
                                                src.left, src.Width(), false),
                                 image.Width());
    const FlatFootprints rows(AreaFootprints(visible.top - dest.top, visible.bottom - dest.top, dest.Height(), src.top,
                                             src.Height(), false),
                              image.Height());
    QImage out(visible.Width(), visible.Height(), QImage::Format_BGR888);
    if (out.isNull())
        return {};
    const auto [firstColumn, endColumn] = ColumnRange(columns);
    const std::size_t bytes = 3 * std::size_t(std::max(endColumn - firstColumn, 0));
    // Rows are addressed from one pointer: the threads must not call the
    // image's own (detaching) accessors.
    std::uint8_t* const lines = out.bits();
    const std::size_t lineBytes = std::size_t(out.bytesPerLine());
    RowBands::Run(int(rows.size()), 8, [&](int begin, int end) {
        std::vector<std::uint16_t> sums(bytes + 1);
        for (int y = begin; y < end; ++y) {
            const std::size_t row = std::size_t(y);
            const int taken = rows.first[row] >= 0 ? rows.Count(row) : 0;
            if (taken == 0)
                std::fill(sums.begin(), sums.end() - 1, std::uint16_t(0));
            for (int r = 0; r < taken; ++r) {
                const std::uint8_t* in = image.Row(rows.first[row] + r) + 3 * std::size_t(firstColumn);
                AddWeightedRow(sums.data(), in, bytes, WeightOf(rows.weights[std::size_t(rows.offset[row] + r)]), r == 0);
            }
            ReduceAcross(lines + lineBytes * std::size_t(y), sums.data(), columns, firstColumn);
        }
    });
    return out;
}
