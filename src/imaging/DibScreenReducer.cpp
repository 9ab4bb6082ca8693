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

// sums[k] += weight * in[k] for k < count: one source row's share of a
// destination row, for every byte of the columns it needs.
void AddWeightedRow(float* sums, const std::uint8_t* in, std::size_t count, float weight)
{
    std::size_t k = 0;
#ifdef __SSE2__
    const __m128 w = _mm_set1_ps(weight);
    const __m128i zero = _mm_setzero_si128();
    for (; k + 16 <= count; k += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + k));
        const __m128i low = _mm_unpacklo_epi8(bytes, zero), high = _mm_unpackhi_epi8(bytes, zero);
        const __m128i words[4] = {_mm_unpacklo_epi16(low, zero), _mm_unpackhi_epi16(low, zero),
                                  _mm_unpacklo_epi16(high, zero), _mm_unpackhi_epi16(high, zero)};
        for (int i = 0; i < 4; ++i) {
            float* at = sums + k + 4 * std::size_t(i);
            _mm_storeu_ps(at, _mm_add_ps(_mm_loadu_ps(at), _mm_mul_ps(w, _mm_cvtepi32_ps(words[i]))));
        }
    }
#endif
    for (; k < count; ++k)
        sums[k] += weight * float(in[k]);
}

// One destination row across: each pixel weighs the column sums its
// footprint covers. sums holds three floats per source column from
// firstColumn on, and one more so that four can be read at the last.
void ReduceAcross(std::uint8_t* out, const float* sums, const FlatFootprints& columns, int firstColumn)
{
    for (std::size_t x = 0; x < columns.size(); ++x, out += 3) {
        float b = 0, g = 0, r = 0;
        if (columns.first[x] >= 0) {
            const float* weights = columns.weights.data() + columns.offset[x];
            const float* p = sums + 3 * std::size_t(columns.first[x] - firstColumn);
            for (int c = 0, n = columns.Count(x); c < n; ++c, p += 3) {
                b += weights[c] * p[0];
                g += weights[c] * p[1];
                r += weights[c] * p[2];
            }
        }
        out[0] = std::uint8_t(std::min(255.0f, b + 0.5f));
        out[1] = std::uint8_t(std::min(255.0f, g + 0.5f));
        out[2] = std::uint8_t(std::min(255.0f, r + 0.5f));
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
        std::vector<float> sums(bytes + 1);
        for (int y = begin; y < end; ++y) {
            std::fill(sums.begin(), sums.end(), 0.0f);
            for (int r = 0; r < rows.Count(std::size_t(y)) && rows.first[std::size_t(y)] >= 0; ++r) {
                const std::uint8_t* in = image.Row(rows.first[std::size_t(y)] + r) + 3 * std::size_t(firstColumn);
                AddWeightedRow(sums.data(), in, bytes, rows.weights[std::size_t(rows.offset[std::size_t(y)] + r)]);
            }
            ReduceAcross(lines + lineBytes * std::size_t(y), sums.data(), columns, firstColumn);
        }
    });
    return out;
}
