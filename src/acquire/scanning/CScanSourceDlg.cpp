#include "CScanSourceDlg.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>

CScanSourceDlg::CScanSourceDlg(const QList<ScanDeviceInfo>& devices, const QString& chosen, QWidget* parent)
    : QDialog(parent), m_pList(new QTreeWidget(this))
{
    setWindowTitle(tr("Select Source"));
    m_pList->setObjectName(QStringLiteral("Sources"));
    m_pList->setRootIsDecorated(false);
    m_pList->setHeaderLabels({tr("Scanner"), tr("Vendor"), tr("Model"), tr("Type")});
    for (const ScanDeviceInfo& device : devices) {
        auto* row = new QTreeWidgetItem(m_pList, {device.name, device.vendor, device.model, device.type});
        if (device.name == chosen || !m_pList->currentItem())
            m_pList->setCurrentItem(row);
    }
    m_pList->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_pList, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pList);
    layout->addWidget(buttons);
    resize(520, 260);
}

QString CScanSourceDlg::Chosen() const
{
    return result() == QDialog::Accepted && m_pList->currentItem() ? m_pList->currentItem()->text(0) : QString();
}
