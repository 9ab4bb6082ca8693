#include "CFanTextDlg.h"

#include "CFanTextRules.h"
#include "DialogControlIds.h"
#include "DialogSupport.h"

#include "objects/CArcTextObj.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace ids = DialogControlIds;

CFanTextDlg::CFanTextDlg(CArcTextObj& copy, int unit, QWidget* parent)
    : CTextPropDlg(std::make_unique<CFanTextRules>(copy, unit), unit, parent)
{
    setWindowTitle(tr("Fan Text"));
    QWidget* sizeBox = SizeGrid()->parentWidget();
    m_pSpan = DialogSupport::NewEdit(sizeBox, ids::width);
    m_pRadius = DialogSupport::NewEdit(sizeBox, ids::radius);
    DialogSupport::AddLengthRow(SizeGrid(), 1, tr("&Span"), m_pSpan, 0, UnitFormat());
    SizeGrid()->addWidget(new QLabel(tr("degrees"), sizeBox), 1, 2);
    DialogSupport::AddLengthRow(SizeGrid(), 2, tr("Radi&us"), m_pRadius, 1169, UnitFormat());
    QWidget* rotationBox = RotationGrid()->parentWidget();
    m_pInvert = DialogSupport::NewCheck(rotationBox, ids::invertText, tr("Invert Te&xt"));
    RotationGrid()->addWidget(m_pInvert, 2, 0, 1, 3);
    Initialise();
    connect(m_pInvert, &QCheckBox::toggled, this, &CFanTextDlg::OnSwitch);
}

void CFanTextDlg::ReadExtraFields(CTextPropRules::Fields& fields) const
{
    fields.span = m_pSpan->text();
    fields.radius = m_pRadius->text();
    fields.invertText = m_pInvert->isChecked();
}

void CFanTextDlg::ShowExtraFields(const CTextPropRules::Fields& fields)
{
    DialogSupport::SetText(m_pSpan, fields.span);
    DialogSupport::SetText(m_pRadius, fields.radius);
    const QSignalBlocker quiet(m_pInvert);
    m_pInvert->setChecked(fields.invertText);
}
