#include "DibAreaReduction.h"

#include "CDibImage.h"
#include "DibReductionAvx2.h"
#include "DibResampleRows.h"
#include "KeyScan.h"
#include "RowBands.h"

#include <algorithm>
#include <cstring>
#include <vector>

using namespace DibResampleRows;

namespace {

struct Span
{
    bool valid = false;
    int first = 0, last = 0;       // source pixels first..last inclusive
    double firstWeight = 0, lastWeight = 0;

    // Weight of source pixel k in the span; the first and last weights add
    // up when the span covers one pixel.
    double Weight(int k) const
    {
        return (k == first ? firstWeight : 0.0) + (k == last ? lastWeight : 0.0) + (k > first && k < last ? 1.0 : 0.0);
    }
};

Span ReductionSpan(int origin, double scale, int index, int sourceExtent)
{
    Span span;
    const double start = origin + scale * index;
    if (start < 0)
        return span;
    span.first = int(start);
    span.last = int(start + scale);
    if (span.last > sourceExtent)
        return span;
    span.firstWeight = 1.0 - (start - span.first);
    span.lastWeight = start + scale - span.last;
    span.valid = true;
    return span;
}

// One source pixel a destination pixel takes, and its weight.
struct Tap
{
    int index;     // source column or row; -1 when outside the source
    double weight;
};

// The taps of each destination pixel along one axis, flattened; an invalid
// span (the pixel is not written) has no taps.
struct Taps
{
    std::vector<Tap> taps;
    std::vector<std::size_t> start; // taps of pixel i: start[i] .. start[i + 1]

    Taps(int origin, double scale, int first, int end, int sourceExtent)
    {
        for (int i = first; i < end; ++i) {
            start.push_back(taps.size());
            const Span span = ReductionSpan(origin, scale, i, sourceExtent);
            for (int k = span.first; span.valid && k <= span.last; ++k)
                taps.push_back({k < sourceExtent ? k : -1, span.Weight(k)});
        }
        start.push_back(taps.size());
    }
    bool Valid(int i) const { return start[std::size_t(i) + 1] > start[std::size_t(i)]; }
};

// The column taps again, each column padded to the same number of taps
// with weight 0 on its own last pixel, for a loop that works on four
// columns at once. Adding 0 * p to a sum leaves it exactly as it was.
struct PaddedColumns
{
    std::size_t width = 0;               // taps per column
    std::vector<std::size_t> offsets;    // byte offset in the row, per column and tap
    std::vector<double> weights;
    std::vector<std::uint8_t> inside;    // every tap inside the source

