#include "CTextPlacementTool.h"

#include "view/artwork/CArtwork.h"

void CTextPlacementTool::LeftDown(const ViewMouse& mouse)
{
    if (m_placer)
        m_placer(mouse.device);
}

QCursor CTextPlacementTool::Cursor(const ViewMouse&)
{
    return CArtwork::Cursor(CursorKind::Text);
}
