#include "CCodeCommand.h"

#include "batch/CCodeFields.h"
#include "document/CCodeCommands.h"
#include "document/CVeldraDoc.h"
#include "objects/CCodePicture.h"
#include "objects/CDibObj.h"
#include "settings/CAppSettings.h"
#include "view/codes/CCodeDlg.h"
#include "view/controls/CUnitFormat.h"

#include <QDate>

CCodeCommand::CCodeCommand(CAppSettings& settings, CVeldraDoc& doc, QWidget* window)
    : m_settings(settings)
    , m_doc(doc)
    , m_pWindow(window)
{
    m_last.data = QStringLiteral("{serial:0001}");
}

bool CCodeCommand::OnCommand(CommandId id)
{
    if (id != CommandId::InsertCode)
        return false;
    Insert();
    return true;
}

bool CCodeCommand::OnUpdateCommand(CommandId id, CCommandState& state)
{
    if (id != CommandId::InsertCode)
        return false;
    state.enabled = true;
    return true;
}

CCodeRules::Encoder CCodeCommand::Encoder() const
{
    return [](const CCodeSpec& spec, QString* error) {
        return CCodeFields::LayoutMatrix(spec, QDate::currentDate(), error);
    };
}

int CCodeCommand::Unit() const
{
    return m_settings.inch ? CUnitFormat::inches : CUnitFormat::millimetres;
}

bool CCodeCommand::Insert()
{
    CCodeDlg dialog(m_last, m_doc.GetResolution(), Unit(), Encoder(), m_pWindow);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    m_last = dialog.Spec();
    return CCodeCommands::AddCode(m_doc, dialog.Spec(), dialog.Matrix(), {0, 0}) != nullptr;
}

bool CCodeCommand::Edit(CDibObj& code)
{
    const std::optional<CCodeSpec> spec = CCodePicture::SpecOf(code);
    if (!spec)
        return false;
    CCodeDlg dialog(*spec, m_doc.GetResolution(), Unit(), Encoder(), m_pWindow);
    if (dialog.exec() != QDialog::Accepted || dialog.Spec() == *spec)
        return false;
    m_last = dialog.Spec();
    return CCodePicture::Apply(code, dialog.Spec(), dialog.Matrix(), CCodePicture::ModuleDots(dialog.Spec(), m_doc),
                               m_doc);
}
