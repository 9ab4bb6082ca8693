#include "CMaterialPreviewRules.h"

#include <algorithm>
#include <cstdint>

QRect CMaterialPreviewRules::Square(const QRect& frame)
{
    const int shorter = std::min(frame.width(), frame.height());
    const int longer = std::max(frame.width(), frame.height());
    const int side = std::max(shorter - 2 * margin, 0);
    const int inset = (longer - shorter + 2 * margin) / 2;
    if (frame.width() >= frame.height())
        return {frame.left() + inset, frame.top() + margin, side, side};
    return {frame.left() + margin, frame.top() + inset, side, side};
}

QRect CMaterialPreviewRules::FitShape(const QRect& square, CSize material)
{
    if (material.cx <= 0 || material.cy <= 0)
        return square;
    QRect fitted = square;
    if (material.cy < material.cx) {
        const int shrink = int((1.0 - double(material.cy) / material.cx) * square.height() / 2);
        fitted.adjust(0, shrink, 0, -shrink);
    } else if (material.cx < material.cy) {
        const int shrink = int((1.0 - double(material.cx) / material.cy) * square.width() / 2);
        fitted.adjust(shrink, 0, -shrink, 0);
    }
    return fitted;
}

int CMaterialPreviewRules::Cut(int picture, int object, int material)
{
    if (object <= 0 || material >= object)
        return 0;
    return int(std::int64_t(object - material) * picture / object);
}

CRect CMaterialPreviewRules::LibraryPart(CSize picture, CSize objectSize, CSize material)
{
    const int halfX = Cut(picture.cx, objectSize.cx, material.cx) / 2;
    const int halfY = Cut(picture.cy, objectSize.cy, material.cy) / 2;
    return {halfX, halfY, picture.cx - halfX, picture.cy - halfY};
}
