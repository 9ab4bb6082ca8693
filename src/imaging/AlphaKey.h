#pragma once

#include "ColorRef.h"

#include <QImage>

// A picture with an alpha channel as the plate understands transparency:
// 24 bits where a pixel less than half opaque becomes the transparent key
// colour, and an opaque pixel that happens to have the key's colour is
// moved one step off it. Header-only: the image plug-ins use it too, and
// they share no library with the program.
namespace AlphaKey {

// Format_RGB888 (R,G,B bytes), the key decided at 50 % alpha.
inline QImage Flatten(const QImage& source)
{
    const QImage argb = source.convertToFormat(QImage::Format_ARGB32);
    QImage flat(argb.size(), QImage::Format_RGB888);
    if (flat.isNull())
        return flat;
    const int keyRed = GetRValue(transparentKey), keyGreen = GetGValue(transparentKey), keyBlue = GetBValue(transparentKey);
    for (int y = 0; y < argb.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        uchar* out = flat.scanLine(y);
        for (int x = 0; x < argb.width(); ++x, out += 3) {
            const QRgb pixel = in[x];
            int red = qRed(pixel), green = qGreen(pixel), blue = qBlue(pixel);
            if (qAlpha(pixel) < 128) {
                red = keyRed, green = keyGreen, blue = keyBlue;
            } else if (red == keyRed && green == keyGreen && blue == keyBlue) {
                red = GetRValue(keyReplacement), green = GetGValue(keyReplacement), blue = GetBValue(keyReplacement);
            }
            out[0] = uchar(red);
            out[1] = uchar(green);
            out[2] = uchar(blue);
        }
    }
    return flat;
}

} // namespace AlphaKey
