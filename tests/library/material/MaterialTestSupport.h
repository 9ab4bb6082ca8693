#pragma once

#include "objects/CDibObj.h"

#include <QDir>
#include <QString>

#include <cstring>

// A library material of side x side mm, its picture sideDots wide: white,
// with a black square over its middle third.
inline bool WriteMaterialFile(const QString& path, int sideMm100 = 9000, int sideDots = 90,
                              std::uint32_t flags = flagsMaterial)
{
    CDibImage picture;
    if (!picture.Create(sideDots, sideDots, 24, RGB(255, 255, 255)))
        return false;
    for (int y = sideDots / 3; y < 2 * sideDots / 3; ++y)
        for (int x = sideDots / 3; x < 2 * sideDots / 3; ++x)
            picture.SetPixel(x, y, RGB(0, 0, 0));
    CDibObj object;
    object.SetImageFrom(&picture, flags, true);
    object.m_strName = "plate";
    object.SetBounds(0, 0, sideMm100, sideMm100);
    return object.WriteSymbolFile(path);
}

// Whether a 1-bit mask pixel is black (the plate).
inline bool MaskBlack(const CDibImage& mask, int x, int y)
{
    return (mask.Row(y)[x / 8] & (0x80 >> (x % 8))) == 0;
}

// Black pixels on the outermost rows and columns of a 1-bit mask: a shape
// filling its picture touches all four.
struct EdgeTouch
{
    bool top = false, bottom = false, left = false, right = false;
    bool All() const { return top && bottom && left && right; }
};
inline EdgeTouch TouchedEdges(const CDibImage& mask)
{
    EdgeTouch touch;
    const int w = mask.Width(), h = mask.Height();
    for (int x = 0; x < w; ++x) {
        touch.top = touch.top || MaskBlack(mask, x, 0);
        touch.bottom = touch.bottom || MaskBlack(mask, x, h - 1);
    }
    for (int y = 0; y < h; ++y) {
        touch.left = touch.left || MaskBlack(mask, 0, y);
        touch.right = touch.right || MaskBlack(mask, w - 1, y);
    }
    return touch;
}
