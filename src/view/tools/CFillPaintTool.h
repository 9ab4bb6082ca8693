#pragma once

#include "CViewTool.h"

// Flood-fills on the pen layer: the left button in the pen colour, the
// right button back to transparent.
class CFillPaintTool : public CViewTool
{
public:
    using CViewTool::CViewTool;

    void LeftDown(const ViewMouse& mouse) override { Fill(mouse, false); }
    void RightDown(const ViewMouse& mouse) override { Fill(mouse, true); }
    QCursor Cursor(const ViewMouse& mouse) override;

private:
    void Fill(const ViewMouse& mouse, bool rightButton);
};
