#pragma once

#include "ColorRef.h"

#include <QColor>

// Colours of the layout (0x00BBGGRR) as Qt paints them, and back.
inline QColor ToQColor(COLORREF colour)
{
    return QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

inline COLORREF FromQColor(const QColor& colour)
{
    return RGB(colour.red(), colour.green(), colour.blue());
}
