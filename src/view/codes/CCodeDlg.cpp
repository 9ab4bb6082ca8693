#include "CCodeDlg.h"

#include "codes/CCodeDrawing.h"
#include "imaging/CDibImage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The preview's side: a code larger than this is shown smaller, never
// smoothed, so its modules stay sharp.
constexpr int previewSide = 240;

} // namespace

CCodeDlg::CCodeDlg(const CCodeDefinition& definition, int dpi, int unit, CCodeRules::Encoder encoder, QWidget* parent)
    : CBaseDlg(unit, parent)
    , m_rules(definition, dpi, unit, std::move(encoder))
    , m_pKind(new QComboBox(this))
    , m_pData(new QLineEdit(this))
    , m_pModule(new QLineEdit(this))
    , m_pEcc(new QComboBox(this))
    , m_pQuiet(new QCheckBox(tr("&Quiet zone"), this))
    , m_pText(new QCheckBox(tr("&Text under the bars"), this))
    , m_pColour(new QComboBox(this))
    , m_pPreview(new QLabel(this))
    , m_pSize(new QLabel(this))
{
    setWindowTitle(tr("Code"));
    for (CCodeDefinition::Kind kind : CCodeDefinition::Kinds())
        m_pKind->addItem(CCodeDefinition::Title(kind), int(kind));
    m_pEcc->addItems({tr("L (7 %)"), tr("M (15 %)"), tr("Q (25 %)"), tr("H (30 %)")});
    m_pColour->addItems({tr("White modules on black"), tr("Black modules on white")});
    m_pKind->setObjectName(QStringLiteral("codeKind"));
    m_pData->setObjectName(QStringLiteral("codeData"));
    m_pModule->setObjectName(QStringLiteral("codeModule"));
    m_pEcc->setObjectName(QStringLiteral("codeEcc"));
    m_pQuiet->setObjectName(QStringLiteral("codeQuiet"));
    m_pText->setObjectName(QStringLiteral("codeText"));
    m_pColour->setObjectName(QStringLiteral("codeColour"));
    m_pPreview->setObjectName(QStringLiteral("codePreview"));
    m_pSize->setObjectName(QStringLiteral("codeSize"));
    m_pPreview->setAlignment(Qt::AlignCenter);
    m_pPreview->setMinimumSize(previewSide, previewSide);
    m_pSize->setWordWrap(true);
    BuildLayout();
    ShowDefinition();
    Connect();
    Update();
}

void CCodeDlg::BuildLayout()
{
    auto* form = new QFormLayout;
    form->addRow(tr("&Kind"), m_pKind);
    form->addRow(tr("&Data"), m_pData);
    form->addRow(tr("&Module (%1)").arg(m_rules.UnitName()), m_pModule);
    form->addRow(tr("&Error correction"), m_pEcc);
    form->addRow(m_pQuiet);
    form->addRow(m_pText);
    form->addRow(tr("&Colour"), m_pColour);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CCodeDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CCodeDlg::reject);

    auto* columns = new QHBoxLayout;
    columns->addLayout(form, 1);
    columns->addWidget(m_pPreview);
    auto* rows = new QVBoxLayout(this);
    rows->addLayout(columns);
    rows->addWidget(m_pSize);
    rows->addWidget(buttons);
}

void CCodeDlg::ShowDefinition()
{
    const CCodeDefinition& definition = m_rules.Definition();
    m_pKind->setCurrentIndex(int(CCodeDefinition::Kinds().indexOf(definition.kind)));
    m_pData->setText(definition.data);
    m_pModule->setText(m_rules.ModuleText());
    m_pEcc->setCurrentIndex(int(QStringLiteral("LMQH").indexOf(definition.ecc)));
    m_pQuiet->setChecked(definition.quietZone);
    m_pText->setChecked(definition.humanText);
    m_pColour->setCurrentIndex(definition.modulesWhite ? 0 : 1);
}

void CCodeDlg::Connect()
{
    connect(m_pKind, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_rules.SetKind(CCodeDefinition::Kinds().value(index));
        Update();
    });
    connect(m_pData, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_rules.SetData(text);
        Update();
    });
    connect(m_pModule, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (m_rules.SetModuleText(text))
            Update();
    });
    connect(m_pEcc, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_rules.SetEcc(QStringLiteral("LMQH").at(std::clamp(index, 0, 3)));
        Update();
    });
    connect(m_pQuiet, &QCheckBox::toggled, this, [this](bool on) {
        m_rules.SetQuietZone(on);
        Update();
    });
    connect(m_pText, &QCheckBox::toggled, this, [this](bool on) {
        m_rules.SetHumanText(on);
        Update();
    });
    connect(m_pColour, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_rules.SetModulesWhite(index == 0);
        Update();
    });
}

void CCodeDlg::Update()
{
    m_pEcc->setEnabled(m_rules.EccEnabled());
    m_pText->setEnabled(m_rules.HumanTextEnabled());
    const CCodeRules::Outcome outcome = m_rules.Check();
    m_pSize->setText(outcome.text);
    CDibImage drawing;
    if (!outcome.matrix
        || !CCodeDrawing::Draw(*outcome.matrix, m_rules.Definition().modulesWhite,
                               CCodeDrawing::DotsFor(*outcome.matrix, outcome.moduleDots), drawing)) {
        m_pPreview->setPixmap({});
        return;
    }
    QImage picture = drawing.ToQImage();
    // Whole multiples up and plain sampling down: no module is smeared.
    const int longest = std::max(picture.width(), picture.height());
    if (longest < previewSide)
        picture = picture.scaled(picture.size() * (previewSide / longest), Qt::KeepAspectRatio, Qt::FastTransformation);
    else if (longest > previewSide)
        picture = picture.scaled(previewSide, previewSide, Qt::KeepAspectRatio, Qt::FastTransformation);
    m_pPreview->setPixmap(QPixmap::fromImage(picture));
}

void CCodeDlg::accept()
{
    if (!m_rules.SetModuleText(m_pModule->text())) {
        Refuse(m_pModule, tr("Type the module size as a number greater than 0."));
        return;
    }
    if (const QString problem = m_rules.ModuleProblem(); !problem.isEmpty()) {
        Refuse(m_pModule, problem);
        return;
    }
    const CCodeRules::Outcome outcome = m_rules.Check();
    if (!outcome.matrix) {
        Refuse(m_pData, outcome.text);
        return;
    }
    m_matrix = *outcome.matrix;
    CBaseDlg::accept();
}
