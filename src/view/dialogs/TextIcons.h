#pragma once

#include <QPixmap>

// The small pictures of the text dialogs that show how the glyphs stand on
// their band: turned or not, and for a fan, inverted or not.
namespace TextIcons {

inline constexpr int side = 32;

// index: bit 0 glyphs turned, bit 1 inverted (fans only).
QPixmap Rotation(int index, bool fan);

} // namespace TextIcons
