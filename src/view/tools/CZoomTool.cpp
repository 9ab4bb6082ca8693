#include "CZoomTool.h"

#include "view/CVeldraView.h"
#include "view/artwork/CArtwork.h"

void CZoomTool::LeftUp(const ViewMouse& mouse)
{
    m_view.ZoomInAt(mouse.client);
}

void CZoomTool::RightUp(const ViewMouse& mouse)
{
    m_view.ZoomOutAt(mouse.client);
}

QCursor CZoomTool::Cursor(const ViewMouse&)
{
    return CArtwork::Cursor(CursorKind::Zoom);
}
