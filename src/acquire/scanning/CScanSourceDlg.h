#pragma once

#include "acquire/scan/ScanTypes.h"

#include <QDialog>

class QTreeWidget;

// "Select Source": the scanners SANE knows, with the one chosen last
// selected (else the first).
class CScanSourceDlg : public QDialog
{
    Q_OBJECT

public:
    CScanSourceDlg(const QList<ScanDeviceInfo>& devices, const QString& chosen, QWidget* parent = nullptr);

    // The device chosen; empty until OK.
    QString Chosen() const;
    QTreeWidget* List() const { return m_pList; }

private:
    QTreeWidget* m_pList;
};
