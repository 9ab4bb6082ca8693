#pragma once

#include "batch/CRecordRange.h"

#include <QDialog>

class QSpinBox;

// "Print Batch": which records to engrave, one plate and one job each.
class CPrintBatchDlg : public QDialog
{
    Q_OBJECT

public:
    CPrintBatchDlg(int count, int current, QWidget* parent = nullptr);

    CRecordRange Range() const;

private:
    QSpinBox* m_pFirst = nullptr;
    QSpinBox* m_pLast = nullptr;
};
