#pragma once

#include <cstdint>

class CDibImage;
class SurfaceChange;

// Fills the 4-connected surface of one colour around a pixel of a 24-bit
// image with another colour. It works span by span along the rows, keeping
// only the spans still to look beside: painted pixels no longer have the
// surface's colour, so they need no visited map, and whole runs of a row
// are compared and painted sixteen pixels at a time.
class ColourFill
{
public:
    // False when (x, y) is outside the image or the image is not 24-bit;
    // a surface already of the fill's colour is left as it is. With
    // painted, what was painted is recorded there (nothing for such a
    // surface).
    static bool Run(CDibImage& image, int x, int y, const std::uint8_t fillBgr[3], SurfaceChange* painted = nullptr);
};
