#pragma once

// What a menu item or button of a command shows: enabled, and checked
// (0 off, 1 on, 2 indeterminate), as a radio item or a check mark.
struct CCommandState
{
    bool enabled = true;
    int checked = 0;
    bool radio = false;

    void SetRadio(bool on)
    {
        radio = true;
        checked = on ? 1 : 0;
    }
    void SetCheck(bool on) { checked = on ? 1 : 0; }
};
