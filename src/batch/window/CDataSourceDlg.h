#pragma once

#include "batch/CDataSource.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QListWidget;

// "Data Source": what a data file holds before the layout uses it: its
// columns and records as read with the separator its header suggests, which
// the user may change (a spreadsheet's CSV may be separated by semicolons).
class CDataSourceDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CDataSourceDlg(const QString& path, QWidget* parent = nullptr);

    // The file as read with the separator shown; nothing when it cannot be.
    const std::optional<CDataSource>& Source() const { return m_source; }

private:
    void Read(QChar separator);
    void ShowSeparator(QChar separator);

    QString m_path;
    std::optional<CDataSource> m_source;
    QComboBox* m_pSeparator = nullptr;
    QListWidget* m_pColumns = nullptr;
    QLabel* m_pSummary = nullptr;
    QDialogButtonBox* m_pButtons = nullptr;
};
