#pragma once

#include "CPrintSetupRules.h"

#include <QDialog>

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;

// The printer dialog: Print Setup chooses the queue, its paper and, for the
// engraver, its adjustments; Print does the same and asks for the number of
// copies. The layout is always one page, so there are no pages to choose.
// OK keeps the paper and the confirmed adjustments among the user's options
// for the queue and hands the queue back; Cancel keeps nothing.
class CPrintSetupDlg : public QDialog
{
    Q_OBJECT

public:
    enum class Mode { setup, print };

    // queues: as CCupsQueueList reads them; current: the queue chosen so far
    // (empty for none).
    CPrintSetupDlg(Mode mode, std::vector<CCupsQueueList::Queue> queues, const QString& current,
                   QWidget* parent = nullptr);

    // The queue chosen on OK: its name (the device), make and model (the
    // driver) and device URI (the port). Empty when there is no queue.
    QString QueueName() const;
    QString MakeAndModel() const;
    QString DeviceUri() const;
    // Always 1 in Print Setup.
    int Copies() const { return m_rules.Copies(); }
    const CPrintSetupRules& Rules() const { return m_rules; }

public slots:
    void accept() override;

private:
    void BuildLayout(Mode mode);
    void FillQueues();
    void OnQueueChosen(int row);
    void ShowPapers();
    void OnPaperChosen(int index);
    void OnProperties();
    bool StoreChoices() const;

    CPrintSetupRules m_rules;
    QTableWidget* m_pQueues;
    QLabel* m_pWhere;
    QLabel* m_pComment;
    QComboBox* m_pPaper;
    QPushButton* m_pProperties;
    QSpinBox* m_pCopies = nullptr;
    QLabel* m_pNoQueues;
    QDialogButtonBox* m_pButtons;
};
