#include "CObjectEditor.h"

#include "CFanTextDlg.h"
#include "CPropertiesDlg.h"
#include "CTextBlockDlg.h"
#include "CTextDlg.h"

#include "settings/CAppSettings.h"
#include "objects/CArcTextObj.h"
#include "objects/CCodePicture.h"
#include "objects/CDibObj.h"
#include "objects/CTextObj.h"
#include "view/controls/CUnitFormat.h"

#include <memory>

CObjectEditor::CObjectEditor(CAppSettings& settings, QWidget* parent)
    : m_settings(settings)
    , m_pParent(parent)
{
}

int CObjectEditor::Unit() const
{
    return m_settings.inch ? CUnitFormat::inches : CUnitFormat::millimetres;
}

CTextAttributes CObjectEditor::NewTextAttributes() const
{
    return m_settings.TextAttributes();
}

bool CObjectEditor::Edit(CSymbolObj& object)
{
    if (object.HasFlag(SOF_LOCKED))
        return false;
    if (auto* fan = dynamic_cast<CArcTextObj*>(&object))
        return EditTextCopy<CFanTextDlg>(*fan);
    if (auto* text = dynamic_cast<CFreeTextObj*>(&object))
        return EditTextCopy<CTextDlg>(*text);
    if (auto* block = dynamic_cast<CTextObj*>(&object))
        return EditTextCopy<CTextBlockDlg>(*block);
    if (m_codeEditor && CCodePicture::DefinitionOf(object))
        return m_codeEditor(static_cast<CDibObj&>(object));
    return EditPicture(object);
}

template <class Dialog, class Object>
bool CObjectEditor::EditTextCopy(Object& object)
{
    const std::unique_ptr<CSymbolObj> copy = object.Clone();
    if (!copy)
        return false;
    Dialog dialog(static_cast<Object&>(*copy), Unit(), m_pParent);
    dialog.MoveTo(m_settings.textPropDlgPos.x, m_settings.textPropDlgPos.y);
    const bool confirmed = dialog.exec() == QDialog::Accepted;
    m_settings.textPropDlgPos = dialog.GetTopLeft();
    if (!confirmed)
        return false;
    object.CopyFrom(*copy);
    const CPoint centre = object.GetPosition();
    const CSize size = object.GetSize();
    object.SetBounds(centre.x, centre.y, size.cx, size.cy);
    return true;
}

bool CObjectEditor::EditPicture(CSymbolObj& object)
{
    // This dialog keeps its values in its fields until OK.
    CPropertiesDlg dialog(object, Unit(), m_pParent);
    dialog.MoveTo(m_settings.symbolPropDlgPos.x, m_settings.symbolPropDlgPos.y);
    const bool confirmed = dialog.exec() == QDialog::Accepted;
    m_settings.symbolPropDlgPos = dialog.GetTopLeft();
    return confirmed;
}
