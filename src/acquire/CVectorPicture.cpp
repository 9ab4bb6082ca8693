#include "CVectorPicture.h"

#include "imaging/AlphaKey.h"
#include "imaging/CDibImage.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

namespace {

// A plate is at most 90 mm: a side beyond this is no drawing to make.
constexpr int maxDots = 16384;

} // namespace

std::unique_ptr<CVectorPicture> CVectorPicture::Open(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("svg") && suffix != QLatin1String("svgz"))
        return nullptr;
    auto renderer = std::make_unique<QSvgRenderer>(path);
    if (!renderer->isValid() || renderer->defaultSize().isEmpty())
        return nullptr;
    return std::unique_ptr<CVectorPicture>(new CVectorPicture(std::move(renderer)));
}

CVectorPicture::CVectorPicture(std::unique_ptr<QSvgRenderer> renderer) : m_pRenderer(std::move(renderer)) {}

CVectorPicture::~CVectorPicture() = default;

QSizeF CVectorPicture::NaturalSize() const
{
    const QRectF box = m_pRenderer->viewBoxF();
    return box.isEmpty() ? QSizeF(m_pRenderer->defaultSize()) : box.size();
}

bool CVectorPicture::Draw(CSize dots, CDibImage& image) const
{
    if (dots.cx < 1 || dots.cy < 1 || dots.cx > maxDots || dots.cy > maxDots)
        return false;
    QImage drawn(dots.cx, dots.cy, QImage::Format_ARGB32_Premultiplied);
    if (drawn.isNull())
        return false;
    drawn.fill(Qt::transparent);
    {
        QPainter painter(&drawn);
        painter.setRenderHint(QPainter::Antialiasing);
        m_pRenderer->render(&painter, QRectF(0, 0, dots.cx, dots.cy));
    }
    const QImage flat = AlphaKey::Flatten(drawn);
    if (flat.isNull() || !image.Create(dots.cx, dots.cy, 24))
        return false;
    for (int y = 0; y < dots.cy; ++y) {
        const uchar* in = flat.constScanLine(y);
        std::uint8_t* out = image.Row(y);
        for (int x = 0; x < dots.cx; ++x, in += 3, out += 3) {
            out[0] = in[2];
            out[1] = in[1];
            out[2] = in[0];
        }
    }
    return true;
}
