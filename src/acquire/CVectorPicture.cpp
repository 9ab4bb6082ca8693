#include "CVectorPicture.h"

#include "imaging/AlphaKey.h"
#include "imaging/CDibImage.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPdfDocument>
#include <QSvgRenderer>

namespace {

// A plate is at most 90 mm: a side beyond this is no drawing to make.
constexpr int maxDots = 16384;

class SvgSource : public CVectorPicture::Source
{
public:
    explicit SvgSource(const QString& path) : m_renderer(path) {}
    bool IsValid() const { return m_renderer.isValid() && !Size().isEmpty(); }

    QSizeF Size() const override
    {
        const QRectF box = m_renderer.viewBoxF();
        return box.isEmpty() ? QSizeF(m_renderer.defaultSize()) : box.size();
    }

    QImage Render(QSize pixels) const override
    {
        QImage drawn(pixels, QImage::Format_ARGB32_Premultiplied);
        if (drawn.isNull())
            return drawn;
        drawn.fill(Qt::transparent);
        QPainter painter(&drawn);
        painter.setRenderHint(QPainter::Antialiasing);
        const_cast<QSvgRenderer&>(m_renderer).render(&painter, QRectF(QPointF(), QSizeF(pixels)));
        return drawn;
    }

private:
    QSvgRenderer m_renderer;
};

// Only the first page: a logo comes as a one-page PDF.
class PdfSource : public CVectorPicture::Source
{
public:
    explicit PdfSource(const QString& path) { m_document.load(path); }
    bool IsValid() const
    {
        return m_document.status() == QPdfDocument::Status::Ready && m_document.pageCount() > 0 && !Size().isEmpty();
    }

    QSizeF Size() const override { return m_document.pagePointSize(0); }
    QImage Render(QSize pixels) const override { return const_cast<QPdfDocument&>(m_document).render(0, pixels); }

private:
    QPdfDocument m_document;
};

template <class Kind>
std::unique_ptr<CVectorPicture::Source> OpenAs(const QString& path)
{
    auto source = std::make_unique<Kind>(path);
    return source->IsValid() ? std::move(source) : nullptr;
}

} // namespace

std::unique_ptr<CVectorPicture> CVectorPicture::Open(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    std::unique_ptr<Source> source;
    if (suffix == QLatin1String("svg") || suffix == QLatin1String("svgz"))
        source = OpenAs<SvgSource>(path);
    else if (suffix == QLatin1String("pdf"))
        source = OpenAs<PdfSource>(path);
    return source ? std::unique_ptr<CVectorPicture>(new CVectorPicture(std::move(source))) : nullptr;
}

CVectorPicture::CVectorPicture(std::unique_ptr<Source> source) : m_pSource(std::move(source)) {}

CVectorPicture::~CVectorPicture() = default;

QSizeF CVectorPicture::NaturalSize() const
{
    return m_pSource->Size();
}

bool CVectorPicture::Draw(CSize dots, CDibImage& image) const
{
    if (dots.cx < 1 || dots.cy < 1 || dots.cx > maxDots || dots.cy > maxDots)
        return false;
    const QImage drawn = m_pSource->Render(QSize(dots.cx, dots.cy));
    if (drawn.size() != QSize(dots.cx, dots.cy))
        return false;
    return image.CreateFromRgb888(AlphaKey::Flatten(drawn));
}
