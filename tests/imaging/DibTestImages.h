#pragma once

#include "imaging/CDibImage.h"

#include <initializer_list>

// Small images with chosen pixels, for tests.
inline CDibImage Image24(int width, int height, std::initializer_list<COLORREF> topDownPixels)
{
    CDibImage image;
    image.Create(width, height, 24, 0);
    int i = 0;
    for (COLORREF c : topDownPixels) {
        image.SetPixel(i % width, i / width, c);
        ++i;
    }
    return image;
}

inline CDibImage Filled24(int width, int height, COLORREF fill)
{
    CDibImage image;
    image.Create(width, height, 24, fill);
    return image;
}
