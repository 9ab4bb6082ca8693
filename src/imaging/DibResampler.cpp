#include "DibResampler.h"

#include "CDibImage.h"
#include "DibAreaReduction.h"
#include "DibBilinearEnlargement.h"

bool DibResampler::Resample(CDibImage& target, Region dest, const CDibImage& source, Region src,
                            COLORREF key, COLORREF replacement)
{
    if (target.IsEmpty() || source.IsEmpty() || target.BitCount() != 24 || source.BitCount() != 24)
        return false;
    if (dest.width <= 0 || dest.height <= 0 || src.width <= 0 || src.height <= 0)
        return false;
    CDibImage copy;
    const CDibImage* from = &source;
    if (from == &target) {
        if (!copy.CopyImage(source))
            return false;
        from = &copy;
    }
    if (src.width > dest.width || src.height > dest.height)
        DibAreaReduction::Reduce(target, dest, *from, src, key, replacement);
    else
        DibBilinearEnlargement::Enlarge(target, dest, *from, src, key, replacement);
    return true;
}
