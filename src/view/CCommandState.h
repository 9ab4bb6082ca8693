#pragma once

// What a menu item or button of a command shows: enabled, and checked
// (0 off, 1 on, 2 indeterminate). Commands that are one choice of a set
// (the tools, the zoom presets) show as radio items: their actions sit in
// an exclusive group.
struct CCommandState
{
    bool enabled = true;
    int checked = 0;

    void SetCheck(bool on) { checked = on ? 1 : 0; }
};
