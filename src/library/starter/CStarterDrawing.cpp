#include "CStarterDrawing.h"

#include "imaging/CDibImage.h"
#include "imaging/ColorRef.h"
#include "objects/CDibObj.h"
#include "objects/ObjectFlags.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>

namespace {

constexpr std::uint32_t kindFlags[3] = {flagsMaterial, flagsFrame, flagsSymbol};
// The black edge: wide enough to stay a solid line in a 64-pixel thumbnail.
constexpr double edgeThumbnailPixels = 1.2;
constexpr double thumbnailSide = 64;

// The drawing in colour over a transparent ground, antialiased.
QImage Draw(QSvgRenderer& renderer, QSize pixels)
{
    QImage drawn(pixels, QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    QPainter painter(&drawn);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    return drawn.convertToFormat(QImage::Format_ARGB32);
}

// Half covered or more is drawing; the rest is ground.
bool IsDrawn(QRgb pixel)
{
    return qAlpha(pixel) >= 128;
}

bool ToMaterial(const QImage& drawn, CDibImage& picture)
{
    const COLORREF table[2] = {RGB(0, 0, 0), RGB(255, 255, 255)};
    if (!picture.Create(drawn.width(), drawn.height(), 1, colorNone, table))
        return false;
    QImage surface = picture.PaintSurface();
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x) {
            const QRgb pixel = drawn.pixel(x, y);
            surface.setPixel(x, y, IsDrawn(pixel) && qGray(pixel) < 128 ? 0 : 1);
        }
    return true;
}

// The drawing grown by a radius: copies of it laid around a circle.
QImage Halo(const QImage& drawn, double radius)
{
    QImage halo(drawn.size(), QImage::Format_ARGB32_Premultiplied);
    halo.fill(Qt::transparent);
    QPainter painter(&halo);
    constexpr int steps = 16;
    for (int i = 0; i < steps; ++i) {
        const double angle = 2 * M_PI * i / steps;
        painter.drawImage(QPointF(radius * std::cos(angle), radius * std::sin(angle)), drawn);
    }
    painter.drawImage(0, 0, drawn);
    painter.end();
    return halo.convertToFormat(QImage::Format_ARGB32);
}

// Frames and symbols are engraved: the drawing is marked (white on the
// black plate), and a thin black edge around it keeps it visible on the
// library's white thumbnails. The rest is transparent.
bool ToPicture(const QImage& drawn, double edgePixels, CDibImage& picture)
{
    if (!picture.Create(drawn.width(), drawn.height(), 24))
        return false;
    const QImage halo = Halo(drawn, edgePixels);
    QImage surface = picture.PaintSurface();
    const QRgb key = qRgb(GetRValue(transparentKey), GetGValue(transparentKey), GetBValue(transparentKey));
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x) {
            const QRgb colour = IsDrawn(drawn.pixel(x, y)) ? qRgb(255, 255, 255)
                                : IsDrawn(halo.pixel(x, y)) ? qRgb(0, 0, 0) : key;
            surface.setPixel(x, y, colour);
        }
    return true;
}

} // namespace

std::unique_ptr<CDibObj> CStarterDrawing::Render(const QString& svgPath, int kind, int dotsPerInch)
{
    if (kind < 0 || kind > 2 || dotsPerInch <= 0)
        return nullptr;
    QSvgRenderer renderer(svgPath);
    const QRectF box = renderer.viewBoxF();
    if (!renderer.isValid() || box.isEmpty())
        return nullptr;
    // The view box is in millimetres.
    const QSize pixels(int(std::lround(box.width() * dotsPerInch / 25.4)),
                       int(std::lround(box.height() * dotsPerInch / 25.4)));
    const QImage drawn = Draw(renderer, pixels);
    CDibImage picture;
    const double edgePixels = edgeThumbnailPixels * std::max(pixels.width(), pixels.height()) / thumbnailSide;
    if (!(kind == 0 ? ToMaterial(drawn, picture) : ToPicture(drawn, edgePixels, picture)))
        return nullptr;
    auto entry = std::make_unique<CDibObj>();
    if (!entry->SetImageFrom(&picture, kindFlags[kind], kind == 0))
        return nullptr;
    entry->SetBounds(0, 0, int(std::lround(box.width() * 100)), int(std::lround(box.height() * 100)));
    return entry;
}
