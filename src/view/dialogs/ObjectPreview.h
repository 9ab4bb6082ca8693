#pragma once

#include "imaging/ColorRef.h"

#include <QImage>
#include <QSize>

class CSymbolObj;

// The small picture of an object in the Properties dialog: drawn at twice
// the frame's size over the transparent key, laid on the dialog's face
// colour with the key left out, then halved with area averaging so that
// the edges come out smooth.
namespace ObjectPreview {

QImage Render(CSymbolObj& object, QSize frame, COLORREF faceColor);

} // namespace ObjectPreview
