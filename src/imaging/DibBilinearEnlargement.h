#pragma once

#include "DibResampler.h"

// The enlargement of DibResampler: bilinear interpolation in single
// precision, the key kept where any of the four source pixels is the key.
class DibBilinearEnlargement
{
public:
    static void Enlarge(CDibImage& target, DibResampler::Region dest, const CDibImage& source,
                        DibResampler::Region src, COLORREF key, COLORREF replacement);
};
