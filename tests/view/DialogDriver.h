#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTimer>

// Answers the modal dialogs a command opens, as a user at the window would:
// a file dialog gets the next chosen path (or is cancelled when there is
// none), a message box is read and closed with No where it asks, else OK
// (Yes when a file dialog asks to replace the file chosen).
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
            // A file dialog asking to replace the chosen file is told Yes:
            // the user chose it. Every other question is answered No.
            const bool replace = qobject_cast<QFileDialog*>(box->parentWidget()) != nullptr;
            m_messages.append(box->text());
            QAbstractButton* button = box->button(replace ? QMessageBox::Yes : QMessageBox::No);
            if (!button)
                button = box->button(QMessageBox::Ok);
            if (button)
                button->click();
            else
                box->done(0);
        } else if (auto* files = qobject_cast<QFileDialog*>(modal); files && !m_bAccepting) {
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
            // As the Open or Save button does, from a timer of its own: the
            // dialog may ask a question of its own, which this timer must
            // be free to answer. A dialog still reading its folder may not
            // take the name yet: then again on a later tick.
            m_bAccepting = true;
            QTimer::singleShot(0, &m_timer, [this, dialog = QPointer<QFileDialog>(files)] {
                if (dialog)
                    QMetaObject::invokeMethod(dialog, "accept");
                if (!dialog || !dialog->isVisible())
                    m_paths.removeFirst();
                m_bAccepting = false;
            });
        }
    }

    QTimer m_timer;
    QStringList m_paths;
    QStringList m_messages;
    bool m_bAccepting = false;
};
