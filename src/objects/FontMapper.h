#pragma once

#include "platform/LOGFONT.h"

#include <QFont>

// The one way from the stored 60-byte LOGFONT to a Qt font, so that
// measuring and drawing of every text object agree. Heights are plate
// pixels: negative = character (em) height, positive = cell height
// (ascent + descent), zero = a default cell of 16 pixels.
namespace FontMapper {

QFont Map(const LOGFONT& lf);
// The face name decoded from the font's own code page.
QString FaceName(const LOGFONT& lf);
// Only the antialiased and ClearType qualities ask for smoothed glyphs:
// the engraver marks whole dots.
bool WantsAntialias(const LOGFONT& lf);
// Escapement runs counter-clockwise in tenths of a degree; QPainter turns
// clockwise on a y-down surface.
double RotationDegrees(int escapementTenths);

} // namespace FontMapper
