#pragma once

#include "platform/LOGFONT.h"

#include <QFont>

// A font record (the default text font, a text object's font) between its
// stored form and the standard font dialog.
// The record's height is plate pixels; the dialog speaks points, which a
// screen of 96 pixels per inch turns into pixels, so a size chosen there
// comes back as the same record height on every machine.
namespace DialogFont {

constexpr int screenPixelsPerInch = 96;

QFont ToDialogFont(const LOGFONT& record);
// What the dialog offers replaces face, size, weight, slant, underline and
// strike-out; the rest stays as the previous record had it. The character
// set changes only when the face name cannot be written in the old one.
LOGFONT FromDialogFont(const QFont& font, const LOGFONT& previous);

} // namespace DialogFont
