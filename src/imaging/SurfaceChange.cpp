#include "SurfaceChange.h"

#include "CDibImage.h"
#include "ColourRun.h"

#include <algorithm>
#include <utility>

SurfaceChange::SurfaceChange(const std::uint8_t fromBgr[3], const std::uint8_t toBgr[3])
{
    std::copy(fromBgr, fromBgr + 3, m_from);
    std::copy(toBgr, toBgr + 3, m_to);
}

COLORREF SurfaceChange::From() const
{
    return RGB(m_from[2], m_from[1], m_from[0]);
}

COLORREF SurfaceChange::To() const
{
    return RGB(m_to[2], m_to[1], m_to[0]);
}

// Every span inside the image and of the colour the change left.
bool SurfaceChange::Covers(const CDibImage& image) const
{
    if (image.IsEmpty() || image.BitCount() != 24)
        return false;
    const ColourRun to(m_to);
    return std::all_of(m_spans.begin(), m_spans.end(), [&](const Span& span) {
        if (span.y < 0 || span.y >= image.Height() || span.x0 < 0 || span.x0 >= span.x1 || span.x1 > image.Width())
            return false;
        return to.Next(image.Row(span.y), span.x0, span.x1, false) == span.x1;
    });
}

bool SurfaceChange::Reverse(CDibImage& image)
{
    if (!Covers(std::as_const(image)))
        return false;
    // The one copy of shared pixels, if any, before anything is painted.
    std::uint8_t* const bits = image.Bits();
    const std::size_t stride = image.Stride();
    const ColourRun from(m_from);
    for (const Span& span : m_spans)
        from.Paint(bits + stride * std::size_t(span.y), span.x0, span.x1);
    std::swap(m_from, m_to);
    return true;
}
