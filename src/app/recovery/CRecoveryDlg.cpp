#include "CRecoveryDlg.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

CRecoveryDlg::CRecoveryDlg(QList<CRecoveryStore::Entry> entries, Discarder discard, QWidget* parent)
    : QDialog(parent), m_entries(std::move(entries)), m_discard(std::move(discard))
{
    setWindowTitle(tr("Recover Layouts"));
    auto* text = new QLabel(tr("Veldra2 did not exit normally. These layouts had changes that were not saved:"), this);
    text->setWordWrap(true);
    m_pList = new QTreeWidget(this);
    m_pList->setObjectName(QStringLiteral("recoveryList"));
    m_pList->setRootIsDecorated(false);
    m_pList->setHeaderLabels({tr("Layout"), tr("File"), tr("Kept at")});
    m_pList->header()->setStretchLastSection(false);
    m_pList->header()->setSectionResizeMode(1, QHeaderView::Stretch);

    auto* buttons = new QDialogButtonBox(this);
    m_pRecover = buttons->addButton(tr("&Recover"), QDialogButtonBox::AcceptRole);
    m_pDiscard = buttons->addButton(tr("&Discard"), QDialogButtonBox::DestructiveRole);
    QPushButton* later = buttons->addButton(tr("&Later"), QDialogButtonBox::RejectRole);
    m_pRecover->setObjectName(QStringLiteral("recover"));
    m_pDiscard->setObjectName(QStringLiteral("discard"));
    later->setObjectName(QStringLiteral("later"));
    connect(m_pRecover, &QPushButton::clicked, this, [this] {
        m_chosen = Current();
        if (m_chosen >= 0)
            accept();
    });
    connect(m_pDiscard, &QPushButton::clicked, this, &CRecoveryDlg::OnDiscard);
    connect(later, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_pList, &QTreeWidget::currentItemChanged, this, &CRecoveryDlg::Refresh);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(m_pList, 1);
    layout->addWidget(buttons);
    resize(620, 260);
    Fill();
}

void CRecoveryDlg::Fill()
{
    m_pList->clear();
    const QLocale locale;
    for (const CRecoveryStore::Entry& entry : m_entries) {
        const QString file = entry.originalPath.isEmpty() ? tr("(never saved)") : entry.originalPath;
        m_pList->addTopLevelItem(new QTreeWidgetItem(
            {entry.title, file, locale.toString(entry.time.toLocalTime(), QLocale::ShortFormat)}));
    }
    if (!m_entries.isEmpty())
        m_pList->setCurrentItem(m_pList->topLevelItem(0));
    m_pList->resizeColumnToContents(0);
    m_pList->resizeColumnToContents(2);
    Refresh();
}

int CRecoveryDlg::Current() const
{
    QTreeWidgetItem* item = m_pList->currentItem();
    return item ? m_pList->indexOfTopLevelItem(item) : -1;
}

void CRecoveryDlg::Refresh()
{
    m_pRecover->setEnabled(Current() >= 0);
    m_pDiscard->setEnabled(Current() >= 0);
}

void CRecoveryDlg::OnDiscard()
{
    const int index = Current();
    if (index < 0)
        return;
    const CRecoveryStore::Entry entry = m_entries[index];
    if (!m_discard(entry.id))
        QMessageBox::warning(this, windowTitle(), tr("The kept changes of %1 could not all be deleted.").arg(entry.title));
    m_entries.removeAt(index);
    Fill();
    if (m_entries.isEmpty())
        reject();
}

const CRecoveryStore::Entry* CRecoveryDlg::Chosen() const
{
    return m_chosen >= 0 && m_chosen < m_entries.size() ? &m_entries[m_chosen] : nullptr;
}
