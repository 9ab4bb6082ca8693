#pragma once

#include "platform/LOGFONT.h"

#include <QFont>

// Between a text object's font record and the font the user picks from the
// standard font dialog. The dialog works in points of the screen (96 dots
// per inch); the record keeps the height in pixels, negative for a
// character height, as a font picked on the screen always has.
namespace FontChoice {

inline constexpr int screenDpi = 96;

QFont ToDialogFont(const LOGFONT& lf);
// The picked font over the previous record: character set, precisions,
// quality and escapement stay.
LOGFONT FromDialogFont(const QFont& font, const LOGFONT& previous);

} // namespace FontChoice
