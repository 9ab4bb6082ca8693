#include "DibCompositor.h"

#include "CDibImage.h"

#include <algorithm>
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
    int runStart = 0;
    for (int x = 0; x < count; ++x) {
        const std::uint8_t* p = in + 3 * std::size_t(x);
        if (p[0] == key[0] && p[1] == key[1] && p[2] == key[2]) {
            std::memcpy(out + 3 * std::size_t(runStart), in + 3 * std::size_t(runStart), 3 * std::size_t(x - runStart));
            runStart = x + 1;
        }
    }
    std::memcpy(out + 3 * std::size_t(runStart), in + 3 * std::size_t(runStart), 3 * std::size_t(count - runStart));
}

} // namespace

void DibCompositor::PasteOneToOne(CDibImage& target, const CDibImage& source, int x0, int y0, COLORREF key)
{
    const std::uint8_t keyBytes[3] = {std::uint8_t(GetBValue(key)), std::uint8_t(GetGValue(key)), std::uint8_t(GetRValue(key))};
    const int firstColumn = std::max(0, -x0);
    const int endColumn = std::min(source.Width(), target.Width() - x0);
    if (firstColumn >= endColumn)
        return;
    for (int i = std::max(0, -y0); i < source.Height() && y0 + i < target.Height(); ++i)
        CopyRowSkippingKey(target.Row(y0 + i) + 3 * std::size_t(x0 + firstColumn),
                           source.Row(i) + 3 * std::size_t(firstColumn), endColumn - firstColumn, key != colorNone, keyBytes);
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

    // Source byte offsets of the visible destination columns.
    const int firstColumn = x0 < 0 ? -x0 : 0;
    const int endColumn = std::min<long long>(w, (long long)target.Width() - x0) > 0
        ? int(std::min<long long>(w, (long long)target.Width() - x0)) : 0;
    std::vector<std::size_t> sourceOffset;
    sourceOffset.reserve(std::size_t(std::max(0, endColumn - firstColumn)));
    for (int j = firstColumn; j < endColumn; ++j)
        sourceOffset.push_back(3 * std::size_t((long long)j * source.Width() / w));

    const bool keyed = key != colorNone;
    const std::uint8_t keyB = std::uint8_t(GetBValue(key)), keyG = std::uint8_t(GetGValue(key)), keyR = std::uint8_t(GetRValue(key));
    for (int i = 0; i < h; ++i) {
        const long long y = (long long)y0 + i;
        if (y < 0)
            continue;
        if (y >= target.Height())
            break;
        const std::uint8_t* in = source.Row(int((long long)i * source.Height() / h));
        std::uint8_t* out = target.Row(int(y)) + 3 * std::size_t(x0 + firstColumn);
        for (std::size_t k = 0; k < sourceOffset.size(); ++k, out += 3) {
            const std::uint8_t* p = in + sourceOffset[k];
            if (keyed && p[0] == keyB && p[1] == keyG && p[2] == keyR)
                continue;
            out[0] = p[0];
            out[1] = p[1];
            out[2] = p[2];
        }
    }
    return true;
}
