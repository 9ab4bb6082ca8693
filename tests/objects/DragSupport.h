#pragma once

#include "objects/CSymbolObj.h"

// A drag of an object from start to current on a handle, as the view makes it.
inline DragState Drag(CSymbolObj& object, int handle, CPoint start, CPoint current, int keys = 0)
{
    DragState drag;
    object.BeginTrack(drag);
    drag.nHandle = handle;
    drag.ptStart = start;
    drag.ptCur = current;
    drag.nKeys = keys;
    return drag;
}
