#pragma once

#include "batch/CRecordRange.h"

#include <QDialog>

class QLabel;
class QSpinBox;

// "Print Batch": which records to engrave, one plate and one job each; with
// no data file, how many plates (one unless the user says more). It names
// the printer and says how many plates go to it before any is sent.
class CPrintBatchDlg : public QDialog
{
    Q_OBJECT

public:
    // records: the data file's records, 0 without one; current: the record
    // the window shows.
    CPrintBatchDlg(int records, int current, const QString& printer, QWidget* parent = nullptr);

    CRecordRange Range() const;

private:
    void AddRecordFields(int records, int current);
    void AddPlateCount();
    void ShowSummary();

    QString m_strPrinter;
    QSpinBox* m_pFirst = nullptr;
    QSpinBox* m_pLast = nullptr;
    QSpinBox* m_pPlates = nullptr;
    QLabel* m_pSummary = nullptr;
};