    explicit PaddedColumns(const Taps& columns)
    {
        const std::size_t count = columns.start.size() - 1;
        for (std::size_t c = 0; c < count; ++c)
            width = std::max(width, columns.start[c + 1] - columns.start[c]);
        offsets.assign(count * width, 0);
        weights.assign(count * width, 0.0);
        inside.assign(count, 0);
        for (std::size_t c = 0; c < count; ++c) {
            const std::size_t begin = columns.start[c], end = columns.start[c + 1];
            bool allInside = end > begin;
            for (std::size_t t = 0; t < width; ++t) {
                const Tap& tap = columns.taps[std::min(begin + t, end - 1)];
                allInside = allInside && tap.index >= 0;
                offsets[c * width + t] = 3 * std::size_t(std::max(tap.index, 0));
                weights[c * width + t] = begin + t < end ? tap.weight : 0.0;
            }
            inside[c] = allInside;
        }
    }
};

// One source row reduced across: per destination column the three channel
// sums over the column taps, in the order the taps come, and whether a tap
// met the key. Every destination row whose footprint takes this source row
// adds these same sums, so they are made once per source row.
struct ReducedRow
{
    int sourceRow = -2; // -1 is the row outside the source
    std::vector<double> sums;
    std::vector<std::uint8_t> keyed;
    bool anyKeyed = false;
    std::vector<double> lineValues; // scratch: the source row's bytes
};

// The sums of column c, tap by tap; with testKey false the source pixels
// are known not to be the key (only pixels outside the source may be).
template <bool testKey>
void SumColumn(ReducedRow& row, std::size_t c, const std::uint8_t* line, const Taps& columns, const KeyTest& isKey)
{
    double sum0 = 0, sum1 = 0, sum2 = 0;
    bool keyed = false;
    for (std::size_t cx = columns.start[c]; cx < columns.start[c + 1]; ++cx) {
        const Tap colTap = columns.taps[cx];
        const bool inside = line && colTap.index >= 0;
        const std::uint8_t* p = inside ? line + 3 * std::size_t(colTap.index) : outsideBgr;
        if ((testKey || !inside) && isKey(p)) {
            keyed = true;
            break;
        }
        sum0 += colTap.weight * p[0];
        sum1 += colTap.weight * p[1];
        sum2 += colTap.weight * p[2];
    }
    row.sums[3 * c] = sum0;
    row.sums[3 * c + 1] = sum1;
    row.sums[3 * c + 2] = sum2;
    row.keyed[c] = keyed;
}

// Four columns whose taps are all inside a row without key pixels: the
// same sums as SumColumn, their twelve chains of additions side by side.
void SumFourColumns(ReducedRow& row, std::size_t c, const double* line, const PaddedColumns& padded)
{
    double sums[4][3] = {};
    const std::size_t width = padded.width;
    for (std::size_t t = 0; t < width; ++t) {
        for (std::size_t j = 0; j < 4; ++j) {
            const std::size_t at = (c + j) * width + t;
            const double* p = line + padded.offsets[at];
            const double w = padded.weights[at];
            sums[j][0] += w * p[0];
            sums[j][1] += w * p[1];
            sums[j][2] += w * p[2];
        }
    }
    for (std::size_t j = 0; j < 4; ++j) {
        row.sums[3 * (c + j)] = sums[j][0];
        row.sums[3 * (c + j) + 1] = sums[j][1];
        row.sums[3 * (c + j) + 2] = sums[j][2];
    }
}

// Columns begin..end-1, every tap inside the row: four at a time where
// they can be.
void SumInsideColumns(ReducedRow& row, std::size_t begin, std::size_t end, const std::uint8_t* line,
                      const Taps& columns, const PaddedColumns& padded, const KeyTest& isKey, bool wide)
{
    std::fill(row.keyed.begin() + std::ptrdiff_t(begin), row.keyed.begin() + std::ptrdiff_t(end), 0);
    if (wide) {
        DibReductionAvx2::SumColumns(row.lineValues.data(), padded.offsets.data(), padded.weights.data(), padded.width,
                                     begin, end, row.sums.data());
        return;
    }
    std::size_t c = begin;
    for (; c + 4 <= end; c += 4)
        SumFourColumns(row, c, row.lineValues.data(), padded);
    for (; c < end; ++c)
        SumColumn<false>(row, c, line, columns, isKey);
}

void SumAcrossKeyFree(ReducedRow& row, const std::uint8_t* line, std::size_t lineBytes, const Taps& columns,
                      const PaddedColumns& padded, const KeyTest& isKey, bool wide)
{
    // The row's bytes as doubles once, rather than at every tap, and zeros
    // after them for the wide loop, which reads past the last pixel.
    std::vector<double>& values = row.lineValues;
    values.resize(lineBytes + 3 * padded.width + 1);
    if (wide) {
        DibReductionAvx2::ToDoubles(line, lineBytes, values.data());
    } else {
        for (std::size_t k = 0; k < lineBytes; ++k)
            values[k] = line[k];
    }
    const std::size_t count = columns.start.size() - 1;
    std::size_t c = 0;
    while (c < count) {
        if (!padded.inside[c]) {
            SumColumn<false>(row, c++, line, columns, isKey);
            continue;
        }
        std::size_t end = c + 1;
        while (end < count && padded.inside[end])
            ++end;
        SumInsideColumns(row, c, end, line, columns, padded, isKey, wide);
        c = end;
    }
}

void ReduceAcross(ReducedRow& row, int sourceRow, const CDibImage& source, const Taps& columns,
                  const PaddedColumns& padded, const KeyTest& isKey, bool wide)
{
    const std::size_t count = columns.start.size() - 1;
    row.sourceRow = sourceRow;
    row.sums.resize(3 * count + 1);
    row.keyed.resize(count);
    const std::uint8_t* line = sourceRow >= 0 ? source.Row(sourceRow) : nullptr;
    // Most rows of a picture hold no key pixel at all: one quick scan spares
    // the test at every tap.
    const std::uint8_t key[3] = {isKey.b, isKey.g, isKey.r};
    if (line && !isKey.none && NextKeyPixel(line, 0, source.Width(), key) < source.Width()) {
        for (std::size_t c = 0; c < count; ++c)
            SumColumn<true>(row, c, line, columns, isKey);
    } else if (line) {
        SumAcrossKeyFree(row, line, 3 * std::size_t(source.Width()), columns, padded, isKey, wide);
    } else {
        for (std::size_t c = 0; c < count; ++c)
            SumColumn<false>(row, c, line, columns, isKey);
    }
    row.anyKeyed = count > 0 && std::memchr(row.keyed.data(), 1, count) != nullptr;
}

// The reduced rows a band of destination rows needs, a few at a time: the
// footprints of neighbouring rows share at most their edge rows.
class ReducedRows
{
public:
    ReducedRows(const CDibImage& source, const Taps& columns, const PaddedColumns& padded, const KeyTest& isKey,
                std::size_t cachedRows, bool wide)
        : m_source(source), m_columns(columns), m_padded(padded), m_isKey(isKey), m_rows(cachedRows), m_wide(wide)
    {
    }

