#include "CTrimTracker.h"

#include "platform/MulDiv.h"

#include <algorithm>
#include <cstdint>

CRect CTrimTracker::HandleRect(int handle) const
{
    const int s = handleSize, cx = (rect.left + rect.right) / 2, cy = (rect.top + rect.bottom) / 2;
    switch (handle) {
    case hitTopLeft: return {rect.left - s, rect.top - s, rect.left, rect.top};
    case hitTopRight: return {rect.right, rect.top - s, rect.right + s, rect.top};
    case hitBottomRight: return {rect.right, rect.bottom, rect.right + s, rect.bottom + s};
    case hitBottomLeft: return {rect.left - s, rect.bottom, rect.left, rect.bottom + s};
    case hitTop: return {cx - s / 2, rect.top - s, cx - s / 2 + s, rect.top};
    case hitRight: return {rect.right, cy - s / 2, rect.right + s, cy - s / 2 + s};
    case hitBottom: return {cx - s / 2, rect.bottom, cx - s / 2 + s, rect.bottom + s};
    case hitLeft: return {rect.left - s, cy - s / 2, rect.left, cy - s / 2 + s};
    default: return {};
    }
}

int CTrimTracker::HitTest(CPoint p) const
{
    const auto inside = [p](const CRect& r) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; };
    for (int handle = hitTopLeft; handle <= hitLeft; ++handle) {
        if ((handleMask & (1 << handle)) && inside(HandleRect(handle)))
            return handle;
    }
    return inside(rect) ? hitMiddle : hitNothing;
}

void CTrimTracker::Begin(int hit, CPoint point)
{
    m_nHit = hit;
    m_start = point;
    m_startRect = rect;
}

CRect CTrimTracker::Resized(CPoint d) const
{
    CRect r = m_startRect;
    const int h = m_nHit;
    if (h == hitTopLeft || h == hitBottomLeft || h == hitLeft)
        r.left = std::min(r.left + d.x, r.right - minimumSide);
    if (h == hitTopRight || h == hitBottomRight || h == hitRight)
        r.right = std::max(r.right + d.x, r.left + minimumSide);
    if (h == hitTopLeft || h == hitTopRight || h == hitTop)
        r.top = std::min(r.top + d.y, r.bottom - minimumSide);
    if (h == hitBottomLeft || h == hitBottomRight || h == hitBottom)
        r.bottom = std::max(r.bottom + d.y, r.top + minimumSide);
    return r;
}

CRect CTrimTracker::Drag(CPoint point, bool keepAspect) const
{
    const CPoint d{point.x - m_start.x, point.y - m_start.y};
    if (m_nHit == hitMiddle)
        return {m_startRect.left + d.x, m_startRect.top + d.y, m_startRect.right + d.x, m_startRect.bottom + d.y};
    if (m_nHit < hitTopLeft || m_nHit > hitLeft)
        return rect;
    const CRect resized = Resized(d);
    return keepAspect ? AdjustAspect(resized, {m_startRect.Width(), m_startRect.Height()}, m_nHit) : resized;
}

CRect CTrimTracker::AdjustAspect(CRect r, CSize start, int handle)
{
    const int w = r.Width(), h = r.Height();
    if (start.cx <= 0 || start.cy <= 0 || w <= 0 || h <= 0)
        return r;
    // Compared crosswise: h0 / w0 > h / w.
    if (std::int64_t(start.cy) * w > std::int64_t(h) * start.cx) {
        // Too flat for the start's proportions: the height follows.
        const int height = MulDiv(w, start.cy, start.cx);
        if (handle == hitTopLeft || handle == hitTopRight)
            r.top = r.bottom - height;
        else if (handle == hitBottomRight || handle == hitBottomLeft || handle == hitRight || handle == hitLeft)
            r.bottom = r.top + height;
    } else {
        // Too tall: the width follows.
        const int width = MulDiv(h, start.cx, start.cy);
        if (handle == hitTopLeft || handle == hitBottomLeft)
            r.left = r.right - width;
        else if (handle == hitTopRight || handle == hitBottomRight || handle == hitTop || handle == hitBottom)
            r.right = r.left + width;
    }
    return r;
}
