#pragma once

#include "platform/CRect.h"
#include "platform/CSize.h"

#include <QRect>

// Where the Material Setup preview draws: the square it uses inside its
// frame, a built-in shape fitted into it, and the part of a library
// material's picture that a smaller plate keeps.
class CMaterialPreviewRules
{
public:
    static constexpr int margin = 4; // pixels, on the frame's shorter side

    // The largest centred square inside the frame with the margin on its
    // shorter side.
    static QRect Square(const QRect& frame);

    // The square shrunk across the material's shorter side so that it has
    // the material's proportions (width and height in 0.01 mm).
    static QRect FitShape(const QRect& square, CSize material);

    // The centred part of a library material's picture (pixels) that a
    // plate of the material size shows: the object is sized objectSize
    // (0.01 mm); a smaller plate cuts the rest away, half on each side.
    static CRect LibraryPart(CSize picture, CSize objectSize, CSize material);

private:
    static int Cut(int picture, int object, int material);
};
