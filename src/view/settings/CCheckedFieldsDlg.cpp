#include "CCheckedFieldsDlg.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QMessageBox>

void CCheckedFieldsDlg::Refuse(QLineEdit* field, const QString& message)
{
    if (m_refusalSink)
        m_refusalSink(message);
    else
        QMessageBox::warning(this, QCoreApplication::applicationName(), message);
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
}
