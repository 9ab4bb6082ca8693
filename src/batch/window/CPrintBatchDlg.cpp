#include "CPrintBatchDlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>

CPrintBatchDlg::CPrintBatchDlg(int count, int current, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Print Batch"));
    m_pFirst = new QSpinBox(this);
    m_pFirst->setObjectName(QStringLiteral("firstRecord"));
    m_pLast = new QSpinBox(this);
    m_pLast->setObjectName(QStringLiteral("lastRecord"));
    m_pFirst->setRange(1, count);
    m_pLast->setRange(1, count);
    m_pFirst->setValue(1);
    m_pLast->setValue(count);
    // The range never runs backwards: each end holds the other.
    connect(m_pFirst, &QSpinBox::valueChanged, this, [this](int first) {
        if (m_pLast->value() < first)
            m_pLast->setValue(first);
    });
    connect(m_pLast, &QSpinBox::valueChanged, this, [this](int last) {
        if (m_pFirst->value() > last)
            m_pFirst->setValue(last);
    });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* form = new QFormLayout(this);
    form->addRow(new QLabel(tr("One plate and one print job per record; record %1 is shown.").arg(current), this));
    form->addRow(tr("&From record"), m_pFirst);
    form->addRow(tr("&To record"), m_pLast);
    form->addRow(buttons);
}

CRecordRange CPrintBatchDlg::Range() const
{
    return {m_pFirst->value(), m_pLast->value()};
}
