#include "DibScreenReducer.h"

#include "CDibImage.h"
#include "DibFootprints.h"
#include "RowBands.h"

#include <algorithm>
#include <cstring>
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

// The column footprints padded to one number of taps (weight 0 past a
// footprint's own), so that the loop across has no branch that depends on
// the pixel, and laid out for it: two pixels at a time, per pair and tap
// the first pixel's weight four times and then the second's, as 16-bit
// fractions like the rows' weights. A last pixel without a partner is
// paired with itself.
struct PaddedFootprints
{
    std::size_t taps = 1;
    std::size_t count = 0;              // destination pixels
    std::vector<std::size_t> start;     // per pixel of the pairs: its first value in the sums
    std::vector<std::uint16_t> weights; // 8 per pair and tap

    PaddedFootprints(const FlatFootprints& columns, int firstColumn) : count(columns.size())
    {
        for (std::size_t x = 0; x < count; ++x)
            taps = std::max(taps, std::size_t(columns.first[x] >= 0 ? columns.Count(x) : 0));
        const std::size_t pairs = (count + 1) / 2;
        start.assign(2 * pairs, 0);
        weights.assign(pairs * taps * 8, 0);
        for (std::size_t x = 0; x < 2 * pairs; ++x) {
            const std::size_t own = std::min(x, count - 1);
            if (columns.first[own] < 0)
                continue; // takes nothing: black
            start[x] = 3 * std::size_t(columns.first[own] - firstColumn);
            for (int t = 0; t < columns.Count(own); ++t) {
                const std::uint16_t weight = WeightOf(columns.weights[std::size_t(columns.offset[own] + t)]);
                std::fill_n(weights.begin() + std::ptrdiff_t(((x / 2) * taps + std::size_t(t)) * 8 + (x % 2) * 4), 4, weight);
            }
        }
    }
    const std::uint16_t* WeightsOf(std::size_t x) const { return weights.data() + (x / 2) * taps * 8 + (x % 2) * 4; }
    // Values the loop may read past the last column's own.
    std::size_t Overreach() const { return 3 * taps + 4; }
};

// One destination row across: each pixel weighs the column sums its
// footprint covers in the same 16-bit fixed point as the sums down the
// columns, and is stored as blue, green, red and 255. One channel at a
// time, without the vector unit or for footprints wider than its loops
// take (the view below 12 %); the same arithmetic as they do.
void ReduceAcrossAny(std::uint8_t* out, const std::uint16_t* sums, const PaddedFootprints& columns)
{
    for (std::size_t x = 0; x < columns.count; ++x, out += 4) {
        const std::uint16_t* p = sums + columns.start[x];
        const std::uint16_t* weights = columns.WeightsOf(x);
        for (std::size_t ch = 0; ch < 3; ++ch) {
            std::uint16_t sum = 0;
            for (std::size_t t = 0; t < columns.taps; ++t)
                sum = std::uint16_t(sum + (std::uint32_t(p[3 * t + ch]) * weights[8 * t] >> 16));
            out[ch] = std::uint8_t((sum + 128) >> 8);
        }
        out[3] = 255;
    }
}

#ifdef __SSE2__

template <std::size_t taps>
void ReduceAcrossTaps(std::uint8_t* out, const std::uint16_t* sums, const PaddedFootprints& columns)
{
    const __m128i half = _mm_set1_epi16(128);
    // The fourth word of each pixel is the next column's blue: it becomes 255.
    const __m128i opaque = _mm_set_epi32(0, 0, int(0xFF000000u), int(0xFF000000u));
    const std::uint16_t* weights = columns.weights.data();
    for (std::size_t x = 0; x < columns.count; x += 2, out += 8, weights += 8 * taps) {
        const std::uint16_t* first = sums + columns.start[x];
        const std::uint16_t* second = sums + columns.start[x + 1];
        __m128i sum = _mm_setzero_si128();
        for (std::size_t t = 0; t < taps; ++t) {
            const __m128i values = _mm_unpacklo_epi64(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(first + 3 * t)),
                                                      _mm_loadl_epi64(reinterpret_cast<const __m128i*>(second + 3 * t)));
            const __m128i weight = _mm_loadu_si128(reinterpret_cast<const __m128i*>(weights + 8 * t));
            sum = _mm_add_epi16(sum, _mm_mulhi_epu16(values, weight));
        }
        const __m128i words = _mm_srli_epi16(_mm_add_epi16(sum, half), 8);
        const __m128i bytes = _mm_or_si128(_mm_packus_epi16(words, words), opaque);
        if (x + 1 < columns.count) {
            _mm_storel_epi64(reinterpret_cast<__m128i*>(out), bytes);
        } else {
            const int pixel = _mm_cvtsi128_si32(bytes);
            std::memcpy(out, &pixel, 4);
        }
    }
}

void ReduceAcross(std::uint8_t* out, const std::uint16_t* sums, const PaddedFootprints& columns)
{
    switch (columns.taps) {
    case 1: return ReduceAcrossTaps<1>(out, sums, columns);
    case 2: return ReduceAcrossTaps<2>(out, sums, columns);
    case 3: return ReduceAcrossTaps<3>(out, sums, columns);
    case 4: return ReduceAcrossTaps<4>(out, sums, columns);
    case 5: return ReduceAcrossTaps<5>(out, sums, columns);
    case 6: return ReduceAcrossTaps<6>(out, sums, columns);
    case 7: return ReduceAcrossTaps<7>(out, sums, columns);
    case 8: return ReduceAcrossTaps<8>(out, sums, columns);
    default: return ReduceAcrossAny(out, sums, columns);
    }
}

