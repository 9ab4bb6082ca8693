#include "CScrollTool.h"

#include "view/CVeldraView.h"
#include "view/artwork/CArtwork.h"

void CScrollTool::LeftDown(const ViewMouse& mouse)
{
    m_view.BeginHandScroll(mouse.client);
}

QCursor CScrollTool::Cursor(const ViewMouse&)
{
    return CArtwork::Cursor(CursorKind::Scroll);
}
