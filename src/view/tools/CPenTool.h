#pragma once

#include "CViewTool.h"

#include <QColor>

// Drawing on the pen layer: the left button paints in the pen colour, the
// right button erases (paints in the base colour on screen, transparency in
// the layer). The window shows the stroke at once; the document paints it
// into the layer when the button is released.
class CPenTool : public CViewTool
{
public:
    using CViewTool::CViewTool;

    void LeftDown(const ViewMouse& mouse) override { Begin(mouse, false); }
    void RightDown(const ViewMouse& mouse) override { Begin(mouse, true); }
    void Move(const ViewMouse& mouse) override;
    void LeftUp(const ViewMouse& mouse) override { End(mouse); }
    void RightUp(const ViewMouse& mouse) override { End(mouse); }
    QCursor Cursor(const ViewMouse& mouse) override;

private:
    void Begin(const ViewMouse& mouse, bool erase);
    void End(const ViewMouse& mouse);
    // The stroke's width in window pixels.
    int WindowWidth() const;
    QColor InkColour(bool erase) const;

    bool m_bStroking = false;
};
