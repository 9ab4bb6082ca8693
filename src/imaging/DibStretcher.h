#pragma once

#include "StretchMode.h"

#include "platform/CRect.h"

#include <QImage>

class CDibImage;
class QPainter;

// Putting images on a painter: 1:1, or stretched with our own loops so that
// the result does not depend on the paint engine (nearest pixel, or area
// averaging for halftone).
class DibStretcher
{
public:
    // A QImage over the image's bytes where the layout allows (24, 8 and
    // 1 bit), a converted copy otherwise. Read-only.
    static QImage View(const CDibImage& image);

    static bool DrawAt(const CDibImage& image, QPainter& painter, int x, int y);
    static bool StretchDraw(const CDibImage& image, QPainter& painter, const CRect* dest, const CRect* src,
                            bool fit, StretchMode mode);

    // The stretched pixels of src for the part visible of dest (in dest's
    // coordinates), as a BGR888 image. Rectangles may be flipped (mirroring).
    static QImage Stretch(const CDibImage& image, CRect dest, CRect src, CRect visible, StretchMode mode);
};
