#include "CTrimCommand.h"

#include "settings/CAppSettings.h"

#include "document/CPictureCommands.h"
#include "document/CVeldraDoc.h"
#include "imaging/CDibImage.h"
#include "objects/CDibObj.h"
#include "view/CVeldraView.h"
#include "view/controls/CUnitFormat.h"
#include "view/trimming/CTrimmingDlg.h"

#include <QFileInfo>
#include <QGuiApplication>

CTrimCommand::CTrimCommand(CAppSettings& settings, CVeldraDoc& doc, CVeldraView& view, QWidget* window)
    : m_settings(settings), m_doc(doc), m_view(view), m_pWindow(window)
{
}

bool CTrimCommand::OnCommand(CommandId id)
{
    if (id != CommandId::Trimming)
        return false;
    Trim();
    return true;
}

bool CTrimCommand::OnUpdateCommand(CommandId id, CCommandState& state)
{
    if (id != CommandId::Trimming)
        return false;
    state.enabled = TrimmablePicture() != nullptr;
    return true;
}

CDibObj* CTrimCommand::TrimmablePicture() const
{
    auto* picture = dynamic_cast<CDibObj*>(m_view.Selection());
    return picture && !picture->GetSourcePath().isEmpty() ? picture : nullptr;
}

bool CTrimCommand::Trim()
{
    CDibObj* picture = TrimmablePicture();
    CDibImage full;
    if (!picture || !full.LoadBitmapFile(picture->GetSourcePath()) || (full.BitCount() != 24 && !full.ConvertDepth(24)))
        return false;
    const CSize material = m_doc.GetMaterialSize(), margin = m_doc.GetMargins();
    const CSize printable{material.cx - 2 * margin.cx, material.cy - 2 * margin.cy};
    CRect stored;
    const int mode = picture->GetTrim(&stored);
    CTrimmingDlg dialog(m_settings.inch ? CUnitFormat::inches : CUnitFormat::millimetres, full, m_doc.GetResolution(),
                        printable, mode, stored, m_pWindow);
    if (!dialog.IsUsable())
        return false;
    dialog.MoveTo(m_settings.trimmingDlgPos.x, m_settings.trimmingDlgPos.y);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    m_settings.trimmingDlgPos = dialog.GetTopLeft();
    if (!accepted)
        return false;
    const CTrimmingRules& rules = dialog.Rules();
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const bool trimmed = CPictureCommands::Trim(
        m_doc, *picture, full, {rules.Mode(), rules.Tracker(), rules.PictureRect(), rules.Size()});
    QGuiApplication::restoreOverrideCursor();
    if (trimmed)
        m_view.SetSelection(picture);
    return trimmed;
}
