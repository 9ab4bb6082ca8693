#pragma once

#include <QPixmap>

// The pictures on Material Setup's shape buttons: the rectangle, the
// diamond and the ellipse, each drawn on its own transparent square.
namespace MaterialShapeIcons {

inline constexpr int side = 18;

// shape: 0 rectangle, 1 diamond, 2 ellipse.
QPixmap Icon(int shape);

} // namespace MaterialShapeIcons
