#pragma once

#include "CViewTool.h"

// A left click zooms in about the point, a right click zooms out.
class CZoomTool : public CViewTool
{
public:
    using CViewTool::CViewTool;

    void LeftUp(const ViewMouse& mouse) override;
    void RightUp(const ViewMouse& mouse) override;
    QCursor Cursor(const ViewMouse& mouse) override;
};
