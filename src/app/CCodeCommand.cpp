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
    return [](const CCodeDefinition& definition, QString* error) {
        return CCodeFields::LayoutMatrix(definition, QDate::currentDate(), error);
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
    m_last = dialog.Definition();
    return CCodeCommands::AddCode(m_doc, dialog.Definition(), dialog.Matrix(), {0, 0}) != nullptr;
}

bool CCodeCommand::Edit(CDibObj& code)
{
    const std::optional<CCodeDefinition> definition = CCodePicture::DefinitionOf(code);
    if (!definition)
        return false;
    CCodeDlg dialog(*definition, m_doc.GetResolution(), Unit(), Encoder(), m_pWindow);
    if (dialog.exec() != QDialog::Accepted || dialog.Definition() == *definition)
        return false;
    m_last = dialog.Definition();
    return CCodePicture::Apply(code, dialog.Definition(), dialog.Matrix(), CCodePicture::ModuleDots(dialog.Definition(), m_doc),
                               m_doc);
}
