#pragma once

#include "DocumentTestSupport.h"

#include "view/CVeldraView.h"
#include "settings/GridSettings.h"

#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

// A shown view of a 90 x 60 mm plate at 254 dpi (one pixel is 0.1 mm, so
// the plate is 900 x 600 pixels) in an 800 x 600 viewport.
class ViewFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        doc.SetSettings(DocumentSettings());
        SetUpDocument(doc);
        grid.pitch = {500, 500};
        view = std::make_unique<CVeldraView>(doc, grid);
        view->resize(800, 600);
        view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
        view->OnInitialUpdate(100);
    }

    static CDocumentSettings DocumentSettings()
    {
        CDocumentSettings settings;
        settings.penWidth = 100; // 1 mm: 10 pixels
        settings.penColor = RGB(255, 255, 255);
        return settings;
    }

    QWidget* Port() { return view->viewport(); }

    // The window point of a layout point.
    QPoint At(CPoint layout) { return view->DeviceToClient(doc.DocToDevice(layout)); }

    CSymbolObj* Add(std::unique_ptr<CSymbolObj> object)
    {
        CSymbolObj* raw = object.get();
        doc.InsertAt(std::move(object), 0);
        return raw;
    }

    void Press(QPoint at, Qt::KeyboardModifiers keys = {}, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mousePress(Port(), button, keys, at);
    }
    void Release(QPoint at, Qt::KeyboardModifiers keys = {}, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseRelease(Port(), button, keys, at);
    }
    // A move with the button held (QTest's own move carries no buttons).
    void MoveHeld(QPoint at, Qt::KeyboardModifiers keys = {}, Qt::MouseButtons buttons = Qt::LeftButton);
    void Drag(QPoint from, QPoint to, Qt::KeyboardModifiers keys = {})
    {
        Press(from, keys);
        MoveHeld((from + to) / 2, keys);
        MoveHeld(to, keys);
        Release(to, keys);
    }

    CVeldraDoc doc;
    GridSettings grid;
    std::unique_ptr<CVeldraView> view;
};

#include <QApplication>
#include <QMouseEvent>

inline void ViewFixture::MoveHeld(QPoint at, Qt::KeyboardModifiers keys, Qt::MouseButtons buttons)
{
    QMouseEvent move(QEvent::MouseMove, at, Port()->mapToGlobal(at), Qt::NoButton, buttons, keys);
    QApplication::sendEvent(Port(), &move);
}
