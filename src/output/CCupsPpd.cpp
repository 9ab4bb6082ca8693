#include "CCupsPpd.h"

#include "CCupsConnection.h"

#include <cups/cups.h>
#include <cups/ppd.h>

#include <QRegularExpression>

#include <cstring>

#include <unistd.h>

// libcups marks its PPD calls deprecated in favour of the IPP attributes,
// but a driver's own options and their defaults (the engraver's adjustments)
// are only found in the PPD. Every PPD call of the program is in this file.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

CCupsPpd::CCupsPpd(const QString& queue)
{
    const CCupsConnection connection;
    const char* fileName = connection.Http() ? cupsGetPPD2(connection.Http(), queue.toUtf8().constData()) : nullptr;
    if (!fileName)
        return;
    m_fileName = fileName;
    m_pPpd = ppdOpenFile(m_fileName.constData());
    if (m_pPpd)
        ppdMarkDefaults(m_pPpd);
}

CCupsPpd::~CCupsPpd()
{
    if (m_pPpd)
        ppdClose(m_pPpd);
    // The scheduler's copy was fetched into a temporary file for us alone.
    if (!m_fileName.isEmpty())
        unlink(m_fileName.constData());
}

QString CCupsPpd::DefaultChoice(const char* keyword) const
{
    if (!m_pPpd)
        return {};
    const ppd_option_t* option = ppdFindOption(m_pPpd, keyword);
    return option ? QString::fromUtf8(option->defchoice) : QString();
}

int CCupsPpd::DefaultResolution() const
{
    if (!m_pPpd)
        return 0;
    // "529dpi", or "600x1200dpi" with the horizontal resolution first.
    QString text = DefaultChoice("Resolution");
    if (text.isEmpty()) {
        const ppd_attr_t* attribute = ppdFindAttr(m_pPpd, "DefaultResolution", nullptr);
        text = attribute ? QString::fromUtf8(attribute->value) : QString();
    }
    static const QRegularExpression leadingNumber(QStringLiteral("^\\s*(\\d+)"));
    const QRegularExpressionMatch match = leadingNumber.match(text);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

QSizeF CCupsPpd::DefaultPaperPoints() const
{
    if (!m_pPpd)
        return {};
    const ppd_size_t* size = ppdPageSize(m_pPpd, nullptr);
    if (!size || size->width <= 0 || size->length <= 0)
        return {};
    return {size->width, size->length};
}

std::vector<CCupsPpd::PaperSize> CCupsPpd::PaperSizes() const
{
    std::vector<PaperSize> sizes;
    if (!m_pPpd)
        return sizes;
    ppd_option_t* option = ppdFindOption(m_pPpd, "PageSize");
    for (int i = 0; i < m_pPpd->num_sizes; ++i) {
        const ppd_size_t& size = m_pPpd->sizes[i];
        if (size.width <= 0 || size.length <= 0 || !std::strcmp(size.name, "Custom"))
            continue;
        const ppd_choice_t* choice = option ? ppdFindChoice(option, size.name) : nullptr;
        const QRectF paper(0, 0, size.width, size.length);
        // The PPD counts from the bottom-left corner, upward.
        const QRectF printable = QRectF(QPointF(size.left, size.length - size.top),
                                        QPointF(size.right, size.length - size.bottom)).intersected(paper);
        sizes.push_back({QString::fromUtf8(size.name), QString::fromUtf8(choice ? choice->text : size.name),
                         QSizeF(size.width, size.length), printable.isEmpty() ? paper : printable});
    }
    return sizes;
}

CCupsPpd::PaperSize CCupsPpd::Paper(const QString& name) const
{
    if (!m_pPpd)
        return {};
    const std::vector<PaperSize> sizes = PaperSizes();
    for (const PaperSize& size : sizes) {
        if (size.name == name)
            return size;
    }
    const QString fallback = DefaultChoice("PageSize");
    for (const PaperSize& size : sizes) {
        if (size.name == fallback)
            return size;
    }
    const QSizeF points = DefaultPaperPoints();
    return points.isEmpty() ? PaperSize{} : PaperSize{fallback, fallback, points, QRectF(QPointF(), points)};
}
