#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <deque>
#include <functional>
#include <utility>

// Answers the modal dialogs a command opens, as a user at the window would:
// a file dialog gets the next chosen path (or is cancelled when there is
// none), a message box is read and closed with No where it asks, else OK
// (Yes when a file dialog asks to replace the file chosen). Any other modal
// dialog gets the next of the test's own acts, in order (or is rejected
// when there is none left).
class DialogDriver
{
public:
    DialogDriver()
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { Answer(); });
        m_timer.start();
    }

    // before: what the user does in the file dialog once the name is typed.
    void Choose(const QString& path, std::function<void(QFileDialog&)> before = {})
    {
        m_paths.append(path);
        m_beforeOpen.push_back(std::move(before));
    }
    // What the user does in the next dialog of another kind.
    void Then(std::function<void(QDialog&)> act) { m_acts.push_back(std::move(act)); }
    int ActsLeft() const { return int(m_acts.size()); }
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
        } else if (auto* dialog = qobject_cast<QDialog*>(modal); dialog && !qobject_cast<QFileDialog*>(modal)) {
            if (dialog == m_pActedOn)
                return;
            m_pActedOn = dialog;
            if (m_acts.empty()) {
                dialog->reject();
                return;
            }
            // From a timer of its own: an act that opens another dialog runs
            // a nested loop, in which this timer must be free to answer it.
            QTimer::singleShot(0, dialog, [act = std::move(m_acts.front()), dialog] { act(*dialog); });
            m_acts.pop_front();
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
            if (m_beforeOpen.front())
                std::exchange(m_beforeOpen.front(), {})(*files);
            // As the Open or Save button does, from a timer of its own: the
            // dialog may ask a question of its own, which this timer must
            // be free to answer. A dialog still reading its folder may not
            // take the name yet: then again on a later tick.
            m_bAccepting = true;
            QTimer::singleShot(0, &m_timer, [this, dialog = QPointer<QFileDialog>(files)] {
                if (dialog)
                    QMetaObject::invokeMethod(dialog, "accept");
                if (!dialog || !dialog->isVisible()) {
                    m_paths.removeFirst();
                    m_beforeOpen.pop_front();
                }
                m_bAccepting = false;
            });
        }
    }

    QTimer m_timer;
    QStringList m_paths;
    std::deque<std::function<void(QFileDialog&)>> m_beforeOpen; // parallel to m_paths
    QStringList m_messages;
    std::deque<std::function<void(QDialog&)>> m_acts;
    QPointer<QDialog> m_pActedOn;
    bool m_bAccepting = false;
};
