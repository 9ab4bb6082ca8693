#pragma once

// Reads the codes on a plate with zxing-cpp, a reader of its own that
// shares nothing with how the program encodes or draws them.
#include "imaging/CDibImage.h"

#define ZX_USE_UTF8 1
#include <ZXing/ReadBarcode.h>

#include <QRect>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cstdint>
#include <vector>

// The texts of the codes found in part of a grey picture.
inline QStringList ReadCodesIn(const std::vector<std::uint8_t>& grey, int width, const QRect& part)
{
    ZXing::DecodeHints hints;
    hints.setTryHarder(true);
    hints.setTryRotate(false);
    const std::uint8_t* first = grey.data() + std::size_t(part.top()) * width + part.left();
    QStringList texts;
    for (const ZXing::Result& result :
         ZXing::ReadBarcodes({first, part.width(), part.height(), ZXing::ImageFormat::Lum, width}, hints))
        if (result.isValid())
            texts << QString::fromStdString(result.text());
    return texts;
}

// The texts of the codes on the plate, light modules on dark ground or
// dark on light (the plate engraves white on black). The reader's matrix
// detectors start from the middle of what they are shown, so, as a
// scanner is aimed at a code, it is shown the part of the plate that is
// marked when the whole plate shows nothing.
inline QStringList ReadCodes(const CDibImage& image)
{
    const int w = image.Width(), h = image.Height();
    const COLORREF ground = image.GetPixel(0, 0);
    std::vector<std::uint8_t> grey(std::size_t(w) * std::size_t(h)), inverted(grey.size());
    QRect marked;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const COLORREF c = image.GetPixel(x, y);
            const int v = (GetRValue(c) + GetGValue(c) + GetBValue(c)) / 3;
            grey[std::size_t(y) * w + x] = std::uint8_t(v);
            inverted[std::size_t(y) * w + x] = std::uint8_t(255 - v);
            if (c != ground)
                marked |= QRect(x, y, 1, 1);
        }
    const int margin = std::max(16, std::max(marked.width(), marked.height()) / 10);
    const QRect aimed = marked.adjusted(-margin, -margin, margin, margin) & QRect(0, 0, w, h);
    for (const QRect& part : {QRect(0, 0, w, h), aimed}) {
        QStringList texts;
        for (const auto* pixels : {&grey, &inverted})
            texts << ReadCodesIn(*pixels, w, part);
        if (!texts.isEmpty() || part.isEmpty())
            return texts;
    }
    return {};
}
