#include "CLayerPictures.h"

#include "imaging/CDibImage.h"
#include "imaging/ColorRef.h"
#include "objects/CSymbolObj.h"

#include <QPainter>
#include <QSvgRenderer>

namespace CLayerPictures {

namespace {

QPixmap Render(const QString& resource, int width, int height)
{
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

QString Resource(const char* name)
{
    return QStringLiteral(":/layers/icons/%1.svg").arg(QLatin1String(name));
}

} // namespace

QIcon ButtonIcon(const char* name, int width, int height)
{
    return QIcon(Render(Resource(name), width, height));
}

const QPixmap& CheckBox(bool checked)
{
    static const QPixmap on = Render(Resource("check-on"), checkSide, checkSide);
    static const QPixmap off = Render(Resource("check-off"), checkSide, checkSide);
    return checked ? on : off;
}

QPixmap Thumbnail(CSymbolObj& object, const QColor& window)
{
    if (object.Kind() == SOK_TEXT)
        return Render(Resource("layer-text"), thumbnailSide, thumbnailSide);
    QPixmap thumbnail(thumbnailSide, thumbnailSide);
    thumbnail.fill(window);
    const CDibImage* image = object.GetImage(false);
    if (!image || image->IsEmpty())
        return thumbnail;
    QImage picture = image->ToQImage().convertToFormat(QImage::Format_RGB32);
    const QRgb key = qRgb(GetRValue(transparentKey), GetGValue(transparentKey), GetBValue(transparentKey));
    const QRgb background = window.rgb();
    for (int y = 0; y < picture.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            if ((row[x] & 0xFFFFFF) == (key & 0xFFFFFF))
                row[x] = background;
    }
    const QImage fitted = picture.scaled(thumbnailSide, thumbnailSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPainter painter(&thumbnail);
    painter.drawImage((thumbnailSide - fitted.width()) / 2, (thumbnailSide - fitted.height()) / 2, fitted);
    return thumbnail;
}

} // namespace CLayerPictures
