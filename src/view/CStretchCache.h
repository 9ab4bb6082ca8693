#pragma once

#include "imaging/PixelBlock.h"
#include "imaging/StretchMode.h"
#include "platform/CRect.h"

#include <QImage>

#include <cstdint>

class CDibImage;

// The visible part of the plate stretched to the zoom, kept between paints.
// Each paint renders the whole plate again, but a drag changes only a small
// part of it: the plate is compared with the one stretched last, and only
// the window pixels over changed plate pixels are stretched again. A window
// pixel depends only on the plate pixels under it, so the picture is the
// same as a fresh stretch of everything.
class CStretchCache
{
public:
    // plate stretched onto dest (scroll space), the part inside visible, as
    // an RGB32 image: what windows show without converting it again.
    const QImage& Stretch(const CDibImage& plate, const CRect& dest, const CRect& visible, StretchMode mode);

private:
    bool Fits(const CDibImage& plate, const CRect& dest, const CRect& visible, StretchMode mode) const;
    void StretchAll(const CDibImage& plate, const CRect& dest, const CRect& visible, StretchMode mode);
    // The plate pixels that differ from the kept copy (which then follows
    // the plate); empty when none.
    CRect TakeChanges(const CDibImage& plate);
    // The window pixels in scroll space that plate pixels changed reach.
    CRect Reach(const CRect& changed, const CRect& dest, const CDibImage& plate) const;
    void Restretch(const CDibImage& plate, const CRect& area);
    // The part area (scroll space) of the plate stretched onto m_dest, in
    // RGB32; with copy, the plate's pixel block is copied there as well.
    QImage StretchPart(const CDibImage& plate, const CRect& area, std::uint8_t* copy = nullptr) const;

    PixelBlock m_plate; // the plate stretched last, to find what changed
    int m_nWidth = 0;
    int m_nHeight = 0;
    CRect m_dest;
    CRect m_visible;
    StretchMode m_mode = StretchMode::ColorOnColor;
    QImage m_image;
};