#else

void ReduceAcross(std::uint8_t* out, const std::uint16_t* sums, const PaddedFootprints& columns)
{
    ReduceAcrossAny(out, sums, columns);
}

#endif

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

// The image rows each destination row copies when the reduction keeps a copy
// of the image: those after the ones the rows before it copied, through
// its own last (none for a row that takes none).
std::vector<std::pair<int, int>> CopiedRows(const FlatFootprints& rows)
{
    std::vector<std::pair<int, int>> copied(rows.size());
    int next = -1;
    for (std::size_t y = 0; y < rows.size(); ++y) {
        if (rows.first[y] < 0 || rows.Count(y) == 0) {
            copied[y] = {0, 0};
            continue;
        }
        const int from = next < 0 ? rows.first[y] : next;
        const int to = std::max(from, rows.first[y] + rows.Count(y));
        copied[y] = {from, to};
        next = to;
    }
    return copied;
}

// The copy is read again only at the next paint, after the window has
// been drawn: stores that bypass the cache spare reading the destination
// in first and keep the rows being reduced in the cache.
void CopyPast(std::uint8_t* to, const std::uint8_t* from, std::size_t size)
{
#ifdef __SSE2__
    std::size_t head = (16 - reinterpret_cast<std::uintptr_t>(to) % 16) % 16;
    head = std::min(head, size);
    std::memcpy(to, from, head);
    std::size_t k = head;
    for (; k + 16 <= size; k += 16)
        _mm_stream_si128(reinterpret_cast<__m128i*>(to + k), _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + k)));
    std::memcpy(to + k, from + k, size - k);
#else
    std::memcpy(to, from, size);
#endif
}

// The rows of the image that no destination row copied, copied here.
void CopyTheRest(const CDibImage& image, const std::vector<std::pair<int, int>>& copied, std::uint8_t* copy)
{
    int first = image.Height(), end = 0;
    for (const auto& [from, to] : copied) {
        if (from < to) {
            first = std::min(first, from);
            end = std::max(end, to);
        }
    }
    const std::size_t stride = image.Stride();
    if (first >= end) {
        std::memcpy(copy, image.Row(0), stride * std::size_t(image.Height()));
        return;
    }
    std::memcpy(copy, image.Row(0), stride * std::size_t(first));
    std::memcpy(copy + stride * std::size_t(end), image.Row(end), stride * std::size_t(image.Height() - end));
}

} // namespace

QImage DibScreenReducer::Reduce(const CDibImage& image, CRect dest, CRect src, CRect visible, std::uint8_t* copy)
{
    if (image.IsEmpty() || image.BitCount() != 24 || visible.IsEmpty() || dest.IsEmpty() || src.IsEmpty())
        return {};
    const FlatFootprints columns(AreaFootprints(visible.left - dest.left, visible.right - dest.left, dest.Width(),
                                                src.left, src.Width(), false),
                                 image.Width());
    const FlatFootprints rows(AreaFootprints(visible.top - dest.top, visible.bottom - dest.top, dest.Height(), src.top,
                                             src.Height(), false),
                              image.Height());
    QImage out(visible.Width(), visible.Height(), QImage::Format_RGB32);
    if (out.isNull())
        return {};
    // Plain names, not a structured binding: older compilers cannot hand
    // a binding to the row lambda.
    const std::pair<int, int> columnRange = ColumnRange(columns);
    const int firstColumn = columnRange.first, endColumn = columnRange.second;
    const std::size_t bytes = 3 * std::size_t(std::max(endColumn - firstColumn, 0));
    const PaddedFootprints padded(columns, firstColumn);
    // Rows are addressed from one pointer: the threads must not call the
    // image's own (detaching) accessors.
    std::uint8_t* const lines = out.bits();
    const std::size_t lineBytes = std::size_t(out.bytesPerLine());
    const std::vector<std::pair<int, int>> copied = copy ? CopiedRows(rows) : std::vector<std::pair<int, int>>{};
    const std::size_t stride = image.Stride();
    RowBands::Run(int(rows.size()), 8, [&](int begin, int end) {
        std::vector<std::uint16_t> sums(bytes + padded.Overreach());
        for (int y = begin; y < end; ++y) {
            const std::size_t row = std::size_t(y);
            // Copied as they are about to be read: the sums then find them
            // in the cache.
            if (copy && copied[row].first < copied[row].second)
                CopyPast(copy + stride * std::size_t(copied[row].first), image.Row(copied[row].first),
                         stride * std::size_t(copied[row].second - copied[row].first));
            const int taken = rows.first[row] >= 0 ? rows.Count(row) : 0;
            if (taken == 0)
                std::fill(sums.begin(), sums.begin() + std::ptrdiff_t(bytes), std::uint16_t(0));
            for (int r = 0; r < taken; ++r) {
                const std::uint8_t* in = image.Row(rows.first[row] + r) + 3 * std::size_t(firstColumn);
                AddWeightedRow(sums.data(), in, bytes, WeightOf(rows.weights[std::size_t(rows.offset[row] + r)]), r == 0);
            }
            ReduceAcross(lines + lineBytes * std::size_t(y), sums.data(), padded);
        }
    });
#ifdef __SSE2__
    _mm_sfence();
#endif
    if (copy)
        CopyTheRest(image, copied, copy);
    return out;
}
