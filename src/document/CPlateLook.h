#pragma once

#include "imaging/ColorRef.h"

class CDibImage;
class CVeldraDoc;
class QImage;

// The colours a layout's plate shows: its base colour where nothing is
// drawn, each picture's own colours elsewhere, and everything turned to its
// negative when the layout is inverted. The plate renderer paints with it,
// and so does every place that shows a picture before it is on the plate
// (library thumbnails, the add dialogs, Import), so that what the user sees
// there is what will engrave.
class CPlateLook
{
public:
    CPlateLook() = default;
    CPlateLook(COLORREF base, bool inverted) : m_crBase(base), m_bInverted(inverted) {}
    static CPlateLook Of(const CVeldraDoc& doc);

    COLORREF Base() const { return m_crBase; }
    bool Inverted() const { return m_bInverted; }

    // The bare plate: the whole target (24 bits) in the base colour.
    void Ground(CDibImage& target) const;
    // What the invert switch does to everything painted so far.
    void Finish(CDibImage& target) const;

    // A 24-bit picture, transparent where it has the key colour, as it
    // shows on this plate; false when there is no room for it.
    bool Show(const CDibImage& picture, CDibImage& shown) const;
    // The same for a picture whose transparency is its alpha channel.
    QImage Show(const QImage& picture) const;

private:
    COLORREF m_crBase = RGB(0, 0, 0);
    bool m_bInverted = false;
};
