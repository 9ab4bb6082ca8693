#pragma once

#include "output/preview/CPreviewDlg.h"
#include "output/preview/CPreviewPictureWnd.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

// The preview's controls by the names the dialog gives them.
inline QLineEdit* PreviewEdit(const CPreviewDlg& dialog, const char* name)
{
    return dialog.findChild<QLineEdit*>(QLatin1String(name));
}

inline QScrollBar* PreviewBar(const CPreviewDlg& dialog, const char* name)
{
    return dialog.findChild<QScrollBar*>(QLatin1String(name));
}

inline void ClickPreviewButton(const CPreviewDlg& dialog, const char* name)
{
    QPushButton* button = dialog.findChild<QPushButton*>(QLatin1String(name));
    ASSERT_TRUE(button) << name;
    QTest::mouseClick(button, Qt::LeftButton);
}

// Keys typed into an edit over what it holds, as a user selecting it first.
inline void TypeKeys(QLineEdit* edit, std::initializer_list<Qt::Key> keys)
{
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    for (const Qt::Key key : keys)
        QTest::keyClick(edit, key);
}

// Acts on the preview once it is open and modal, as a user at the window.
class PreviewDriver
{
public:
    explicit PreviewDriver(std::function<void(CPreviewDlg&)> act)
        : m_act(std::move(act))
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            auto* dialog = qobject_cast<CPreviewDlg*>(QApplication::activeModalWidget());
            if (!dialog || m_bActed)
                return;
            m_bActed = true;
            m_act(*dialog);
        });
        m_timer.start();
    }

    bool Acted() const { return m_bActed; }

private:
    QTimer m_timer;
    std::function<void(CPreviewDlg&)> m_act;
    bool m_bActed = false;
};
