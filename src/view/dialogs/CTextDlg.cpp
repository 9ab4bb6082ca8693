#include "CTextDlg.h"

#include "CTextRules.h"
#include "DialogControlIds.h"
#include "DialogSupport.h"

#include <QGridLayout>
#include <QLineEdit>

CTextDlg::CTextDlg(CFreeTextObj& copy, int unit, QWidget* parent)
    : CTextPropDlg(std::make_unique<CTextRules>(copy, unit), unit, parent)
{
    setWindowTitle(tr("Text"));
    m_pWidth = DialogSupport::NewEdit(SizeGrid()->parentWidget(), DialogControlIds::width);
    DialogSupport::AddLengthRow(SizeGrid(), 1, tr("&Width"), m_pWidth, 1169, UnitFormat());
    Initialise();
}

void CTextDlg::ReadExtraFields(CTextPropRules::Fields& fields) const
{
    fields.width = m_pWidth->text();
}

void CTextDlg::ShowExtraFields(const CTextPropRules::Fields& fields)
{
    DialogSupport::SetText(m_pWidth, fields.width);
}
