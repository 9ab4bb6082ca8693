#pragma once

#include "settings/CAppSettings.h"
#include "document/CVeldraDoc.h"
#include "imaging/CDibImage.h"
#include "library/add/AddControlIds.h"
#include "library/add/CAddEntryDlg.h"
#include "objects/CDibObj.h"

#include <QAbstractButton>
#include <QApplication>
#include <QInputMethodEvent>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace AddTest {

// A colour picture: every pixel a different mix, none black or white.
inline CDibImage Photo(int w, int h)
{
    CDibImage picture;
    picture.Create(w, h, 24);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            picture.SetPixel(x, y, RGB(40 + (x * 170) / w, 200 - (y * 150) / h, 90 + ((x + y) % 7) * 20));
    return picture;
}

inline CDibImage Filled(int w, int h, COLORREF colour)
{
    CDibImage picture;
    picture.Create(w, h, 24, colour);
    return picture;
}

template <class Widget>
Widget* Control(QWidget& dialog, int id)
{
    return dialog.findChild<Widget*>(QString::number(id));
}

inline QLineEdit* Edit(QWidget& dialog, int id) { return Control<QLineEdit>(dialog, id); }

// What a user does: select the field's text and type over it. Letters
// beyond ASCII come as an input method commits them.
inline void Type(QLineEdit* edit, const QString& text)
{
    edit->setFocus(Qt::MouseFocusReason);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    bool ascii = true;
    for (const QChar c : text)
        ascii = ascii && c.unicode() < 128;
    if (ascii) {
        QTest::keyClicks(edit, text);
        return;
    }
    QInputMethodEvent composed;
    composed.setCommitString(text);
    QApplication::sendEvent(edit, &composed);
}

// Types into a field and leaves it with Tab.
inline void TypeAndLeave(QLineEdit* edit, const QString& text)
{
    Type(edit, text);
    QTest::keyClick(edit, Qt::Key_Tab);
}

inline void ClickAdd(QWidget& dialog)
{
    QTest::mouseClick(Control<QAbstractButton>(dialog, AddControlIds::add), Qt::LeftButton);
}

// The dialog in front with the keyboard, as the user meets it.
inline bool Activate(QDialog& dialog)
{
    dialog.activateWindow();
    return QTest::qWaitForWindowExposed(&dialog) && QTest::qWaitForWindowActive(&dialog);
}

inline bool Show(QDialog& dialog)
{
    dialog.show();
    return Activate(dialog);
}

inline QStringList Files(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::Dirs | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

// A library folder, a folder of pictures, the settings and the document.
struct Fixture : ::testing::Test
{
    QTemporaryDir library;
    QTemporaryDir pictures;
    CAppSettings settings;
    CVeldraDoc doc;
    QStringList refusals;

    QString PictureFile(const QString& name, const CDibImage& picture)
    {
        const QString path = pictures.filePath(name);
        EXPECT_TRUE(picture.SaveBitmapFile(path));
        return path;
    }
    // A dialog as the user meets it: loaded, shown, its refusals collected.
    void Open(CAddEntryDlg& dialog, const QString& picturePath)
    {
        QString error;
        ASSERT_TRUE(dialog.LoadFile(picturePath, {}, &error)) << error.toStdString();
        ASSERT_TRUE(dialog.IsReady());
        Collect(dialog);
    }
    void Collect(CBaseDlg& dialog)
    {
        dialog.SetRefusalSink([this](const QString& message) { refusals.append(message); });
        ASSERT_TRUE(Show(dialog));
    }
    // The entry written under a name, read back as the library reads it.
    std::unique_ptr<CDibObj> ReadEntry(const QString& name)
    {
        auto entry = std::make_unique<CDibObj>(true);
        if (!entry->ReadSymbolFile(library.filePath(name + QStringLiteral(".vls"))))
            return nullptr;
        return entry;
    }
};

} // namespace AddTest
