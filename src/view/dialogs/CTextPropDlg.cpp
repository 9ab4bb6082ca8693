#include "CTextPropDlg.h"

#include "DialogControlIds.h"
#include "DialogSupport.h"
#include "TextIcons.h"

#include "view/controls/CGreyColorButton.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ids = DialogControlIds;

namespace {

constexpr int maxTextChars = 256;

} // namespace

CTextPropDlg::CTextPropDlg(std::unique_ptr<CTextPropRules> rules, int unit, QWidget* parent)
    : CBaseDlg(unit, parent)
    , m_pRules(std::move(rules))
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildTextRow());
    auto* middle = new QHBoxLayout;
    const QString positionTitle = tr("Position");
    middle->addWidget(DialogSupport::NewPositionGroup(this, positionTitle, UnitFormat(), m_pX, m_pY));
    middle->addWidget(BuildSizeGroup());
    layout->addLayout(middle);
    layout->addWidget(BuildRotationGroup());
    layout->addWidget(BuildBackgroundRow());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CTextPropDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CTextPropDlg::reject);
    layout->addWidget(buttons);
}

CTextPropDlg::~CTextPropDlg() = default;

QWidget* CTextPropDlg::BuildTextRow()
{
    auto* box = new QWidget(this);
    m_pText = DialogSupport::NewEdit(box, ids::text, maxTextChars);
    const DialogSupport::FontControls font = DialogSupport::AddTextAndFontRows(box, m_pText);
    m_pFontName = font.name;
    m_pChangeFont = font.change;
    m_pFontColor = font.color;
    return box;
}

QWidget* CTextPropDlg::BuildSizeGroup()
{
    auto* group = new QGroupBox(tr("Size"), this);
    m_pHeight = DialogSupport::NewEdit(group, ids::height);
    m_pSizeGrid = new QGridLayout(group);
    DialogSupport::AddLengthRow(m_pSizeGrid, 0, tr("He&ight"), m_pHeight, 1170, UnitFormat());
    return group;
}

QWidget* CTextPropDlg::BuildRotationGroup()
{
    auto* group = new QGroupBox(tr("Rotation"), this);
    m_pAngle = DialogSupport::NewEdit(group, ids::angle);
    m_pRotate = DialogSupport::NewCheck(group, ids::rotateText, tr("&Rotate Text"));
    m_pIcon = new QLabel(group);
    m_pIcon->setObjectName(DialogSupport::ControlName(ids::rotationIcon));
    m_pIcon->setFixedSize(TextIcons::side, TextIcons::side);
    m_pRotationGrid = new QGridLayout(group);
    m_pRotationGrid->addWidget(DialogSupport::NewLabel(group, tr("Rotation &Angle"), m_pAngle), 0, 0);
    m_pRotationGrid->addWidget(m_pAngle, 0, 1);
    m_pRotationGrid->addWidget(new QLabel(tr("degrees"), group), 0, 2);
    m_pRotationGrid->addWidget(m_pIcon, 0, 3, 2, 1);
    m_pRotationGrid->addWidget(m_pRotate, 1, 0, 1, 3);
    return group;
}

QWidget* CTextPropDlg::BuildBackgroundRow()
{
    auto* box = new QWidget(this);
    m_pFill = DialogSupport::NewCheck(box, ids::fillBackground, tr("&Fill Background"));
    m_pBackColor = DialogSupport::NewGreyButton(box, ids::backColor);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_pFill);
    row->addStretch();
    row->addWidget(DialogSupport::NewLabel(box, tr("&Back Color"), m_pBackColor));
    row->addWidget(m_pBackColor);
    return box;
}

void CTextPropDlg::Initialise()
{
    m_pRules->Open();
    m_pFontColor->SetColor(m_pRules->FontColor());
    m_pBackColor->SetColor(m_pRules->BackColor());
    ShowFields();
    connect(m_pText, &QLineEdit::textEdited, this, &CTextPropDlg::OnTextEdited);
    connect(m_pChangeFont, &QPushButton::clicked, this, &CTextPropDlg::OnChangeFont);
    connect(m_pFontColor, &QAbstractButton::clicked, this, &CTextPropDlg::OnFontColor);
    connect(m_pBackColor, &QAbstractButton::clicked, this, &CTextPropDlg::OnBackColor);
    connect(m_pFill, &QCheckBox::toggled, this, &CTextPropDlg::OnSwitch);
    connect(m_pRotate, &QCheckBox::toggled, this, &CTextPropDlg::OnSwitch);
}

CTextPropRules::Fields CTextPropDlg::Fields() const
{
    CTextPropRules::Fields fields;
    fields.text = m_pText->text();
    fields.fillBackground = m_pFill->isChecked();
    fields.rotateText = m_pRotate->isChecked();
    fields.x = m_pX->text();
    fields.y = m_pY->text();
    fields.height = m_pHeight->text();
    fields.angle = m_pAngle->text();
    ReadExtraFields(fields);
    return fields;
}

void CTextPropDlg::ShowFields()
{
    const CTextPropRules::Fields fields = m_pRules->Show();
    DialogSupport::SetText(m_pText, fields.text);
    m_pFontName->setText(m_pRules->FontName());
    DialogSupport::SetText(m_pX, fields.x);
    DialogSupport::SetText(m_pY, fields.y);
    DialogSupport::SetText(m_pHeight, fields.height);
    DialogSupport::SetText(m_pAngle, fields.angle);
    {
        const QSignalBlocker quietFill(m_pFill), quietRotate(m_pRotate);
        m_pFill->setChecked(fields.fillBackground);
        m_pRotate->setChecked(fields.rotateText);
    }
    ShowExtraFields(fields);
    RefreshStates();
}

void CTextPropDlg::RefreshStates()
{
    m_pBackColor->setEnabled(m_pRules->BackColorEnabled());
    m_pIcon->setPixmap(TextIcons::Rotation(m_pRules->IconIndex(), IsFan()));
}

void CTextPropDlg::OnSwitch()
{
    // A half-typed number elsewhere is left for OK to complain about.
    (void)m_pRules->Take(Fields());
    RefreshStates();
}

void CTextPropDlg::OnTextEdited(const QString& text)
{
    const bool numbersTaken = !m_pRules->Take(Fields());
    m_pRules->SetText(text);
    if (numbersTaken)
        ShowFields();
}

void CTextPropDlg::OnChangeFont()
{
    if (const std::optional<CFieldRefusal> refused = m_pRules->Take(Fields())) {
        Refuse(*refused);
        return;
    }
    if (const std::optional<LOGFONT> font = DialogSupport::ChooseFont(this, m_pRules->Font())) {
        m_pRules->SetFont(*font);
        ShowFields();
    }
}

void CTextPropDlg::OnFontColor()
{
    if (m_pFontColor->Choose())
        m_pRules->SetFontColor(m_pFontColor->Color());
}

void CTextPropDlg::OnBackColor()
{
    if (m_pBackColor->Choose())
        m_pRules->SetBackColor(m_pBackColor->Color());
}

void CTextPropDlg::accept()
{
    if (const std::optional<CFieldRefusal> refused = m_pRules->Take(Fields())) {
        Refuse(*refused);
        return;
    }
    CBaseDlg::accept();
}
