#include "CViewEditCommands.h"

#include "CVeldraView.h"

#include "document/CObjectClipboard.h"
#include "document/CPictureCommands.h"
#include "document/CTextCommands.h"
#include "document/CVeldraDoc.h"
#include "objects/CDibObj.h"
#include "objects/CSymbolObj.h"
#include "rotate/CRotateImageDlg.h"
#include "objects/ObjectFlags.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

bool CViewEditCommands::OnCommand(CommandId id)
{
    switch (id) {
    case CommandId::EditCopy: Copy(); return true;
    case CommandId::EditCut: Cut(); return true;
    case CommandId::EditPaste: Paste(); return true;
    case CommandId::EditClear: Delete(); return true;
    case CommandId::MoveCenter: MoveCenter(); return true;
    case CommandId::Properties: EditProperties(); return true;
    case CommandId::RotateImage: RotateImage(); return true;
    case CommandId::CropImage: CropImage(); return true;
    default: return false;
    }
}

bool CViewEditCommands::OnUpdateCommand(CommandId id, CCommandState& state)
{
    const bool selected = m_view.Selection() != nullptr;
    switch (id) {
    case CommandId::EditCopy:
    case CommandId::EditCut:
    case CommandId::EditClear:
    case CommandId::MoveCenter:
        state.enabled = selected;
        return true;
    case CommandId::EditPaste:
        state.enabled = CObjectClipboard::CanPaste(QGuiApplication::clipboard()->mimeData());
        return true;
    case CommandId::Properties:
        state.enabled = selected && m_view.ObjectEditor() && !m_view.Selection()->HasFlag(SOF_LOCKED);
        return true;
    case CommandId::RotateImage:
        state.enabled = SelectedPicture() != nullptr;
        return true;
    case CommandId::CropImage:
        state.enabled = SelectedPicture() != nullptr && m_view.PictureCropper();
        return true;
    default:
        return false;
    }
}

void CViewEditCommands::Copy()
{
    CSymbolObj* selection = m_view.Selection();
    if (!selection)
        return;
    auto data = CObjectClipboard::MakeObjectData(m_view.Document(), *selection);
    QGuiApplication::clipboard()->setMimeData(data.release());
}

void CViewEditCommands::Cut()
{
    if (!m_view.Selection())
        return;
    Copy();
    Delete();
}

bool CViewEditCommands::Paste()
{
    return CObjectClipboard::Paste(m_view.Document(), QGuiApplication::clipboard()->mimeData());
}

void CViewEditCommands::Delete()
{
    CSymbolObj* selection = m_view.Selection();
    if (!selection)
        return;
    m_view.SetSelection(nullptr);
    m_view.Document().Delete(selection);
    m_view.Repaint();
}

void CViewEditCommands::MoveCenter()
{
    CSymbolObj* selection = m_view.Selection();
    if (!selection)
        return;
    m_view.Document().MoveCenter(selection, true);
    m_view.SetSelection(selection);
}

void CViewEditCommands::EditProperties()
{
    CSymbolObj* selection = m_view.Selection();
    if (!selection || !m_view.ObjectEditor())
        return;
    CTextCommands::EditObjectProperties(m_view.Document(), *selection, *m_view.ObjectEditor());
    m_view.SetSelection(selection);
}

// A picture, frame or symbol; the material outline and the pen's layer
// are pictures inside too, but not ones to cut or turn.
CDibObj* CViewEditCommands::SelectedPicture() const
{
    CSymbolObj* selection = m_view.Selection();
    return selection && CPictureCommands::IsTurnablePicture(*selection) ? static_cast<CDibObj*>(selection) : nullptr;
}

void CViewEditCommands::RotateImage()
{
    CDibObj* picture = SelectedPicture();
    if (!picture)
        return;
    CRotateImageDlg dialog(&m_view);
    if (dialog.exec() != QDialog::Accepted || dialog.AngleIndex() == 0)
        return;
    if (CPictureCommands::RotatePicture(m_view.Document(), *picture, dialog.AngleIndex()))
        m_view.SetSelection(picture);
}

void CViewEditCommands::CropImage()
{
    CSymbolObj* selection = m_view.Selection();
    if (!selection || !m_view.PictureCropper())
        return;
    CPictureCommands::Crop(m_view.Document(), *selection, m_view.PictureCropper());
}
