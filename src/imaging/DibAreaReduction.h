#pragma once

#include "DibResampler.h"

// The reduction of DibResampler: every destination pixel the area-weighted
// mean of the source pixels its block covers (double-precision weights,
// added tap by tap in the documented order), or the key when the block
// holds it.
class DibAreaReduction
{
public:
    static void Reduce(CDibImage& target, DibResampler::Region dest, const CDibImage& source, DibResampler::Region src,
                       COLORREF key, COLORREF replacement);
};
