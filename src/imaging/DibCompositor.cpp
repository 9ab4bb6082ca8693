#include "DibCompositor.h"

#include "CDibImage.h"
#include "KeyScan.h"
#include "RowBands.h"

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// Copies the runs between key pixels of one row with memcpy: pictures are
// mostly without key pixels, so this is close to a plain copy.
void CopyRowSkippingKey(std::uint8_t* out, const std::uint8_t* in, int count, bool keyed, const std::uint8_t key[3])
{
    if (!keyed) {
        std::memcpy(out, in, 3 * std::size_t(count));
        return;
    }
    for (int runStart = 0; runStart < count;) {
        const int x = NextKeyPixel(in, runStart, count, key);
        std::memcpy(out + 3 * std::size_t(runStart), in + 3 * std::size_t(runStart), 3 * std::size_t(x - runStart));
        runStart = x + 1;
    }
}

} // namespace

void DibCompositor::PasteOneToOne(CDibImage& target, const CDibImage& source, int x0, int y0, COLORREF key)
{
    const std::uint8_t keyBytes[3] = {std::uint8_t(GetBValue(key)), std::uint8_t(GetGValue(key)), std::uint8_t(GetRValue(key))};
    const int firstColumn = std::max(0, -x0);
    const int endColumn = std::min(source.Width(), target.Width() - x0);
    const int firstRow = std::max(0, -y0);
    const int endRow = std::min(source.Height(), target.Height() - y0);
    if (firstColumn >= endColumn || firstRow >= endRow)
        return;
    std::uint8_t* const bits = target.Bits();
    const std::size_t stride = target.Stride();
    RowBands::Run(endRow - firstRow, 64, [&](int begin, int end) {
        for (int i = firstRow + begin; i < firstRow + end; ++i)
            CopyRowSkippingKey(bits + stride * std::size_t(y0 + i) + 3 * std::size_t(x0 + firstColumn),
                               source.Row(i) + 3 * std::size_t(firstColumn), endColumn - firstColumn, key != colorNone,
                               keyBytes);
    });
}

bool DibCompositor::PasteKeyed(CDibImage& target, const CDibImage& source, const CRect* rect, COLORREF key)
{
    if (source.IsEmpty() || target.IsEmpty() || source.BitCount() != 24 || target.BitCount() != 24)
        return false;
    int x0 = 0, y0 = 0, w = source.Width(), h = source.Height();
    if (rect) {
        x0 = rect->left;
        y0 = rect->top;
        w = std::abs(rect->right - rect->left);
        h = std::abs(rect->bottom - rect->top);
    }
    if (w == 0 || h == 0)
        return true;
    if (w == source.Width() && h == source.Height()) {
        PasteOneToOne(target, source, x0, y0, key);
        return true;
    }

    // The visible destination columns as runs over consecutive source
    // columns: a display image a dot wider or narrower than its rectangle
    // still copies in long runs.
    struct Run
    {
        int destColumn;       // from the rectangle's left
        std::size_t source;   // byte offset in a source row
        int length;
    };
    const int firstColumn = x0 < 0 ? -x0 : 0;
    const int endColumn = int(std::clamp<long long>((long long)target.Width() - x0, 0, w));
    std::vector<Run> runs;
    for (int j = firstColumn; j < endColumn; ++j) {
        const std::size_t offset = 3 * std::size_t((long long)j * source.Width() / w);
        if (!runs.empty() && runs.back().source + 3 * std::size_t(runs.back().length) == offset)
            ++runs.back().length;
        else
            runs.push_back({j, offset, 1});
    }
    const std::uint8_t keyBytes[3] = {std::uint8_t(GetBValue(key)), std::uint8_t(GetGValue(key)), std::uint8_t(GetRValue(key))};
    const int firstRow = int(std::clamp<long long>(-(long long)y0, 0, h));
    const int endRow = int(std::clamp<long long>((long long)target.Height() - y0, firstRow, h));
    std::uint8_t* const bits = target.Bits();
    const std::size_t stride = target.Stride();
    RowBands::Run(endRow - firstRow, 64, [&](int begin, int end) {
        for (int i = firstRow + begin; i < firstRow + end; ++i) {
            const std::uint8_t* in = source.Row(int((long long)i * source.Height() / h));
            // Left of the target the rectangle's own left is no address: each
            // run starts inside the row.
            std::uint8_t* out = bits + stride * std::size_t((long long)y0 + i);
            for (const Run& run : runs)
                CopyRowSkippingKey(out + 3 * std::ptrdiff_t(x0 + run.destColumn), in + run.source, run.length,
                                   key != colorNone, keyBytes);
        }
    });
    return true;
}
