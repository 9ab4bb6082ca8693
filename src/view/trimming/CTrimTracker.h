#pragma once

#include "platform/CPoint.h"
#include "platform/CRect.h"
#include "platform/CSize.h"

// The rectangle the user moves and, in Free mode, resizes over the picture:
// handles outside its corners and edge middles, never smaller than 32 x 32,
// and with Shift held a resize keeps the proportions it started with.
class CTrimTracker
{
public:
    enum Hit { hitNothing = -1, hitTopLeft, hitTopRight, hitBottomRight, hitBottomLeft,
               hitTop, hitRight, hitBottom, hitLeft, hitMiddle };
    static constexpr int handleSize = 6;
    static constexpr int minimumSide = 32;

    CRect rect;
    int handleMask = 255; // bit n: handle n is there

    CRect HandleRect(int handle) const;
    // What lies under a point: a handle, the inside, or nothing.
    int HitTest(CPoint point) const;

    // A drag from a point on what it hit; then where the rectangle goes.
    void Begin(int hit, CPoint point);
    CRect Drag(CPoint point, bool keepAspect) const;
    int DragHit() const { return m_nHit; }

    // The rectangle resized from a handle brought back to the proportions
    // of the starting size.
    static CRect AdjustAspect(CRect rect, CSize start, int handle);

private:
    CRect Resized(CPoint delta) const;

    int m_nHit = hitNothing;
    CPoint m_start;
    CRect m_startRect;
};
