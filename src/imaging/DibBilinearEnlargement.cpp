#include "DibBilinearEnlargement.h"

#include "CDibImage.h"
#include "DibResampleRows.h"
#include "KeyScan.h"
#include "RowBands.h"

#include <algorithm>
#include <vector>

#ifdef __SSE2__
#include <xmmintrin.h>
#endif

using namespace DibResampleRows;

namespace {

// One source row interpolated across for every destination column: the
// horizontal half of the bilinear formula, and whether either of the two
// source pixels is the key.
struct LerpedRow
{
    int sourceRow = -1;
    std::vector<float> values;
    std::vector<std::uint8_t> keyed;
    std::vector<float> lineValues; // scratch: the source row's bytes
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
    // One float more than the columns need, in both rows: the three
    // channels are mixed four lanes at a time.
    row.values.resize(3 * columns.size() + 1);
    row.keyed.resize(columns.size());
    const std::uint8_t* line = source.Row(sourceRow);
    const std::size_t lineBytes = 3 * std::size_t(source.Width());
    // The row's bytes as floats once, and the key tested only in rows that
    // hold it.
    row.lineValues.resize(lineBytes + 1);
    for (std::size_t k = 0; k < lineBytes; ++k)
        row.lineValues[k] = line[k];
    const std::uint8_t key[3] = {isKey.b, isKey.g, isKey.r};
    const bool testKey = !isKey.none && NextKeyPixel(line, 0, source.Width(), key) < source.Width();
    const float* in = row.lineValues.data();
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const EnlargeColumn& col = columns[c];
        if (col.offset0 < 0)
            continue;
        const float fx = col.fx;
        const float* p0 = in + col.offset0;
        const float* p1 = in + col.offset1;
        row.keyed[c] = testKey && (isKey(line + col.offset0) || isKey(line + col.offset1));
        float* out = row.values.data() + 3 * c;
#ifdef __SSE2__
        // The fourth lane lands on the next column's first value, which
        // that column then writes.
        const __m128 mixed = _mm_add_ps(_mm_mul_ps(_mm_set1_ps(1 - fx), _mm_loadu_ps(p0)),
                                        _mm_mul_ps(_mm_set1_ps(fx), _mm_loadu_ps(p1)));
        _mm_storeu_ps(out, mixed);
#else
        for (int ch = 0; ch < 3; ++ch)
            out[ch] = (1 - fx) * p0[ch] + fx * p1[ch];
#endif
    }
}

} // namespace

void DibBilinearEnlargement::Enlarge(CDibImage& target, DibResampler::Region dest, const CDibImage& source,
                                     DibResampler::Region src, COLORREF key, COLORREF replacement)
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
    const bool allColumns = std::all_of(columns.begin(), columns.end(), [](const EnlargeColumn& c) { return c.offset0 >= 0; });
    std::uint8_t* const targetColumn0 = target.Row(0) + 3 * std::ptrdiff_t(dest.x + firstColumn);
    const std::size_t stride = target.Stride();

    // The vertical half then mixes two interpolated rows, which neighbouring
    // destination rows mostly share.
    RowBands::Run(dest.height, 16, [&](int bandBegin, int bandEnd) {
        LerpedRow rows[2];
        std::vector<int> values(3 * columns.size());
        std::vector<std::uint8_t> keyed(columns.size());
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
            const float gy = 1 - fy;
            for (std::size_t k = 0; k < values.size(); ++k)
                values[k] = std::min(255, int(gy * row0.values[k] + fy * row1.values[k] + 0.5f));
            for (std::size_t c = 0; c < columns.size(); ++c)
                keyed[c] = !keyIsNone && (row0.keyed[c] | row1.keyed[c]);
            std::uint8_t* out = targetColumn0 + stride * std::size_t(y);
            if (allColumns)
                WriteWholeRow(out, values.data(), keyed.data(), columns.size(), key, replacement);
            else
                WriteRow(out, values.data(), keyed.data(), [&](std::size_t c) { return columns[c].offset0 >= 0; },
                         columns.size(), key, replacement);
        }
    });
}
