#include "CFillPaintTool.h"

#include "view/CVeldraView.h"
#include "view/artwork/CArtwork.h"

#include "document/CPenCommands.h"

void CFillPaintTool::Fill(const ViewMouse& mouse, bool rightButton)
{
    if (CPenCommands::FillAt(m_view.Document(), mouse.device, rightButton))
        m_view.Repaint();
}

QCursor CFillPaintTool::Cursor(const ViewMouse&)
{
    return CArtwork::Cursor(CursorKind::FillPaint);
}
