#pragma once

#include "CViewTool.h"

// Dragging with the left button moves the plate under the window.
class CScrollTool : public CViewTool
{
public:
    using CViewTool::CViewTool;

    void LeftDown(const ViewMouse& mouse) override;
    QCursor Cursor(const ViewMouse& mouse) override;
};
