#include "DibResampler.h"

#include "CDibImage.h"
#include "RowBands.h"

#include <algorithm>
#include <vector>

namespace {

// A source pixel outside the image reads as 0xFFFFFFFF, as GetPixel answers.
constexpr std::uint8_t outsideBgr[3] = {0xFF, 0xFF, 0xFF};

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

void WritePixel(std::uint8_t* out, int r, int g, int b, COLORREF key, COLORREF replacement)
{
    COLORREF color = RGB(r, g, b);
    if (color == key)
        color = replacement;
    out[0] = std::uint8_t(GetBValue(color));
    out[1] = std::uint8_t(GetGValue(color));
    out[2] = std::uint8_t(GetRValue(color));
}

void WriteKey(std::uint8_t* out, COLORREF key)
{
    out[0] = std::uint8_t(GetBValue(key));
    out[1] = std::uint8_t(GetGValue(key));
    out[2] = std::uint8_t(GetRValue(key));
}

} // namespace

bool DibResampler::Resample(CDibImage& target, Region dest, const CDibImage& source, Region src,
                            COLORREF key, COLORREF replacement)
{
    if (target.IsEmpty() || source.IsEmpty() || target.BitCount() != 24 || source.BitCount() != 24)
        return false;
    if (dest.width <= 0 || dest.height <= 0 || src.width <= 0 || src.height <= 0)
        return false;
    CDibImage copy;
    const CDibImage* from = &source;
    if (from == &target) {
        if (!copy.CopyImage(source))
            return false;
        from = &copy;
    }
    if (src.width > dest.width || src.height > dest.height)
        Reduce(target, dest, *from, src, key, replacement);
    else
        Enlarge(target, dest, *from, src, key, replacement);
    return true;
}

namespace {

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

} // namespace

namespace {

// The key test of both directions. With no key, only pixels outside the
// source count as keyed (they read as white through the shared address).
struct KeyTest
{
    bool none;
    std::uint8_t b, g, r;

