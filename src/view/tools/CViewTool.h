#pragma once

#include "platform/CPoint.h"

#include <QCursor>
#include <QPoint>
#include <QString>

class CVeldraView;

// One mouse event as the tools see it: where in the window and on the
// plate, and the keys and buttons held.
struct ViewMouse
{
    QPoint client;
    CPoint device;
    Qt::KeyboardModifiers modifiers;
    Qt::MouseButtons buttons;

    bool Shift() const { return modifiers & Qt::ShiftModifier; }
    bool Control() const { return modifiers & Qt::ControlModifier; }
    // The key flags a drag record carries.
    int KeyFlags() const;
};

// The behaviour of one editing tool inside the view. The view handles what
// every tool shares (hand-scrolling with Alt or the middle button, the
// wheel) and hands the rest here.
class CViewTool
{
public:
    explicit CViewTool(CVeldraView& view) : m_view(view) {}
    virtual ~CViewTool() = default;
    CViewTool(const CViewTool&) = delete;
    CViewTool& operator=(const CViewTool&) = delete;

    virtual void LeftDown(const ViewMouse&) {}
    virtual void LeftUp(const ViewMouse&) {}
    virtual void RightDown(const ViewMouse&) {}
    virtual void RightUp(const ViewMouse&) {}
    virtual void Move(const ViewMouse&) {}
    virtual void DoubleClick(const ViewMouse&) {}
    virtual QCursor Cursor(const ViewMouse& mouse) = 0;
    // What a drag from here would do, for the status bar; empty where the
    // cursor already says it.
    virtual QString Hint(const ViewMouse&) { return {}; }

protected:
    CVeldraView& m_view;
};