    const ReducedRow& Get(int sourceRow)
    {
        for (const ReducedRow& row : m_rows)
            if (row.sourceRow == sourceRow)
                return row;
        ReducedRow& slot = m_rows[m_next];
        m_next = (m_next + 1) % m_rows.size();
        ReduceAcross(slot, sourceRow, m_source, m_columns, m_padded, m_isKey, m_wide);
        return slot;
    }

private:
    const CDibImage& m_source;
    const Taps& m_columns;
    const PaddedColumns& m_padded;
    const KeyTest& m_isKey;
    std::vector<ReducedRow> m_rows;
    std::size_t m_next = 0;
    bool m_wide;
};

std::size_t MostTaps(const Taps& taps)
{
    std::size_t most = 1;
    for (std::size_t i = 0; i + 1 < taps.start.size(); ++i)
        most = std::max(most, taps.start[i + 1] - taps.start[i]);
    return most;
}

void Weighted(double* __restrict sums, const double* __restrict values, std::size_t count, double weight)
{
    for (std::size_t i = 0; i < count; ++i)
        sums[i] = weight * values[i];
}

void AddWeighted(double* __restrict sums, const double* __restrict values, std::size_t count, double weight)
{
    for (std::size_t i = 0; i < count; ++i)
        sums[i] += weight * values[i];
}

// A destination row's sums: the rows' sums weighted in the order of the
// row taps, exactly as a pixel-by-pixel loop adds them. Returns whether a
// tap met the key; keyed then says in which columns.
bool WeighRows(ReducedRows& reduced, const Taps& rows, int r, bool wide, std::vector<double>& sums,
               std::vector<std::uint8_t>& keyed)
{
    bool anyKeyed = false;
    for (std::size_t ry = rows.start[std::size_t(r)]; ry < rows.start[std::size_t(r) + 1]; ++ry) {
        const Tap rowTap = rows.taps[ry];
        const ReducedRow& across = reduced.Get(rowTap.index);
        // The first tap's products are the sums so far: 0 + x is x.
        if (ry == rows.start[std::size_t(r)])
            (wide ? DibReductionAvx2::Weighted : Weighted)(sums.data(), across.sums.data(), sums.size(), rowTap.weight);
        else
            (wide ? DibReductionAvx2::AddWeighted : AddWeighted)(sums.data(), across.sums.data(), sums.size(), rowTap.weight);
        if (!across.anyKeyed)
            continue;
        if (!anyKeyed)
            std::fill(keyed.begin(), keyed.end(), 0);
        anyKeyed = true;
        for (std::size_t c = 0; c < keyed.size(); ++c)
            keyed[c] |= across.keyed[c];
    }
    return anyKeyed;
}

} // namespace

void DibAreaReduction::Reduce(CDibImage& target, DibResampler::Region dest, const CDibImage& source,
                              DibResampler::Region src, COLORREF key, COLORREF replacement)
{
    const double area = (double(src.height) / dest.height) * (double(src.width) / dest.width);
    const int firstColumn = std::max(0, -dest.x);
    const int endColumn = std::max(firstColumn, std::min(dest.width, target.Width() - dest.x));
    const int firstRow = std::max(0, -dest.y);
    const int endRow = std::max(firstRow, std::min(dest.height, target.Height() - dest.y));
    const Taps columns(src.x, double(src.width) / dest.width, firstColumn, endColumn, source.Width());
    const Taps rows(src.y, double(src.height) / dest.height, firstRow, endRow, source.Height());
    const PaddedColumns padded(columns);
    bool allColumns = true;
    for (int c = 0; c < endColumn - firstColumn; ++c)
        allColumns = allColumns && columns.Valid(c);
    const KeyTest isKey(key);
    const std::size_t cachedRows = MostTaps(rows) + 1;
    const bool wide = DibReductionAvx2::Available();
    std::uint8_t* const targetColumn0 = target.Row(0) + 3 * std::ptrdiff_t(dest.x + firstColumn);
    const std::size_t stride = target.Stride();

    // A key met in any tap makes the pixel the key.
    RowBands::Run(endRow - firstRow, 16, [&](int bandBegin, int bandEnd) {
        ReducedRows reduced(source, columns, padded, isKey, cachedRows, wide);
        const std::size_t count = std::size_t(endColumn - firstColumn);
        std::vector<double> sums(3 * count);
        std::vector<int> values(3 * count);
        std::vector<std::uint8_t> keyed(count);
        for (int r = bandBegin; r < bandEnd; ++r) {
            if (!rows.Valid(r))
                continue;
            const bool anyKeyed = WeighRows(reduced, rows, r, wide, sums, keyed);
            if (wide)
                DibReductionAvx2::ToBytes(sums.data(), values.size(), area, values.data());
            else
                for (std::size_t i = 0; i < values.size(); ++i)
                    values[i] = std::min(255, int(sums[i] / area + 0.5));
            std::uint8_t* out = targetColumn0 + stride * std::size_t(dest.y + firstRow + r);
            if (allColumns) {
                WriteWholeRow(out, values.data(), anyKeyed ? keyed.data() : nullptr, count, key, replacement);
                continue;
            }
            if (!anyKeyed)
                std::fill(keyed.begin(), keyed.end(), 0);
            WriteRow(out, values.data(), keyed.data(), [&](std::size_t c) { return columns.Valid(int(c)); }, count, key,
                     replacement);
        }
    });
}
