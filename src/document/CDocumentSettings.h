#pragma once

#include "imaging/ColorRef.h"
#include "platform/CSize.h"

// The user settings a document works with; the application hands them over
// at start and whenever the preferences change.
struct CDocumentSettings
{
    int deviceSizeLimit = 1800;   // largest plate bitmap side, pixels
    CSize materialSize;           // for new documents; 0 = the printable area
    CSize marginTopLeft{100, 100};
    int maxUndoCount = 100;
    COLORREF baseColor = 0x000000;
    bool layerListShown = false;
    // Shown outside the material on screen: the user's colour, or the
    // system's window colour when none is set.
    COLORREF outsideColor = 0xFFFFFF;
    int penWidth = 1;             // 0.01 mm
    COLORREF penColor = 0x000000;
};
