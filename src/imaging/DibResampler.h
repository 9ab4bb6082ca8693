#pragma once

#include "ColorRef.h"

class CDibImage;

// Scaled copies between 24-bit images for pictures and display images:
// area-weighted reduction and bilinear enlargement, both keeping the
// transparent key intact (a destination pixel whose source touches the key
// becomes the key; a computed colour equal to the key is replaced).
class DibResampler
{
public:
    struct Region
    {
        int x, y, width, height;
    };

    static bool Resample(CDibImage& target, Region dest, const CDibImage& source, Region src,
                         COLORREF key, COLORREF replacement);
};
