#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

// Answers the modal dialogs a command opens, as a user at the window would:
// a file dialog gets the next chosen path (or is cancelled when there is
// none), a message box is read and closed with No where it asks, else OK.
class DialogDriver
{
public:
    DialogDriver()
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { Answer(); });
        m_timer.start();
    }

    void Choose(const QString& path) { m_paths.append(path); }
    const QStringList& Messages() const { return m_messages; }

private:
    void Answer()
    {
        QWidget* modal = QApplication::activeModalWidget();

        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            m_messages.append(box->text());
            QAbstractButton* button = box->button(QMessageBox::No);
            if (!button)
                button = box->button(QMessageBox::Ok);
            if (button)
                button->click();
            else
                box->done(0);
        } else if (auto* files = qobject_cast<QFileDialog*>(modal)) {
            if (m_paths.isEmpty()) {
                files->reject();
                return;
            }
            // Typed into the name field, as a user does: selectFile leaves
            // the field alone while it has the focus.
            files->setDirectory(QFileInfo(m_paths.first()).path());
            if (auto* name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
                name->setText(QFileInfo(m_paths.first()).fileName());
            else
                files->selectFile(QFileInfo(m_paths.first()).fileName());
            // As the Open or Save button does. A dialog still reading its
            // folder may not take the name yet: then again on the next tick.
            QMetaObject::invokeMethod(files, "accept");
            if (!files->isVisible())
                m_paths.removeFirst();
        }
    }

    QTimer m_timer;
    QStringList m_paths;
    QStringList m_messages;
};
