#pragma once

#include "CRecoveryStore.h"

#include <QDialog>
#include <QList>

#include <functional>

class QPushButton;
class QTreeWidget;

// Offers the layouts that programs which did not exit cleanly were keeping:
// each with its title, the user's file and when it was kept. Recover opens
// the chosen one, Discard deletes it for good (the list stays open), Later
// leaves them all for the next start.
class CRecoveryDlg : public QDialog
{
    Q_OBJECT

public:
    using Discarder = std::function<bool(const QString& id)>;

    CRecoveryDlg(QList<CRecoveryStore::Entry> entries, Discarder discard, QWidget* parent = nullptr);

    // The entry to recover after Recover.
    const CRecoveryStore::Entry* Chosen() const;
    int Count() const { return int(m_entries.size()); }

private:
    void Fill();
    void OnDiscard();
    void Refresh();
    int Current() const;

    QList<CRecoveryStore::Entry> m_entries;
    Discarder m_discard;
    QTreeWidget* m_pList = nullptr;
    QPushButton* m_pRecover = nullptr;
    QPushButton* m_pDiscard = nullptr;
    int m_chosen = -1;
};
