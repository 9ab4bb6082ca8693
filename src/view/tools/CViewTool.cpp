#include "CViewTool.h"

#include "objects/DragState.h"

int ViewMouse::KeyFlags() const
{
    return (Shift() ? DragState::keyShift : 0) | (Control() ? DragState::keyControl : 0);
}
