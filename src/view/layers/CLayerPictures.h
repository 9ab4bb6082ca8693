#pragma once

#include <QIcon>
#include <QPixmap>

class CSymbolObj;
class QColor;

// The layer window's pictures: its own button and check-box drawings, the
// text icon and each object's 32 x 32 thumbnail.
namespace CLayerPictures {

inline constexpr int thumbnailSide = 32;
inline constexpr int checkSide = 16;

// name: a drawing of icons/ ("layer-up", "join-lower", ...).
QIcon ButtonIcon(const char* name, int width, int height);
const QPixmap& CheckBox(bool checked);

// The object's picture fitted with its aspect kept and centred on the
// window colour, the transparent key showing as the window colour; text
// objects show the text icon.
QPixmap Thumbnail(CSymbolObj& object, const QColor& window);

} // namespace CLayerPictures
