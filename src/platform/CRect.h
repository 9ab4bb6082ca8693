#pragma once

// A rectangle by its edges: left and top included, right and bottom
// excluded, as every byte format and pixel loop here counts them.
struct CRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    void Normalize()
    {
        if (right < left) { const int t = left; left = right; right = t; }
        if (bottom < top) { const int t = top; top = bottom; bottom = t; }
    }

    friend bool operator==(const CRect&, const CRect&) = default;
};
