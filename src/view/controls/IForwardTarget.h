#pragma once

#include <QPoint>
#include <Qt>

class QPainter;

// What a picture control hands to the dialog that owns it: its painting and
// its mouse input, with every point already in content coordinates (client
// point plus scroll position). Handlers a dialog does not need stay empty.
class IForwardTarget
{
public:
    // The buttons held and the modifier keys down when the event happened.
    struct KeyFlags
    {
        Qt::MouseButtons buttons;
        Qt::KeyboardModifiers modifiers;
    };

    virtual ~IForwardTarget() = default;

    // The painter draws in client coordinates: shift by -scrollPosition to
    // draw content.
    virtual void OnForwardPaint(QPainter& painter, QPoint scrollPosition) = 0;
    // True when the target set the control's cursor itself.
    virtual bool OnForwardSetCursor() { return false; }

    virtual void OnForwardMouseMove(KeyFlags, QPoint) {}
    // The control holds the mouse from a button's press to its release.
    virtual void OnForwardLButtonDown(KeyFlags, QPoint) {}
    virtual void OnForwardLButtonUp(KeyFlags, QPoint) {}
    virtual void OnForwardRButtonDown(KeyFlags, QPoint) {}
    virtual void OnForwardRButtonUp(KeyFlags, QPoint) {}
    virtual void OnForwardMButtonDown(KeyFlags, QPoint) {}
    virtual void OnForwardMButtonUp(KeyFlags, QPoint) {}
};
