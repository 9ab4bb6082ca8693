#pragma once

#include "platform/CRect.h"

#include <QImage>

#include <cstdint>

class CDibImage;

// Area-averaging reduction of a 24-bit image for showing on screen, as
// DibStretcher's halftone stretch does it but in two passes (down the
// columns, then across) over several threads. The sums are added in
// another order, so a channel may come out one step away from the
// halftone stretch's where a value lies on a rounding edge; nothing stored
// or printed goes through here.
class DibScreenReducer
{
public:
    // The pixels of src stretched onto dest, the part inside visible (in
    // dest's coordinates), as an RGB32 image (what windows show without
    // converting, and what the grid is drawn on fastest). Null when the image is not
    // 24-bit or the rectangles are empty or flipped.
    // With copy (room for the image's whole pixel block), the block is
    // copied there as well, each row as the reduction comes to read it.
    static QImage Reduce(const CDibImage& image, CRect dest, CRect src, CRect visible, std::uint8_t* copy = nullptr);
};
