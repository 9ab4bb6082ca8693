#pragma once

#include "ColorRef.h"

#include "platform/CRect.h"

class CDibImage;

// Nearest-neighbour copy of one 24-bit image onto another that leaves out the
// pixels of a key colour: how pictures, frames and symbols land on the plate.
class DibCompositor
{
public:
    // rect (top-down, may be flipped) is where the source lands; null puts it
    // at (0, 0) at its own size. key colorNone copies every pixel.
    static bool PasteKeyed(CDibImage& target, const CDibImage& source, const CRect* rect, COLORREF key);

private:
    // The same size: whole runs of pixels at a time.
    static void PasteOneToOne(CDibImage& target, const CDibImage& source, int x0, int y0, COLORREF key);
};
