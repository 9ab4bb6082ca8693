#include "CViewCommands.h"

#include "CVeldraView.h"

#include "document/CPenCommands.h"

bool CViewCommands::OnCommand(CommandId id)
{
    if (const int tool = ToolOfCommand(id); tool >= 0) {
        m_view.SetTool(tool);
        return true;
    }
    if (id == CommandId::ShowGrid) {
        m_view.Grid().shown = !m_view.Grid().shown;
        m_view.Repaint();
        return true;
    }
    return OnZoomCommand(id);
}

bool CViewCommands::OnZoomCommand(CommandId id)
{
    const QPoint centre = m_view.viewport()->rect().center();
    switch (id) {
    case CommandId::ZoomIn: m_view.ZoomInAt(centre); return true;
    case CommandId::ZoomOut: m_view.ZoomOutAt(centre); return true;
    case CommandId::FitToScreen: m_view.FitToScreen(); return true;
    case CommandId::Zoom50:
    case CommandId::Zoom100:
    case CommandId::Zoom200:
    case CommandId::Zoom400:
        m_view.SetPresetZoom(id);
        return true;
    default:
        return false;
    }
}

bool CViewCommands::OnUpdateCommand(CommandId id, CCommandState& state)
{
    if (OnUpdateToolCommand(id, state))
        return true;
    if (id == CommandId::ShowGrid) {
        state.SetCheck(m_view.Grid().shown);
        return true;
    }
    return OnUpdateZoomCommand(id, state);
}

bool CViewCommands::OnUpdateZoomCommand(CommandId id, CCommandState& state)
{
    const int zoom = m_view.Zoom();
    switch (id) {
    case CommandId::ZoomIn: state.enabled = zoom < CViewGeometry::maxZoom; return true;
    case CommandId::ZoomOut: state.enabled = zoom > CViewGeometry::minZoom; return true;
    case CommandId::FitToScreen: return true;
    case CommandId::Zoom50: state.SetCheck(zoom == 50); return true;
    case CommandId::Zoom100: state.SetCheck(zoom == 100); return true;
    case CommandId::Zoom200: state.SetCheck(zoom == 200); return true;
    case CommandId::Zoom400: state.SetCheck(zoom == 400); return true;
    default: return false;
    }
}

void CViewCommands::EnsureFillPaintAvailable()
{
    if (m_view.CurrentTool() == CVeldraView::toolFillPaint && !CPenCommands::GetPenLayer(m_view.Document(), false))
        m_view.SetTool(CVeldraView::toolPen);
}

bool CViewCommands::OnUpdateToolCommand(CommandId id, CCommandState& state)
{
    const int current = m_view.CurrentTool();
    if (id == CommandId::TextToolDropDown) {
        state.SetCheck(current == CVeldraView::toolHorizontalText || current == CVeldraView::toolFanText);
        state.enabled = m_view.CanPlaceText(CVeldraView::toolHorizontalText);
        return true;
    }
    const int tool = ToolOfCommand(id);
    if (tool < 0)
        return false;
    if (tool == CVeldraView::toolFillPaint) {
        EnsureFillPaintAvailable();
        state.enabled = CPenCommands::GetPenLayer(m_view.Document(), false) != nullptr;
        state.SetCheck(state.enabled && m_view.CurrentTool() == CVeldraView::toolFillPaint);
        return true;
    }
    if (tool == CVeldraView::toolTextBlock || tool == CVeldraView::toolHorizontalText || tool == CVeldraView::toolFanText)
        state.enabled = m_view.CanPlaceText(tool);
    state.SetCheck(current == tool);
    return true;
}
