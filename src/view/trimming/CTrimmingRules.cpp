#include "CTrimmingRules.h"

#include "platform/MulDiv.h"

#include <algorithm>

CRect CTrimmingRules::Shrunk(const CRect& r, int n)
{
    return {r.left + n, r.top + n, r.right - n, r.bottom - n};
}

CRect CTrimmingRules::Centred(CSize size) const
{
    const int left = m_available.left + (m_available.Width() - size.cx) / 2;
    const int top = m_available.top + (m_available.Height() - size.cy) / 2;
    return {left, top, left + size.cx, top + size.cy};
}

CSize CTrimmingRules::PhysicalSize() const
{
    return {MulDiv(m_setup.picture.cx, 2540, m_setup.resolution), MulDiv(m_setup.picture.cy, 2540, m_setup.resolution)};
}

bool CTrimmingRules::Open(const Setup& setup)
{
    if (setup.picture.cx <= 0 || setup.picture.cy <= 0 || setup.resolution <= 0 || setup.printable.cx <= 0
        || setup.printable.cy <= 0)
        return false;
    m_setup = setup;
    m_size = setup.printable;
    m_available = Shrunk(setup.area, 5);
    const int availableWidth = std::max(1, m_available.Width()), availableHeight = std::max(1, m_available.Height());
    const CSize picture = setup.picture;
    m_nNum = m_nDen = 1;
    if (picture.cx > availableWidth || picture.cy > availableHeight) {
        // One factor for both sides: the one that makes the picture fit.
        if (double(availableHeight) / picture.cy > double(availableWidth) / picture.cx)
            m_nNum = availableWidth, m_nDen = picture.cx;
        else
            m_nNum = availableHeight, m_nDen = picture.cy;
    }
    m_display = Centred({MulDiv(picture.cx, m_nNum, m_nDen), MulDiv(picture.cy, m_nNum, m_nDen)});
    const bool storedUsable = setup.storedMode >= all && setup.storedMode <= free && setup.storedRect.Width() > 0
                              && setup.storedRect.Height() > 0;
    m_rects[all] = m_display;
    m_rects[sameSize] = storedUsable && setup.storedMode == sameSize ? setup.storedRect : SameSizeRect();
    m_rects[free] = storedUsable && setup.storedMode == free ? setup.storedRect : FreeRect();
    ApplyMode(setup.storedMode >= all && setup.storedMode <= free ? setup.storedMode : all);
    return true;
}

// The picture's physical size (at most the printable area) in dots, shown
// at the display scale in the middle.
CRect CTrimmingRules::SameSizeRect()
{
    const CSize physical = PhysicalSize();
    const CSize size{std::min(m_size.cx, physical.cx), std::min(m_size.cy, physical.cy)};
    const CSize dots{MulDiv(size.cx, m_setup.resolution, 2540), MulDiv(size.cy, m_setup.resolution, 2540)};
    return Centred({MulDiv(dots.cx, m_nNum, m_nDen), MulDiv(dots.cy, m_nNum, m_nDen)});
}

// The largest rectangle of the printable area's proportions on the picture.
CRect CTrimmingRules::FreeRect() const
{
    const CSize W0 = m_setup.printable;
    const int width = m_display.Width(), height = m_display.Height();
    if (double(height) / W0.cy > double(width) / W0.cx)
        return Centred({width, MulDiv(width, W0.cy, W0.cx)});
    return Centred({MulDiv(height, W0.cx, W0.cy), height});
}

void CTrimmingRules::ApplyMode(int mode)
{
    m_nMode = std::clamp(mode, int(all), int(free));
    m_size = m_setup.printable;
    m_tracker = m_rects[m_nMode];
    if (m_nMode == sameSize) {
        const CSize physical = PhysicalSize();
        const bool lowered = physical.cx < m_size.cx || physical.cy < m_size.cy;
        m_size = {std::min(m_size.cx, physical.cx), std::min(m_size.cy, physical.cy)};
        if (lowered) {
            WidthRule();
            HeightRule();
        }
        return;
    }
    WidthRule();
    HeightRule();
}

void CTrimmingRules::WidthRule()
{
    m_size.cx = std::min(m_size.cx, m_setup.printable.cx);
    if (!m_bKeepAspect || m_tracker.Width() <= 0)
        return;
    m_size.cy = MulDiv(m_size.cx, m_tracker.Height(), m_tracker.Width());
    if (m_size.cy > m_setup.printable.cy)
        HeightRule();
}

void CTrimmingRules::HeightRule()
{
    m_size.cy = std::min(m_size.cy, m_setup.printable.cy);
    if (!m_bKeepAspect || m_tracker.Height() <= 0)
        return;
    m_size.cx = MulDiv(m_size.cy, m_tracker.Width(), m_tracker.Height());
    if (m_size.cx > m_setup.printable.cx)
        WidthRule();
}

void CTrimmingRules::SetKeepAspect(bool keep)
{
    m_bKeepAspect = keep;
    if (keep) {
        WidthRule();
        HeightRule();
    }
}

void CTrimmingRules::SetWidth(int width)
{
    m_size.cx = width;
    WidthRule();
}

void CTrimmingRules::SetHeight(int height)
{
    m_size.cy = height;
    HeightRule();
}

// Moved back onto the picture, its size kept where it fits: a part reaching
// past the picture would be cut smaller than the size it is given, and come
// out stretched.
CRect CTrimmingRules::KeptOnPicture(CRect rect) const
{
    const auto keep = [](int& low, int& high, int lowest, int highest) {
        if (low < lowest)
            high += lowest - low, low = lowest;
        if (high > highest)
            low -= high - highest, high = highest;
        low = std::max(low, lowest);
    };
    keep(rect.left, rect.right, m_display.left, m_display.right);
    keep(rect.top, rect.bottom, m_display.top, m_display.bottom);
    return rect;
}

void CTrimmingRules::SetTracker(const CRect& requested)
{
    const CRect rect = KeptOnPicture(requested);
    const bool widthChanged = rect.Width() != m_tracker.Width();
    const bool heightChanged = rect.Height() != m_tracker.Height();
    m_tracker = rect;
    if (widthChanged)
        WidthRule();
    if (heightChanged)
        HeightRule();
}

CRect CTrimmingRules::PictureRect() const
{
    const auto toPicture = [this](int displayOffset) { return MulDiv(displayOffset, m_nDen, m_nNum); };
    CRect r{toPicture(m_tracker.left - m_display.left), toPicture(m_tracker.top - m_display.top),
            toPicture(m_tracker.right - m_display.left), toPicture(m_tracker.bottom - m_display.top)};
    // A rectangle reaching past the picture cuts only what is there.
    r.left = std::clamp(r.left, 0, m_setup.picture.cx);
    r.right = std::clamp(r.right, 0, m_setup.picture.cx);
    r.top = std::clamp(r.top, 0, m_setup.picture.cy);
    r.bottom = std::clamp(r.bottom, 0, m_setup.picture.cy);
    return r;
}
