#pragma once

#include "imaging/ColorRef.h"
#include "platform/CPoint.h"

// The grid the user lays things out on; the pitch in 0.01 mm, -1 until set.
struct GridSettings
{
    CPoint pitch{-1, -1};
    COLORREF color = RGB(0x80, 0x80, 0x80);
    COLORREF centerColor = RGB(0xC0, 0xC0, 0xC0); // colorNone: centre lines in the grid colour
    bool shown = true;
};
