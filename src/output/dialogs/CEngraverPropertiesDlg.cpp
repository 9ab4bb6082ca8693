#include "CEngraverPropertiesDlg.h"

#include "CPrintSetupRules.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// What a window manager's title bar keeps for its icon and buttons.
constexpr int titleBarButtonsWidth = 140;

} // namespace

CEngraverPropertiesDlg::CEngraverPropertiesDlg(const CEngraverAdjustments& adjustments, QWidget* parent)
    : QDialog(parent)
    , m_initial(adjustments.Clamped())
    , m_pBrightness(new QSpinBox(this))
    , m_pContrast(new QSpinBox(this))
    , m_pGamma(new QDoubleSpinBox(this))
{
    setWindowTitle(tr("Engraver Properties"));
    m_pBrightness->setObjectName(QStringLiteral("brightness"));
    m_pContrast->setObjectName(QStringLiteral("contrast"));
    m_pGamma->setObjectName(QStringLiteral("gamma"));
    for (QSpinBox* box : {m_pBrightness, m_pContrast})
        box->setRange(-50, 50);
    m_pGamma->setDecimals(CPrintSetupRules::gammaDecimals);
    m_pGamma->setRange(CPrintSetupRules::minimumGamma, CPrintSetupRules::maximumGamma);
    m_pGamma->setSingleStep(0.01);
    m_pBrightness->setValue(m_initial.brightness);
    m_pContrast->setValue(m_initial.contrast);
    m_pGamma->setValue(CPrintSetupRules::ShownGamma(m_initial.gamma));
    BuildLayout();
}

void CEngraverPropertiesDlg::BuildLayout()
{
    auto* form = new QFormLayout;
    form->addRow(tr("&Brightness:"), m_pBrightness);
    form->addRow(tr("Con&trast:"), m_pContrast);
    form->addRow(tr("&Gamma:"), m_pGamma);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    // The fields alone make a narrow window whose title bar cuts its title
    // short; room for the title and the bar's buttons.
    setMinimumWidth(fontMetrics().horizontalAdvance(windowTitle()) + titleBarButtonsWidth);
}

CEngraverAdjustments CEngraverPropertiesDlg::Adjustments() const
{
    return CEngraverAdjustments{m_pBrightness->value(), m_pContrast->value(),
                                CPrintSetupRules::GammaCode(m_pGamma->value(), m_initial.gamma)}
        .Clamped();
}
