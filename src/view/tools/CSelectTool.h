#pragma once

#include "CViewTool.h"

class CSymbolObj;

// Selecting, moving and resizing objects. A press on the selected object
// starts a drag; a press anywhere else only changes the selection.
class CSelectTool : public CViewTool
{
public:
    using CViewTool::CViewTool;

    void LeftDown(const ViewMouse& mouse) override;
    void LeftUp(const ViewMouse& mouse) override;
    void RightDown(const ViewMouse& mouse) override;
    void RightUp(const ViewMouse& mouse) override;
    void Move(const ViewMouse& mouse) override;
    void DoubleClick(const ViewMouse& mouse) override;
    QCursor Cursor(const ViewMouse& mouse) override;
    QString Hint(const ViewMouse& mouse) override;

    bool Dragging() const;

private:
    // The selection's hit code under the point, or -1.
    int HandleAt(CPoint layout) const;
    // The selection's hit code under the mouse where the selection is the
    // object there, or -1.
    int HoverHandle(const ViewMouse& mouse) const;
    void BeginDrag(CSymbolObj& object, int handle, const ViewMouse& mouse);
    void SnapDragOrigin();

    // The drag has its undo step (taken at its first move).
    bool m_bRecorded = false;
};
