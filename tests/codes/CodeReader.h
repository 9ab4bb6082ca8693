#pragma once

// Reads the codes on a plate with zxing-cpp, a reader of its own that
// shares nothing with how the program encodes or draws them.
#include "imaging/CDibImage.h"

#define ZX_USE_UTF8 1
#include <ZXing/ReadBarcode.h>

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

// The texts of the codes found, light modules on dark ground or dark on
// light (the plate engraves white on black).
inline QStringList ReadCodes(const CDibImage& image)
{
    const int w = image.Width(), h = image.Height();
    std::vector<std::uint8_t> grey(std::size_t(w) * std::size_t(h)), inverted(grey.size());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const COLORREF c = image.GetPixel(x, y);
            const int v = (GetRValue(c) + GetGValue(c) + GetBValue(c)) / 3;
            grey[std::size_t(y) * w + x] = std::uint8_t(v);
            inverted[std::size_t(y) * w + x] = std::uint8_t(255 - v);
        }
    ZXing::DecodeHints hints;
    hints.setTryHarder(true);
    hints.setTryRotate(false);
    QStringList texts;
    for (const auto* pixels : {&grey, &inverted})
        for (const ZXing::Result& result : ZXing::ReadBarcodes({pixels->data(), w, h, ZXing::ImageFormat::Lum}, hints))
            if (result.isValid())
                texts << QString::fromStdString(result.utf8());
    return texts;
}
