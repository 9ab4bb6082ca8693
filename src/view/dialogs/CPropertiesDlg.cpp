#include "CPropertiesDlg.h"

#include "DialogControlIds.h"
#include "DialogSupport.h"
#include "ObjectPreview.h"

#include "objects/CSymbolObj.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace ids = DialogControlIds;

CPropertiesDlg::CPropertiesDlg(CSymbolObj& object, int unit, QWidget* parent)
    : CBaseDlg(unit, parent)
    , m_object(object)
    , m_rules(unit)
{
    setWindowTitle(tr("Properties"));
    auto* fields = new QVBoxLayout;
    fields->addWidget(BuildPosition());
    fields->addWidget(BuildSize());
    BuildPreview();
    auto* top = new QHBoxLayout;
    top->addLayout(fields);
    top->addWidget(m_pPreview, 0, Qt::AlignTop);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CPropertiesDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CPropertiesDlg::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);

    m_rules.Load(object);
    ShowFields();
    connect(m_pWidth, &QLineEdit::editingFinished, this, &CPropertiesDlg::OnWidthFinished);
    connect(m_pHeight, &QLineEdit::editingFinished, this, &CPropertiesDlg::OnHeightFinished);
    connect(m_pKeepAspect, &QCheckBox::toggled, this, &CPropertiesDlg::OnKeepAspect);
}

CPropertiesDlg::~CPropertiesDlg()
{
    // The edits lose the focus as they are destroyed, after this object is gone.
    for (QLineEdit* edit : findChildren<QLineEdit*>())
        edit->disconnect(this);
}

QGroupBox* CPropertiesDlg::BuildPosition()
{
    return DialogSupport::NewPositionGroup(this, UnitFormat().IsInch() ? tr("Position (inch)") : tr("Position (mm)"),
                                           UnitFormat(), m_pX, m_pY);
}

QGroupBox* CPropertiesDlg::BuildSize()
{
    auto* group = new QGroupBox(UnitFormat().IsInch() ? tr("Size (inch)") : tr("Size (mm)"), this);
    group->setObjectName(DialogSupport::ControlName(ids::sizeGroup));
    m_pKeepAspect = DialogSupport::NewCheck(group, ids::keepAspect, tr("Keep &Aspect"));
    m_pWidth = DialogSupport::NewEdit(group, ids::width);
    m_pHeight = DialogSupport::NewEdit(group, ids::height);
    auto* grid = new QGridLayout(group);
    grid->addWidget(m_pKeepAspect, 0, 0, 1, 3);
    DialogSupport::AddLengthRow(grid, 1, tr("&Width"), m_pWidth, 1169, UnitFormat());
    DialogSupport::AddLengthRow(grid, 2, tr("H&eight"), m_pHeight, 1170, UnitFormat());
    return group;
}

void CPropertiesDlg::BuildPreview()
{
    m_pPreview = new QLabel(this);
    m_pPreview->setObjectName(DialogSupport::ControlName(ids::preview));
    m_pPreview->setFixedSize(previewSide, previewSide);
    m_pPreview->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    const QColor face = palette().color(QPalette::Button);
    const int inner = previewSide - 2 * m_pPreview->frameWidth();
    m_preview = ObjectPreview::Render(m_object, {inner, inner}, RGB(face.red(), face.green(), face.blue()));
    m_pPreview->setPixmap(QPixmap::fromImage(m_preview));
}

void CPropertiesDlg::ShowFields()
{
    const CPropertiesRules::Fields& shown = m_rules.Shown();
    m_pX->setText(shown.x);
    m_pY->setText(shown.y);
    m_pWidth->setText(shown.width);
    m_pHeight->setText(shown.height);
    const QSignalBlocker quiet(m_pKeepAspect);
    m_pKeepAspect->setChecked(shown.keepAspect);
}

CPropertiesRules::Fields CPropertiesDlg::Fields() const
{
    return {m_pX->text(), m_pY->text(), m_pWidth->text(), m_pHeight->text(), m_pKeepAspect->isChecked()};
}

void CPropertiesDlg::OnWidthFinished()
{
    if (!m_pKeepAspect->isChecked())
        return;
    if (const std::optional<QString> height = m_rules.HeightForWidth(m_pWidth->text()))
        m_pHeight->setText(*height);
}

void CPropertiesDlg::OnHeightFinished()
{
    if (!m_pKeepAspect->isChecked())
        return;
    if (const std::optional<QString> width = m_rules.WidthForHeight(m_pHeight->text()))
        m_pWidth->setText(*width);
}

void CPropertiesDlg::OnKeepAspect(bool on)
{
    if (on)
        OnWidthFinished();
}

void CPropertiesDlg::accept()
{
    if (const std::optional<CFieldRefusal> refused = m_rules.Apply(Fields(), m_object)) {
        Refuse(*refused);
        return;
    }
    CBaseDlg::accept();
}
