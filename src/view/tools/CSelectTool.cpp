#include "CSelectTool.h"

#include "view/CGridPainter.h"
#include "view/CVeldraView.h"
#include "view/artwork/CArtwork.h"

#include "document/CVeldraDoc.h"
#include "objects/CCodePicture.h"
#include "objects/CSymbolObj.h"
#include "objects/ObjectFlags.h"

#include <QCoreApplication>
#include <QGuiApplication>

namespace {

bool MovesWhole(int handle)
{
    return handle == hitBody || handle == hitMoveHandle;
}

} // namespace

bool CSelectTool::Dragging() const
{
    return m_view.Drag().bActive != 0;
}

int CSelectTool::HandleAt(CPoint layout) const
{
    CSymbolObj* selection = m_view.Selection();
    return selection ? selection->HitTest(layout, m_view.HitTolerance(), true) : hitNothing;
}

void CSelectTool::LeftDown(const ViewMouse& mouse)
{
    CVeldraDoc& doc = m_view.Document();
    const CPoint layout = m_view.ClientToLayout(mouse.client);
    const CSize tolerance = m_view.HitTolerance();
    CSymbolObj* selection = m_view.Selection();
    CSymbolObj* hit = doc.ObjectAt(layout, tolerance, selection);
    if (hit && hit == selection) {
        const int handle = HandleAt(layout);
        if (handle != hitNothing && !hit->HasFlag(SOF_FIXED) && doc.ObjectAt(layout, tolerance, selection) == hit) {
            BeginDrag(*hit, handle, mouse);
            return;
        }
    }
    doc.Select(hit);
}

void CSelectTool::BeginDrag(CSymbolObj& object, int handle, const ViewMouse& mouse)
{
    // The undo step waits for the first move: a click changes nothing.
    m_bRecorded = false;
    m_view.SetCapture(true);
    DragState& drag = m_view.Drag();
    drag.nHandle = handle;
    drag.nKeys = mouse.KeyFlags();
    drag.ptStart = m_view.ClientToLayout(mouse.client);
    object.BeginTrack(drag);
    if (mouse.Control() && MovesWhole(handle))
        SnapDragOrigin();
}

void CSelectTool::SnapDragOrigin()
{
    DragState& drag = m_view.Drag();
    const CPoint pitch = m_view.Grid().pitch;
    drag.ptOrg = CGridPainter::Snap(drag.ptOrg, pitch);
    drag.ptStart = CGridPainter::Snap(drag.ptStart, pitch);
}

void CSelectTool::Move(const ViewMouse& mouse)
{
    CSymbolObj* selection = m_view.Selection();
    DragState& drag = m_view.Drag();
    if (!Dragging() || !selection)
        return;
    CPoint point = m_view.ClientToLayout(mouse.client);
    if (mouse.Control() && MovesWhole(drag.nHandle)) {
        SnapDragOrigin();
        point = CGridPainter::Snap(point, m_view.Grid().pitch);
    }
    if (!m_bRecorded) {
        if (point == drag.ptStart)
            return;
        // A code resized is drawn anew with another module size: its undo
        // step keeps the whole object, drawing and module size with it.
        const bool code = CCodePicture::DefinitionOf(*selection).has_value();
        m_view.Document().RecordUndo(code ? UndoKind::changed : UndoKind::bounds, selection, true);
        m_bRecorded = true;
    }
    drag.ptCur = point;
    drag.nKeys = mouse.KeyFlags();
    selection->TrackTo(drag);
    m_view.Repaint();
}

void CSelectTool::LeftUp(const ViewMouse&)
{
    m_view.SetCapture(false);
    DragState& drag = m_view.Drag();
    CSymbolObj* selection = m_view.Selection();
    if (Dragging() && selection) {
        const CSize size = selection->GetSize();
        // A pure move keeps the object's image as it is; a new size has the
        // object render itself again, which can take a moment. Both sizes
        // are in layout units here; the object wants its new one in output
        // pixels.
        if (size != drag.sizeOrg) {
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
            drag.sizeOrg = m_view.Document().DocToDeviceSize(size);
            selection->EndTrack(drag);
            QGuiApplication::restoreOverrideCursor();
        }
        m_view.Repaint();
    }
    drag.bActive = 0;
}

void CSelectTool::RightDown(const ViewMouse& mouse)
{
    if (Dragging())
        return;
    // The menu acts on what is under the cursor: a selection the point lies
    // inside stays, anything else there is selected first.
    CVeldraDoc& doc = m_view.Document();
    const CPoint layout = m_view.ClientToLayout(mouse.client);
    const CSize tolerance = m_view.HitTolerance();
    CSymbolObj* selection = m_view.Selection();
    if (selection && selection->HitTest(layout, tolerance, false) != hitNothing)
        return;
    doc.Select(doc.ObjectAt(layout, tolerance, nullptr));
}

void CSelectTool::RightUp(const ViewMouse& mouse)
{
    m_view.ShowContextMenu(m_view.viewport()->mapToGlobal(mouse.client));
}

void CSelectTool::DoubleClick(const ViewMouse&)
{
    if (m_view.Selection())
        m_view.RunCommand(CommandId::Properties);
}

int CSelectTool::HoverHandle(const ViewMouse& mouse) const
{
    const CPoint layout = m_view.ClientToLayout(mouse.client);
    CSymbolObj* selection = m_view.Selection();
    if (!selection || m_view.Document().ObjectAt(layout, m_view.HitTolerance(), selection) != selection)
        return hitNothing;
    return HandleAt(layout);
}

QString CSelectTool::Hint(const ViewMouse& mouse)
{
    // A horizontal text's body turns it; only the centre handle moves it.
    if (HoverHandle(mouse) == hitBand)
        return QCoreApplication::translate("CSelectTool", "Drag to rotate; drag the centre handle to move");
    return {};
}

QCursor CSelectTool::Cursor(const ViewMouse& mouse)
{
    switch (HoverHandle(mouse)) {
    case 0:
    case 2:
        return Qt::SizeFDiagCursor;
    case 1:
    case 3:
        return Qt::SizeBDiagCursor;
    case 4:
    case 6:
        return Qt::SizeVerCursor;
    case 5:
    case 7:
        return Qt::SizeHorCursor;
    case hitBody:
    case hitMoveHandle:
        return Qt::SizeAllCursor;
    case hitBand:
        return CArtwork::Cursor(CursorKind::Rotate);
    default:
        return Qt::ArrowCursor;
    }
}
