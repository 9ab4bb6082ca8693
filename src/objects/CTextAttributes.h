#pragma once

#include "imaging/ColorRef.h"
#include "platform/CSize.h"
#include "platform/LOGFONT.h"

#include <QByteArray>

// What a new text object takes from the user's text defaults.
struct CTextAttributes
{
    QByteArray text = "New Text";
    LOGFONT font = DefaultFont();
    int fillBackground = 0;
    int drawFrame = 0;
    COLORREF fontColor = 0xFFFFFF;
    COLORREF bkgndColor = 0x808080;
    COLORREF frameColor = 0x000000;
    CSize bkgndMargin;
    int multiLineFormat = 1;
    int antialias = 0;

    // -32,0,0,0,400,0,0,0,0,3,2,1,34,Arial
    static LOGFONT DefaultFont()
    {
        LOGFONT lf;
        lf.lfHeight = -32;
        lf.lfWeight = 400;
        lf.lfOutPrecision = 3;
        lf.lfClipPrecision = 2;
        lf.lfQuality = 1;
        lf.lfPitchAndFamily = 34;
        lf.SetFaceName("Arial");
        return lf;
    }
};
