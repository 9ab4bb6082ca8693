#include "DibBilinearEnlargement.h"

#include "CDibImage.h"
#include "DibEnlargementAvx2.h"
#include "DibResampleRows.h"
#include "KeyScan.h"
#include "RowBands.h"

#include <algorithm>
#include <memory>
#include <vector>

#ifdef __SSE2__
#include <xmmintrin.h>
#endif

using namespace DibResampleRows;

namespace {

// One source row interpolated across for every destination column: the
// horizontal half of the bilinear formula, and whether either of the two
// source pixels is the key. The values are per pixel (B, G, R) on the
// baseline path and three planes on the wide one.
struct LerpedRow
{
    int sourceRow = -1;
    std::vector<float> values;
    std::vector<std::uint8_t> keyed;
    bool anyKeyed = false;
    std::vector<float> lineValues;    // scratch: the source row's bytes
    std::vector<std::uint8_t> planes; // scratch of the wide path
};

struct EnlargeColumn
{
    std::ptrdiff_t offset0 = -1, offset1 = -1; // byte offsets; -1: left unwritten
    float fx = 0;
};

void LerpValues(LerpedRow& row, const std::uint8_t* line, std::size_t lineBytes,
                const std::vector<EnlargeColumn>& columns)
{
    // One float more than the columns need, in both rows: the three
    // channels are mixed four lanes at a time.
    row.values.resize(3 * columns.size() + 1);
    // The row's bytes as floats once.
    row.lineValues.resize(lineBytes + 1);
    for (std::size_t k = 0; k < lineBytes; ++k)
        row.lineValues[k] = line[k];
    const float* in = row.lineValues.data();
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const EnlargeColumn& col = columns[c];
        if (col.offset0 < 0)
            continue;
        const float fx = col.fx;
        const float* p0 = in + col.offset0;
        const float* p1 = in + col.offset1;
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

void LerpAcross(LerpedRow& row, int sourceRow, const CDibImage& source, const std::vector<EnlargeColumn>& columns,
                const DibEnlargementAvx2::ColumnGroups* groups, const KeyTest& isKey)
{
    row.sourceRow = sourceRow;
    const std::uint8_t* line = source.Row(sourceRow);
    const std::uint8_t key[3] = {isKey.b, isKey.g, isKey.r};
    if (groups) {
        row.values.resize(3 * groups->planeStride);
        // The wide path looks for the key in the planes it splits the row into.
        row.anyKeyed = DibEnlargementAvx2::LerpAcross(line, source.Width(), *groups, row.planes, row.values.data(),
                                                      isKey.none ? nullptr : key);
    } else {
        LerpValues(row, line, 3 * std::size_t(source.Width()), columns);
        row.anyKeyed = !isKey.none && NextKeyPixel(line, 0, source.Width(), key) < source.Width();
    }
    // The key is tested only in rows that hold it.
    row.keyed.assign(columns.size(), 0);
    for (std::size_t c = 0; row.anyKeyed && c < columns.size(); ++c) {
        const EnlargeColumn& col = columns[c];
        row.keyed[c] = col.offset0 >= 0 && (isKey(line + col.offset0) || isKey(line + col.offset1));
    }
}

// The wide path's column groups, when every column is written and the
// processor has the instructions.
std::unique_ptr<DibEnlargementAvx2::ColumnGroups> WideGroups(const std::vector<EnlargeColumn>& columns, bool allColumns)
{
    if (!allColumns)
        return nullptr;
    std::vector<int> left, right;
    std::vector<float> fx;
    for (const EnlargeColumn& col : columns) {
        left.push_back(int(col.offset0 / 3));
        right.push_back(int(col.offset1 / 3));
        fx.push_back(col.fx);
    }
    auto groups = std::make_unique<DibEnlargementAvx2::ColumnGroups>();
    if (!DibEnlargementAvx2::MakeGroups(left, right, fx, *groups))
        return nullptr;
    return groups;
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
    const bool allColumns = std::all_of(columns.begin(), columns.end(), [](const EnlargeColumn& c) { return c.offset0 >= 0; });
    const std::unique_ptr<DibEnlargementAvx2::ColumnGroups> wide = WideGroups(columns, allColumns);
    std::uint8_t* const targetColumn0 = target.Row(0) + 3 * std::ptrdiff_t(dest.x + firstColumn);
    const std::size_t stride = target.Stride();

    // The vertical half then mixes two interpolated rows, which neighbouring
    // destination rows mostly share.
    RowBands::Run(dest.height, 16, [&](int bandBegin, int bandEnd) {
        LerpedRow rows[2];
        std::vector<int> values(3 * columns.size());
        std::vector<std::uint8_t> keyed(columns.size());
        std::vector<std::uint8_t> mixed;
        const auto across = [&](int sourceRow) -> const LerpedRow& {
            for (LerpedRow& row : rows)
                if (row.sourceRow == sourceRow)
                    return row;
            LerpedRow& slot = rows[0].sourceRow == sourceRow - 1 ? rows[1] : rows[0];
            LerpAcross(slot, sourceRow, source, columns, wide.get(), isKey);
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
            const bool anyKeyed = row0.anyKeyed || row1.anyKeyed;
            // Rows without the key (most of a photo) skip the pixels' flags.
            for (std::size_t c = 0; (anyKeyed || !allColumns) && c < columns.size(); ++c)
                keyed[c] = anyKeyed && (row0.keyed[c] | row1.keyed[c]);
            const std::uint8_t* keyedOrNone = anyKeyed ? keyed.data() : nullptr;
            std::uint8_t* out = targetColumn0 + stride * std::size_t(y);
            if (wide) {
                DibEnlargementAvx2::MixRows(row0.values.data(), row1.values.data(), gy, fy, *wide, mixed, out);
                MendKeys(out, keyedOrNone, columns.size(), key, replacement);
                continue;
            }
            for (std::size_t k = 0; k < values.size(); ++k)
                values[k] = std::min(255, int(gy * row0.values[k] + fy * row1.values[k] + 0.5f));
            if (allColumns)
                WriteWholeRow(out, values.data(), keyedOrNone, columns.size(), key, replacement);
            else
                WriteRow(out, values.data(), keyed.data(), [&](std::size_t c) { return columns[c].offset0 >= 0; },
                         columns.size(), key, replacement);
        }
    });
}
