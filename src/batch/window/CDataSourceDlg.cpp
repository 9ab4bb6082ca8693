#include "CDataSourceDlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

CDataSourceDlg::CDataSourceDlg(const QString& path, QWidget* parent) : QDialog(parent), m_path(path)
{
    setWindowTitle(tr("Data Source"));
    m_pSeparator = new QComboBox(this);
    m_pSeparator->setObjectName(QStringLiteral("separator"));
    m_pSeparator->addItem(tr("Comma"), QChar(u','));
    m_pSeparator->addItem(tr("Semicolon"), QChar(u';'));
    m_pSeparator->addItem(tr("Tab"), QChar(u'\t'));
    m_pColumns = new QListWidget(this);
    m_pColumns->setObjectName(QStringLiteral("columns"));
    m_pSummary = new QLabel(this);
    m_pSummary->setObjectName(QStringLiteral("summary"));
    m_pSummary->setWordWrap(true);
    m_pButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_pButtons->setObjectName(QStringLiteral("buttons"));
    connect(m_pButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_pButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout(this);
    form->addRow(tr("File:"), new QLabel(QFileInfo(path).fileName(), this));
    form->addRow(tr("&Separator"), m_pSeparator);
    form->addRow(tr("Columns:"), m_pColumns);
    form->addRow(m_pSummary);
    form->addRow(m_pButtons);

    Read(QChar());
    connect(m_pSeparator, &QComboBox::currentIndexChanged, this,
            [this](int index) { Read(m_pSeparator->itemData(index).toChar()); });
}

// A null separator: the one the file's header suggests.
void CDataSourceDlg::Read(QChar separator)
{
    QString error;
    m_source = CDataSource::Load(m_path, &error, separator);
    m_pColumns->clear();
    if (m_source) {
        m_pColumns->addItems(m_source->Columns());
        const int records = m_source->RecordCount();
        m_pSummary->setText(records == 1 ? tr("One record.") : tr("%1 records.").arg(records));
        ShowSeparator(m_source->Separator());
    } else {
        m_pSummary->setText(error);
        if (separator.isNull())
            ShowSeparator(QChar(u','));
    }
    m_pButtons->button(QDialogButtonBox::Ok)->setEnabled(m_source.has_value());
}

void CDataSourceDlg::ShowSeparator(QChar separator)
{
    const QSignalBlocker quiet(m_pSeparator);
    m_pSeparator->setCurrentIndex(std::max(0, m_pSeparator->findData(separator)));
}