    explicit KeyTest(COLORREF key)
        : none(key == colorNone), b(std::uint8_t(GetBValue(key))), g(std::uint8_t(GetGValue(key))), r(std::uint8_t(GetRValue(key)))
    {
    }
    bool operator()(const std::uint8_t* p) const { return none ? p == outsideBgr : (p[0] == b && p[1] == g && p[2] == r); }
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
};

void ReduceAcross(ReducedRow& row, int sourceRow, const CDibImage& source, const Taps& columns, const KeyTest& isKey)
{
    const std::size_t count = columns.start.size() - 1;
    row.sourceRow = sourceRow;
    row.sums.resize(3 * count);
    row.keyed.resize(count);
    const std::uint8_t* line = sourceRow >= 0 ? source.Row(sourceRow) : nullptr;
    for (std::size_t c = 0; c < count; ++c) {
        double sum0 = 0, sum1 = 0, sum2 = 0;
        bool keyed = false;
        for (std::size_t cx = columns.start[c]; cx < columns.start[c + 1]; ++cx) {
            const Tap colTap = columns.taps[cx];
            const std::uint8_t* p = line && colTap.index >= 0 ? line + 3 * std::size_t(colTap.index) : outsideBgr;
            if (isKey(p)) {
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
}

// The reduced rows a band of destination rows needs, a few at a time: the
// footprints of neighbouring rows share at most their edge rows.
class ReducedRows
{
public:
    ReducedRows(const CDibImage& source, const Taps& columns, const KeyTest& isKey, std::size_t cachedRows)
        : m_source(source), m_columns(columns), m_isKey(isKey), m_rows(cachedRows)
    {
    }

    const ReducedRow& Get(int sourceRow)
    {
        for (const ReducedRow& row : m_rows)
            if (row.sourceRow == sourceRow)
                return row;
        ReducedRow& slot = m_rows[m_next];
        m_next = (m_next + 1) % m_rows.size();
        ReduceAcross(slot, sourceRow, m_source, m_columns, m_isKey);
        return slot;
    }

private:
    const CDibImage& m_source;
    const Taps& m_columns;
    const KeyTest& m_isKey;
    std::vector<ReducedRow> m_rows;
    std::size_t m_next = 0;
};

std::size_t MostTaps(const Taps& taps)
{
    std::size_t most = 1;
    for (std::size_t i = 0; i + 1 < taps.start.size(); ++i)
        most = std::max(most, taps.start[i + 1] - taps.start[i]);
    return most;
}

} // namespace

void DibResampler::Reduce(CDibImage& target, Region dest, const CDibImage& source, Region src,
                          COLORREF key, COLORREF replacement)
{
    const double area = (double(src.height) / dest.height) * (double(src.width) / dest.width);
    const int firstColumn = std::max(0, -dest.x);
    const int endColumn = std::max(firstColumn, std::min(dest.width, target.Width() - dest.x));
    const int firstRow = std::max(0, -dest.y);
    const int endRow = std::max(firstRow, std::min(dest.height, target.Height() - dest.y));
    const Taps columns(src.x, double(src.width) / dest.width, firstColumn, endColumn, source.Width());
    const Taps rows(src.y, double(src.height) / dest.height, firstRow, endRow, source.Height());
    const KeyTest isKey(key);
    const std::size_t cachedRows = MostTaps(rows) + 1;
    std::uint8_t* const targetColumn0 = target.Row(0) + 3 * std::ptrdiff_t(dest.x + firstColumn);
    const std::size_t stride = target.Stride();

    // A destination pixel is the rows' sums weighted in the order of the
    // row taps, exactly as a pixel-by-pixel loop adds them; a key met in any
    // tap makes it the key.
    RowBands::Run(endRow - firstRow, 16, [&](int bandBegin, int bandEnd) {
        ReducedRows reduced(source, columns, isKey, cachedRows);
        std::vector<double> sums(3 * std::size_t(endColumn - firstColumn));
        std::vector<std::uint8_t> keyed(std::size_t(endColumn - firstColumn));
        for (int r = bandBegin; r < bandEnd; ++r) {
            if (!rows.Valid(r))
                continue;
            std::fill(sums.begin(), sums.end(), 0.0);
            std::fill(keyed.begin(), keyed.end(), std::uint8_t(0));
            for (std::size_t ry = rows.start[r]; ry < rows.start[r + 1]; ++ry) {
                const Tap rowTap = rows.taps[ry];
                const ReducedRow& across = reduced.Get(rowTap.index);
                for (std::size_t i = 0; i < sums.size(); ++i)
                    sums[i] += rowTap.weight * across.sums[i];
                for (std::size_t c = 0; c < keyed.size(); ++c)
                    keyed[c] |= across.keyed[c];
            }
            std::uint8_t* out = targetColumn0 + stride * std::size_t(dest.y + firstRow + r);
            for (std::size_t c = 0; c < keyed.size(); ++c) {
                if (!columns.Valid(int(c)))
                    continue;
                std::uint8_t* pixel = out + 3 * c;
                if (keyed[c]) {
                    WriteKey(pixel, key);
                    continue;
                }
                const auto channel = [&](int ch) { return std::min(255, int(sums[3 * c + std::size_t(ch)] / area + 0.5)); };
                WritePixel(pixel, channel(2), channel(1), channel(0), key, replacement);
            }
        }
    });
}

namespace {

// One source row interpolated across for every destination column: the
// horizontal half of the bilinear formula, and whether either of the two
// source pixels is the key.
struct LerpedRow
{
    int sourceRow = -1;
    std::vector<float> values;
    std::vector<std::uint8_t> keyed;
};

struct EnlargeColumn
{
    std::ptrdiff_t offset0 = -1, offset1 = -1; // byte offsets; -1: left unwritten
    float fx = 0;
};

void LerpAcross(LerpedRow& row, int sourceRow, const CDibImage& source, const std::vector<EnlargeColumn>& columns,
                const KeyTest& isKey)
{
    row.sourceRow = sourceRow;
    row.values.resize(3 * columns.size());
    row.keyed.resize(columns.size());
    const std::uint8_t* line = source.Row(sourceRow);
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const EnlargeColumn& col = columns[c];
        if (col.offset0 < 0)
            continue;
        const std::uint8_t* p0 = line + col.offset0;
        const std::uint8_t* p1 = line + col.offset1;
        const float fx = col.fx;
        row.keyed[c] = isKey(p0) || isKey(p1);
        for (int ch = 0; ch < 3; ++ch)
            row.values[3 * c + std::size_t(ch)] = (1 - fx) * p0[ch] + fx * p1[ch];
    }
}

} // namespace

void DibResampler::Enlarge(CDibImage& target, Region dest, const CDibImage& source, Region src,
                           COLORREF key, COLORREF replacement)
{
    const float v = float(double(src.height) / dest.height);
    const float u = float(double(src.width) / dest.width);
    const int lastColumn = source.Width() - 1;
    const int lastRow = source.Height() - 1;

    // Per destination column: the two source columns (as byte offsets) and
    // the fraction between them.
    const int firstColumn = std::max(0, -dest.x);
    const int endColumn = std::max(firstColumn, std::min(dest.width, target.Width() - dest.x));
    std::vector<EnlargeColumn> columns(std::size_t(endColumn - firstColumn));
    for (int j = firstColumn; j < endColumn; ++j) {
        const float sx = float(src.x) + u * float(j);
        if (sx < 0 || sx >= float(source.Width()))
            continue;
        const int x0 = int(sx);
        columns[std::size_t(j - firstColumn)] = {3 * std::ptrdiff_t(x0), 3 * std::ptrdiff_t(std::min(x0 + 1, lastColumn)), sx - float(x0)};
    }
    const KeyTest isKey(key);
    const bool keyIsNone = key == colorNone;
    std::uint8_t* const targetColumn0 = target.Row(0) + 3 * std::ptrdiff_t(dest.x + firstColumn);
    const std::size_t stride = target.Stride();

    // The vertical half then mixes two interpolated rows, which neighbouring
    // destination rows mostly share.
    RowBands::Run(dest.height, 16, [&](int bandBegin, int bandEnd) {
        LerpedRow rows[2];
        const auto across = [&](int sourceRow) -> const LerpedRow& {
            for (LerpedRow& row : rows)
                if (row.sourceRow == sourceRow)
                    return row;
            LerpedRow& slot = rows[0].sourceRow == sourceRow - 1 ? rows[1] : rows[0];
            LerpAcross(slot, sourceRow, source, columns, isKey);
            return slot;
        };
        for (int i = bandBegin; i < bandEnd; ++i) {
            const int y = dest.y + i;
            if (y < 0 || y >= target.Height())
                continue;
            const float sy = float(src.y) + v * float(i);
            if (sy < 0 || sy >= float(source.Height()))
                continue;
            const int y0 = int(sy);
            const float fy = sy - float(y0);
            const LerpedRow& row0 = across(y0);
            const LerpedRow& row1 = across(std::min(y0 + 1, lastRow));
            std::uint8_t* out = targetColumn0 + stride * std::size_t(y);
            for (std::size_t c = 0; c < columns.size(); ++c) {
                if (columns[c].offset0 < 0)
                    continue;
                std::uint8_t* pixel = out + 3 * c;
                if (!keyIsNone && (row0.keyed[c] || row1.keyed[c])) {
                    WriteKey(pixel, key);
                    continue;
                }
                const auto channel = [&](std::size_t ch) {
                    const float value = (1 - fy) * row0.values[3 * c + ch] + fy * row1.values[3 * c + ch] + 0.5f;
                    return std::min(255, int(value));
                };
                WritePixel(pixel, channel(2), channel(1), channel(0), key, replacement);
            }
        }
    });
}
