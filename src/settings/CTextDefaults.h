#pragma once

#include "imaging/ColorRef.h"
#include "platform/CPoint.h"
#include "platform/LOGFONT.h"

#include <QString>

// What a new text object starts with, together with the display and plate
// preferences the same dialogs edit. Dialogs copy the whole record out of
// the application's settings and hand it back; handing it back saves it.
// Lengths are in 0.01 mm.
struct CTextDefaults
{
    // Both set from the translated defaults by CAppSettings.
    QString newText;
    LOGFONT logFont;

    bool fillBackground = false;
    int drawFrame = 0;
    COLORREF fontColor = RGB(0xFF, 0xFF, 0xFF);
    COLORREF bkgndColor = RGB(0x80, 0x80, 0x80);
    COLORREF frameColor = RGB(0, 0, 0);
    CPoint bkgndMargin{0, 0};
    int multiLineFormat = 1;
    bool antialias = false;

    // 0 follows the system, 1 millimetres, 2 inches.
    int unit = 0;
    // Percent.
    int zoom = 100;
    int maxUndoCount = 100;
    // Minutes between writes of a changed layout to its recovery file; 0: never.
    int autosaveMinutes = 5;
    COLORREF baseColor = RGB(0, 0, 0);
    // colorNone: the system's window colour is shown outside the material.
    COLORREF outsideColor = colorNone;
    COLORREF previewColor0 = RGB(0xC0, 0xC0, 0x40);
    COLORREF previewColor1 = RGB(0xFF, 0xFF, 0x80);
    CPoint marginTopLeft{100, 100};

    // Folder searched for image plug-ins.
    QString pluginFolder;

    friend bool operator==(const CTextDefaults&, const CTextDefaults&) = default;
};
