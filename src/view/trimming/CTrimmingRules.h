#pragma once

#include "platform/CRect.h"
#include "platform/CSize.h"

// What the Trimming Picture dialog decides, without its widgets: the
// picture's place in the picture area, the rectangle of each mode, and the
// result size W x H (0.01 mm) kept within the printable area W0 x H0 and,
// with Keep Aspect, in the tracker rectangle's proportions.
class CTrimmingRules
{
public:
    enum Mode { all = 0, sameSize = 1, free = 2 };

    struct Setup
    {
        CSize picture;      // full-resolution picture, pixels
        int resolution = 0; // the document's dots per inch
        CSize printable;    // W0 x H0, 0.01 mm
        CRect area;         // the picture area, display pixels
        int storedMode = all;
        CRect storedRect;   // the stored mode's rectangle, if not empty
    };

    // False when there is no picture, resolution or printable area.
    bool Open(const Setup& setup);

    // The mode's rectangle as it was at opening, and W x H worked out anew.
    void ApplyMode(int mode);
    int Mode() const { return m_nMode; }

    bool KeepAspect() const { return m_bKeepAspect; }
    void SetKeepAspect(bool keep);
    // The typed width or height, then the rules.
    void SetWidth(int widthMm100);
    void SetHeight(int heightMm100);
    CSize Size() const { return m_size; }
    bool SizeEditable() const { return m_nMode != sameSize; }

    // The tracker after the user moved or resized it, kept on the picture;
    // W and H follow a changed width or height.
    void SetTracker(const CRect& rect);
    const CRect& Tracker() const { return m_tracker; }
    // Handles the tracker shows: all eight in Free mode, none otherwise.
    int HandleMask() const { return m_nMode == free ? 255 : 0; }
    // Whether the tracker can be dragged at all.
    bool TrackerMoves() const { return m_nMode != all; }

    const CRect& DisplayRect() const { return m_display; }
    const CRect& Available() const { return m_available; }
    // The tracker in picture pixels, clipped to the picture.
    CRect PictureRect() const;
    // The picture's size at the document's resolution, 0.01 mm.
    CSize PhysicalSize() const;

    // Shrinks a rectangle by n on each side.
    static CRect Shrunk(const CRect& rect, int n);

private:
    void WidthRule();
    void HeightRule();
    CRect Centred(CSize size) const;
    CRect SameSizeRect();
    CRect FreeRect() const;
    CRect KeptOnPicture(CRect rect) const;

    Setup m_setup;
    CRect m_available;
    CRect m_display;
    int m_nNum = 1;
    int m_nDen = 1;
    CRect m_rects[3];
    int m_nMode = all;
    bool m_bKeepAspect = true;
    CSize m_size;
    CRect m_tracker;
};
