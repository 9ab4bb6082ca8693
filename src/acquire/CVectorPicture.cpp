#include "CVectorPicture.h"

#include "imaging/AlphaKey.h"
#include "imaging/CDibImage.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPdfDocument>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>

namespace {

// A plate is at most 90 mm: a side beyond this is no drawing to make.
constexpr int maxDots = 16384;

// A length of the root element ("20mm", "1.5in", "300", "72pt") in
// inches; 0 when it is missing, relative or not a length.
double SvgLengthInches(QStringView text)
{
    static const std::pair<const char*, double> units[] = {
        {"mm", 1 / 25.4}, {"cm", 1 / 2.54}, {"in", 1.0}, {"pt", 1 / 72.0}, {"pc", 1 / 6.0}, {"px", 1 / 96.0}};
    text = text.trimmed();
    double perUnit = 1 / 96.0; // a bare number is in CSS pixels
    for (const auto& [suffix, inches] : units)
        if (text.endsWith(QLatin1String(suffix))) {
            text.chop(2);
            perUnit = inches;
            break;
        }
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok && value > 0 ? value * perUnit : 0;
}

// The size written on the root element: QtSvg's own default size is whole
// pixels at another resolution, too coarse for a logo's millimetres.
QSizeF SvgPaperInches(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader xml(&file);
    while (!xml.atEnd() && !xml.isStartElement())
        xml.readNext();
    if (!xml.isStartElement() || xml.name() != QLatin1String("svg"))
        return {};
    const QXmlStreamAttributes attributes = xml.attributes();
    return {SvgLengthInches(attributes.value(QLatin1String("width"))),
            SvgLengthInches(attributes.value(QLatin1String("height")))};
}

class SvgSource : public CVectorPicture::Source
{
public:
    explicit SvgSource(const QString& path) : m_renderer(path), m_paper(SvgPaperInches(path)) {}
    bool IsValid() const { return m_renderer.isValid() && !Size().isEmpty(); }

    QSizeF Size() const override
    {
        const QRectF box = m_renderer.viewBoxF();
        return box.isEmpty() ? QSizeF(m_renderer.defaultSize()) : box.size();
    }

    // Its width and height as written; without them, its default size (QtSvg
    // counts 90 to the inch).
    QSizeF Inches() const override
    {
        return m_paper.isEmpty() ? QSizeF(m_renderer.defaultSize()) / 90.0 : m_paper;
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
    QSizeF m_paper;
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
    QSizeF Inches() const override { return Size() / 72.0; }
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

CSize CVectorPicture::PaperSize() const
{
    const QSizeF inches = m_pSource->Inches();
    const auto mm100 = [](double side) { return int(std::clamp(std::lround(side * 2540), 1L, 1000000L)); };
    return {mm100(inches.width()), mm100(inches.height())};
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
