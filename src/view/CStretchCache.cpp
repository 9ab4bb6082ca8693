#include "CStretchCache.h"

#include "imaging/CDibImage.h"
#include "imaging/DibScreenReducer.h"
#include "imaging/DibStretcher.h"
#include "imaging/RowBands.h"

#include <algorithm>
#include <cmath>
#include <cstring>

const QImage& CStretchCache::Stretch(const CDibImage& plate, const CRect& dest, const CRect& visible, StretchMode mode)
{
    if (!Fits(plate, dest, visible, mode)) {
        StretchAll(plate, dest, visible, mode);
        return m_image;
    }
    const CRect changed = TakeChanges(plate);
    if (!changed.IsEmpty())
        Restretch(plate, Reach(changed, dest, plate));
    return m_image;
}

bool CStretchCache::Fits(const CDibImage& plate, const CRect& dest, const CRect& visible, StretchMode mode) const
{
    return !m_image.isNull() && plate.BitCount() == 24 && plate.Width() == m_nWidth && plate.Height() == m_nHeight
        && dest == m_dest && visible == m_visible && mode == m_mode;
}

void CStretchCache::StretchAll(const CDibImage& plate, const CRect& dest, const CRect& visible, StretchMode mode)
{
    m_dest = dest;
    m_visible = visible;
    m_mode = mode;
    m_nWidth = plate.Width();
    m_nHeight = plate.Height();
    // The plate is kept to find what the next paint changes; the copy is
    // made along with the stretch.
    if (plate.BitCount() == 24 && m_plate.size() != plate.BitsSize())
        m_plate = PixelBlock::AllocateUninitialised(plate.BitsSize());
    if (plate.BitCount() != 24 || !m_plate) {
        m_plate = {};
        m_nWidth = 0; // shown, but stretched afresh next time
    }
    m_image = StretchPart(plate, visible, m_plate.data());
}

CRect CStretchCache::TakeChanges(const CDibImage& plate)
{
    CRect changed{m_nWidth, m_nHeight, 0, 0};
    const std::size_t rowBytes = 3 * std::size_t(m_nWidth);
    for (int y = 0; y < m_nHeight; ++y) {
        const std::uint8_t* now = plate.Row(y);
        std::uint8_t* kept = m_plate.data() + plate.Stride() * std::size_t(y);
        if (std::memcmp(now, kept, rowBytes) == 0)
            continue;
        std::size_t first = 0;
        while (now[first] == kept[first])
            ++first;
        std::size_t last = rowBytes - 1;
        while (now[last] == kept[last])
            --last;
        changed.left = std::min(changed.left, int(first / 3));
        changed.right = std::max(changed.right, int(last / 3) + 1);
        changed.top = std::min(changed.top, y);
        changed.bottom = y + 1;
        std::memcpy(kept, now, rowBytes);
    }
    return changed.left < changed.right && changed.top < changed.bottom ? changed : CRect{};
}

CRect CStretchCache::Reach(const CRect& changed, const CRect& dest, const CDibImage& plate) const
{
    // Plate pixel s covers window pixels from floor(s * d / p) to
    // ceil((s + 1) * d / p); one more on each side absorbs rounding.
    const auto from = [](int s, int d, int p) { return int(std::floor(double(s) * d / p)) - 1; };
    const auto to = [](int s, int d, int p) { return int(std::ceil(double(s) * d / p)) + 1; };
    const int dw = dest.Width(), dh = dest.Height();
    CRect reach{dest.left + from(changed.left, dw, plate.Width()), dest.top + from(changed.top, dh, plate.Height()),
                dest.left + to(changed.right, dw, plate.Width()), dest.top + to(changed.bottom, dh, plate.Height())};
    reach.left = std::max(reach.left, m_visible.left);
    reach.top = std::max(reach.top, m_visible.top);
    reach.right = std::min(reach.right, m_visible.right);
    reach.bottom = std::min(reach.bottom, m_visible.bottom);
    return reach;
}

void CStretchCache::Restretch(const CDibImage& plate, const CRect& area)
{
    if (area.IsEmpty())
        return;
    const QImage part = StretchPart(plate, area);
    if (part.isNull())
        return;
    const int x = area.left - m_visible.left;
    const int y0 = area.top - m_visible.top;
    const std::size_t bytes = 4 * std::size_t(part.width());
    for (int y = 0; y < part.height(); ++y)
        std::memcpy(m_image.scanLine(y0 + y) + 4 * x, part.constScanLine(y), bytes);
}

QImage CStretchCache::StretchPart(const CDibImage& plate, const CRect& area, std::uint8_t* copy) const
{
    const CRect whole{0, 0, plate.Width(), plate.Height()};
    // Reductions for the screen take the faster two-pass averaging; a
    // channel may differ by a rounding step from the halftone stretch.
    if (m_mode == StretchMode::Halftone && plate.BitCount() == 24)
        return DibScreenReducer::Reduce(plate, m_dest, whole, area, copy);
    if (copy) {
        const std::uint8_t* bits = plate.Row(0);
        const std::size_t stride = plate.Stride();
        RowBands::Run(plate.Height(), 64, [&](int begin, int end) {
            std::memcpy(copy + stride * std::size_t(begin), bits + stride * std::size_t(begin),
                        stride * std::size_t(end - begin));
        });
    }
    return DibStretcher::Stretch(plate, m_dest, whole, area, m_mode).convertToFormat(QImage::Format_RGB32);
}
