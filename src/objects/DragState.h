#pragma once

#include "platform/CPoint.h"
#include "platform/CSize.h"

// What the view keeps while the user drags an object; the object fills and
// reads it. Key flags as mouse messages carry them.
struct DragState
{
    static constexpr int keyShift = 0x0004;
    static constexpr int keyControl = 0x0008;

    int bActive = 0;
    int nHandle = -1;  // hit code where the drag started
    int nKeys = 0;
    CPoint ptOrg;      // object centre when the drag began
    CSize sizeOrg;     // object size when the drag began
    CPoint ptStart;    // mouse position when the drag began
    CPoint ptCur;      // current mouse position

    bool Shift() const { return (nKeys & keyShift) != 0; }
    bool Control() const { return (nKeys & keyControl) != 0; }
};
