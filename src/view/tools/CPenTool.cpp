#include "CPenTool.h"

#include "view/CVeldraView.h"
#include "view/artwork/CArtwork.h"

#include "document/CPenCommands.h"
#include "document/CVeldraDoc.h"
#include "imaging/QtColor.h"
#include "platform/MulDiv.h"

int CPenTool::WindowWidth() const
{
    return MulDiv(CPenCommands::PenWidthPixels(m_view.Document()), m_view.Zoom(), 100);
}

QColor CPenTool::InkColour(bool erase) const
{
    const CDocumentSettings& settings = m_view.Document().Settings();
    COLORREF colour = erase ? settings.baseColor : settings.penColor;
    // On an inverted plate the ink shows inverted, as it will come out.
    if (m_view.Document().IsInverted())
        colour = ~colour & 0xFFFFFF;
    return ToQColor(colour);
}

void CPenTool::Begin(const ViewMouse& mouse, bool erase)
{
    if (m_view.HasCapture())
        return;
    m_view.AddStrokeDisc(mouse.client, WindowWidth(), InkColour(erase));
    if (!CPenCommands::BeginStroke(m_view.Document(), mouse.device, erase)) {
        m_view.ClearStrokeFeedback();
        return;
    }
    m_view.SetCapture(true);
    m_bStroking = true;
}

void CPenTool::Move(const ViewMouse& mouse)
{
    if (!m_bStroking)
        return;
    if (!m_view.HasCapture() || !(mouse.buttons & (Qt::LeftButton | Qt::RightButton))) {
        // The button went up where we could not see it: finish cleanly.
        End(mouse);
        return;
    }
    const CPoint previous = CPenCommands::ContinueStroke(m_view.Document(), mouse.device);
    if (previous == mouse.device)
        return;
    const bool erase = !(mouse.buttons & Qt::LeftButton);
    m_view.AddStrokeLine(m_view.DeviceToClient(previous), mouse.client, WindowWidth(), InkColour(erase));
}

void CPenTool::End(const ViewMouse& mouse)
{
    if (!m_bStroking)
        return;
    m_bStroking = false;
    m_view.SetCapture(false);
    CPenCommands::EndStroke(m_view.Document(), mouse.device);
    m_view.ClearStrokeFeedback();
    m_view.Repaint();
}

QCursor CPenTool::Cursor(const ViewMouse&)
{
    return CArtwork::Cursor(CursorKind::Pen);
}
