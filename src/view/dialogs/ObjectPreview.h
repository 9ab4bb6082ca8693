#pragma once

#include "imaging/ColorRef.h"

#include <QImage>
#include <QSize>

class CSymbolObj;

class CPlateLook;

// The small picture of an object in the Properties and add dialogs: drawn
// at twice the frame's size over the transparent key, laid on the dialog's
// face colour or on a plate with the key left out, then halved with area
// averaging so that the edges come out smooth.
namespace ObjectPreview {

QImage Render(CSymbolObj& object, QSize frame, COLORREF faceColor);
// As it will show on a plate of these colours.
QImage Render(CSymbolObj& object, QSize frame, const CPlateLook& plate);

} // namespace ObjectPreview
