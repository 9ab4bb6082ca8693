#include "CGridSetupDlg.h"

#include "view/controls/CColorButton.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CGridSetupDlg::CGridSetupDlg(int unit, const GridSettings& grid, QWidget* parent)
    : CBaseDlg(unit, parent)
    , m_rules(unit, grid)
    , m_pHorizontal(new QLineEdit(m_rules.HorizontalText(), this))
    , m_pVertical(new QLineEdit(m_rules.VerticalText(), this))
    , m_pShow(new QCheckBox(tr("Show &Grid"), this))
    , m_pGridColor(new CColorButton(this))
    , m_pCenter(new QCheckBox(tr("Set &Center line color"), this))
    , m_pCenterColor(new CColorButton(this))
{
    setWindowTitle(tr("Grid Setup"));
    m_pHorizontal->setObjectName(QStringLiteral("1083"));
    m_pVertical->setObjectName(QStringLiteral("1084"));
    m_pShow->setObjectName(QStringLiteral("1085"));
    m_pCenter->setObjectName(QStringLiteral("1086"));
    m_pGridColor->setObjectName(QStringLiteral("1087"));
    m_pCenterColor->setObjectName(QStringLiteral("1088"));
    BuildLayout();

    m_pShow->setChecked(m_rules.Shown());
    m_pGridColor->SetColor(m_rules.GridColor());
    m_pCenter->setChecked(m_rules.HasCenterColor());
    m_pCenterColor->SetColor(m_rules.CenterButtonColor());
    m_pCenterColor->setEnabled(m_rules.HasCenterColor());

    connect(m_pShow, &QCheckBox::toggled, this, [this](bool on) { m_rules.SetShown(on); });
    connect(m_pCenter, &QCheckBox::toggled, this, &CGridSetupDlg::OnCenterChecked);
    for (CColorButton* button : {m_pGridColor, m_pCenterColor})
        connect(button, &QAbstractButton::clicked, button, &CColorButton::Choose);
    connect(m_pGridColor, &CColorButton::colorChanged, this, [this](COLORREF c) { m_rules.SetGridColor(c); });
    connect(m_pCenterColor, &CColorButton::colorChanged, this, [this](COLORREF c) { m_rules.SetCenterButtonColor(c); });
}

void CGridSetupDlg::BuildLayout()
{
    auto* interval = new QGroupBox(m_rules.InchUnit() ? tr("Interval (inch)") : tr("Interval (mm)"), this);
    interval->setObjectName(QStringLiteral("1090"));
    auto* intervals = new QFormLayout(interval);
    intervals->addRow(tr("&Horizontal"), m_pHorizontal);
    intervals->addRow(tr("&Vertical"), m_pVertical);
    LimitLengthEdits({m_pHorizontal, m_pVertical});

    auto* colors = new QFormLayout;
    auto* gridColorLabel = new QLabel(tr("Grid c&olor"), this);
    gridColorLabel->setBuddy(m_pGridColor);
    colors->addRow(gridColorLabel, m_pGridColor);
    colors->addRow(m_pCenter, m_pCenterColor);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CGridSetupDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CGridSetupDlg::reject);

    auto* column = new QVBoxLayout(this);
    column->addWidget(interval);
    column->addWidget(m_pShow);
    column->addLayout(colors);
    column->addWidget(buttons);
}

void CGridSetupDlg::OnCenterChecked(bool checked)
{
    m_rules.SetHasCenterColor(checked);
    m_pCenterColor->setEnabled(checked);
}

void CGridSetupDlg::accept()
{
    if (const auto refusal = m_rules.Accept(m_pHorizontal->text(), m_pVertical->text())) {
        Refuse(refusal->field == CGridSetupRules::horizontalField ? m_pHorizontal : m_pVertical, refusal->message);
        return;
    }
    CBaseDlg::accept();
}
