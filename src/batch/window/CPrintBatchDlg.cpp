#include "CPrintBatchDlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>

namespace {

// Without a data file the plates are counted; more than this at once is
// surely a slip of the keyboard.
constexpr int maxCountedPlates = 9999;

} // namespace

CPrintBatchDlg::CPrintBatchDlg(int records, int current, const QString& printer, QWidget* parent)
    : QDialog(parent), m_strPrinter(printer)
{
    setWindowTitle(tr("Print Batch"));
    auto* form = new QFormLayout(this);
    form->addRow(new QLabel(tr("Printer: %1").arg(printer), this));
    if (records > 0)
        AddRecordFields(records, current);
    else
        AddPlateCount();
    m_pSummary = new QLabel(this);
    m_pSummary->setObjectName(QStringLiteral("summary"));
    form->addRow(m_pSummary);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
    ShowSummary();
}

void CPrintBatchDlg::AddRecordFields(int records, int current)
{
    auto* form = static_cast<QFormLayout*>(layout());
    m_pFirst = new QSpinBox(this);
    m_pFirst->setObjectName(QStringLiteral("firstRecord"));
    m_pLast = new QSpinBox(this);
    m_pLast->setObjectName(QStringLiteral("lastRecord"));
    m_pFirst->setRange(1, records);
    m_pLast->setRange(1, records);
    m_pFirst->setValue(1);
    m_pLast->setValue(records);
    // The range never runs backwards: each end holds the other.
    connect(m_pFirst, &QSpinBox::valueChanged, this, [this](int first) {
        if (m_pLast->value() < first)
            m_pLast->setValue(first);
        ShowSummary();
    });
    connect(m_pLast, &QSpinBox::valueChanged, this, [this](int last) {
        if (m_pFirst->value() > last)
            m_pFirst->setValue(last);
        ShowSummary();
    });
    form->addRow(new QLabel(tr("One plate and one print job per record; record %1 is shown.").arg(current), this));
    form->addRow(tr("&From record"), m_pFirst);
    form->addRow(tr("&To record"), m_pLast);
}

void CPrintBatchDlg::AddPlateCount()
{
    auto* form = static_cast<QFormLayout*>(layout());
    m_pPlates = new QSpinBox(this);
    m_pPlates->setObjectName(QStringLiteral("plates"));
    m_pPlates->setRange(1, maxCountedPlates);
    m_pPlates->setValue(1);
    connect(m_pPlates, &QSpinBox::valueChanged, this, [this] { ShowSummary(); });
    form->addRow(new QLabel(tr("No data file: the plates are numbered 1, 2, 3 ... for {#} and {serial}."), this));
    form->addRow(tr("&Plates"), m_pPlates);
}

void CPrintBatchDlg::ShowSummary()
{
    const int plates = Range().Count();
    m_pSummary->setText(plates == 1 ? tr("One plate will be sent to %1.").arg(m_strPrinter)
                                    : tr("%1 plates will be sent to %2, one job each.").arg(plates).arg(m_strPrinter));
}

CRecordRange CPrintBatchDlg::Range() const
{
    if (m_pPlates)
        return {1, m_pPlates->value()};
    return {m_pFirst->value(), m_pLast->value()};
}
