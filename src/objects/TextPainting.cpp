#include "TextPainting.h"

#include "imaging/QtColor.h"

#include "imaging/CDibImage.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>

#include <algorithm>

namespace TextPainting {

QColor ToQColor(COLORREF color)
{
    return ::ToQColor(color);
}

QStringList SplitLines(const QString& text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    return text.split(lineBreak);
}

LinesSize MeasureLines(const QFont& font, const QStringList& lines)
{
    const QFontMetrics fm(font);
    LinesSize size;
    for (const QString& line : lines)
        size.width = std::max(size.width, fm.horizontalAdvance(line));
    // Kept in range for damaged texts of countless lines.
    const std::int64_t height = std::int64_t(lines.size()) * (fm.ascent() + fm.descent());
    size.height = int(std::min<std::int64_t>(height, 1 << 30));
    return size;
}

void DrawLines(QPainter& painter, const QFont& font, const QStringList& lines, const CRect& rect, int format)
{
    const QFontMetrics fm(font);
    const int cell = fm.ascent() + fm.descent();
    painter.setFont(font);
    int baseline = rect.top + fm.ascent();
    for (const QString& line : lines) {
        const int advance = fm.horizontalAdvance(line);
        int x = rect.left;
        if (format & 2)
            x = rect.right - advance;
        else if (format & 1)
            x = rect.left + (rect.Width() - advance) / 2;
        if (!line.isEmpty())
            painter.drawText(QPoint(x, baseline), line);
        baseline += cell;
    }
}

bool HalveInto(const CDibImage& source, CDibImage& target)
{
    if (source.BitCount() != 24 || target.BitCount() != 24 || source.Width() != 2 * target.Width()
        || source.Height() != 2 * target.Height())
        return false;
    for (int y = 0; y < target.Height(); ++y) {
        const std::uint8_t* upper = source.Row(2 * y);
        const std::uint8_t* lower = source.Row(2 * y + 1);
        std::uint8_t* out = target.Row(y);
        for (int x = 0; x < target.Width() * 3; x += 3) {
            const int s = 2 * x;
            for (int c = 0; c < 3; ++c)
                out[x + c] = std::uint8_t((upper[s + c] + upper[s + 3 + c] + lower[s + c] + lower[s + 3 + c]) >> 2);
        }
    }
    return true;
}

QRect VisibleArea(const QPainter& painter)
{
    const QPaintDevice* device = painter.device();
    bool invertible = false;
    const QTransform toLogical = painter.combinedTransform().inverted(&invertible);
    if (!device || !invertible)
        return {};
    QRectF area = toLogical.mapRect(QRectF(0, 0, device->width(), device->height()));
    if (painter.hasClipping())
        area = area.intersected(painter.clipBoundingRect());
    return area.toAlignedRect();
}

int NextOpaqueRun(const QRgb* row, int width, int from, int* end)
{
    int x = from;
    while (x < width && qAlpha(row[x]) != 255)
        ++x;
    int after = x;
    while (after < width && qAlpha(row[after]) == 255)
        ++after;
    *end = after;
    return x;
}

bool DrawKeyed(QPainter& painter, const CDibImage& image, int x, int y)
{
    if (image.BitCount() != 24 || image.IsEmpty())
        return false;
    QImage keyed(image.Width(), image.Height(), QImage::Format_ARGB32);
    if (keyed.isNull())
        return false;
    for (int row = 0; row < image.Height(); ++row) {
        const std::uint8_t* in = image.Row(row);
        auto* out = reinterpret_cast<QRgb*>(keyed.scanLine(row));
        for (int column = 0; column < image.Width(); ++column, in += 3) {
            const COLORREF color = RGB(in[2], in[1], in[0]);
            out[column] = color == transparentKey ? 0 : qRgb(in[2], in[1], in[0]);
        }
    }
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawImage(QPoint(x, y), keyed);
    painter.restore();
    return true;
}

} // namespace TextPainting
