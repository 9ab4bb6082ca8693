#pragma once

// A point in layout units or pixels.
struct CPoint
{
    int x = 0;
    int y = 0;

    friend bool operator==(const CPoint&, const CPoint&) = default;
};
