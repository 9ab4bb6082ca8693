#include "DibStretcher.h"

#include "CDibImage.h"
#include "DibFootprints.h"
#include "DibPixelFormat.h"

#include "platform/MulDiv.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

void StretchNearest(const CDibImage& from, const FlatFootprints& rows, const FlatFootprints& columns, QImage& out)
{
    for (std::size_t y = 0; y < rows.size(); ++y) {
        uchar* line = out.scanLine(int(y));
        if (rows.first[y] < 0) {
            std::fill(line, line + 3 * columns.size(), uchar(0));
            continue;
        }
        const std::uint8_t* in = from.Row(rows.first[y]);
        for (std::size_t x = 0; x < columns.size(); ++x, line += 3) {
            if (columns.first[x] < 0) {
                line[0] = line[1] = line[2] = 0;
                continue;
            }
            const std::uint8_t* p = in + 3 * std::size_t(columns.first[x]);
            line[0] = p[0];
            line[1] = p[1];
            line[2] = p[2];
        }
    }
}

void StretchArea(const CDibImage& from, const FlatFootprints& rows, const FlatFootprints& columns, QImage& out)
{
    std::vector<float> accumulator(3 * columns.size());
    for (std::size_t y = 0; y < rows.size(); ++y) {
        std::fill(accumulator.begin(), accumulator.end(), 0.0f);
        for (int r = 0; r < rows.Count(y); ++r) {
            const std::uint8_t* in = from.Row(rows.first[y] + r);
            const float wy = rows.weights[std::size_t(rows.offset[y] + r)];
            float* sum = accumulator.data();
            for (std::size_t x = 0; x < columns.size(); ++x, sum += 3) {
                const float* wx = columns.weights.data() + columns.offset[x];
                const std::uint8_t* p = in + 3 * std::size_t(std::max(0, columns.first[x]));
                for (int c = 0, n = columns.Count(x); c < n; ++c, p += 3) {
                    const float w = wy * wx[c];
                    sum[0] += w * p[0];
                    sum[1] += w * p[1];
                    sum[2] += w * p[2];
                }
            }
        }
        uchar* line = out.scanLine(int(y));
        for (std::size_t i = 0; i < accumulator.size(); i += 3) {
            line[i] = uchar(std::min(255.0f, accumulator[i] + 0.5f));
            line[i + 1] = uchar(std::min(255.0f, accumulator[i + 1] + 0.5f));
            line[i + 2] = uchar(std::min(255.0f, accumulator[i + 2] + 0.5f));
        }
    }
}

} // namespace

QImage DibStretcher::View(const CDibImage& image)
{
    if (image.IsEmpty())
        return {};
    const qsizetype stride = qsizetype(image.Stride());
    auto table = [&image] {
        QList<QRgb> colours;
        for (int i = 0; i < image.TableEntries(); ++i) {
            const COLORREF c = image.TableColor(i);
            colours << qRgb(GetRValue(c), GetGValue(c), GetBValue(c));
        }
        return colours;
    };
    switch (image.BitCount()) {
    case 24:
        return QImage(image.Bits(), image.Width(), image.Height(), stride, QImage::Format_BGR888);
    case 8: {
        QImage view(image.Bits(), image.Width(), image.Height(), stride, QImage::Format_Indexed8);
        view.setColorTable(table());
        return view;
    }
    case 1: {
        QImage view(image.Bits(), image.Width(), image.Height(), stride, QImage::Format_Mono);
        view.setColorTable(table());
        return view;
    }
    default:
        return image.ToQImage();
    }
}

bool DibStretcher::DrawAt(const CDibImage& image, QPainter& painter, int x, int y)
{
    const QImage view = View(image);
    if (view.isNull())
        return false;
    painter.drawImage(QPoint(x, y), view);
    return true;
}

bool DibStretcher::StretchDraw(const CDibImage& image, QPainter& painter, const CRect* dest, const CRect* src,
                               bool fit, StretchMode mode)
{
    if (image.IsEmpty())
        return false;
    if (!dest && !src && !fit)
        return DrawAt(image, painter, 0, 0);
    CRect d = dest ? *dest : CRect{0, 0, image.Width(), image.Height()};
    const CRect s = src ? *src : CRect{0, 0, image.Width(), image.Height()};
    if (s.Width() == 0 || s.Height() == 0 || d.Width() == 0 || d.Height() == 0)
        return false;
    if (fit) {
        const int w = d.Width(), h = d.Height(), sw = s.Width(), sh = s.Height();
        if (double(h) / sh >= double(w) / sw) {
            const int newHeight = MulDiv(sh, w, sw);
            d.top += (h - newHeight) / 2;
            d.bottom = d.top + newHeight;
        } else {
            const int newWidth = MulDiv(sw, h, sh);
            d.left += (w - newWidth) / 2;
            d.right = d.left + newWidth;
        }
    }
    CRect visible = d;
    visible.Normalize();
    if (painter.hasClipping()) {
        // Only the part that can show is computed: the view paints a small
        // window of a large plate.
        const QRect clip = painter.clipBoundingRect().toAlignedRect();
        visible.left = std::max(visible.left, clip.left());
        visible.top = std::max(visible.top, clip.top());
        visible.right = std::min(visible.right, clip.right() + 1);
        visible.bottom = std::min(visible.bottom, clip.bottom() + 1);
    }
    if (visible.IsEmpty())
        return true;
    const QImage stretched = Stretch(image, d, s, visible, mode);
    if (stretched.isNull())
        return false;
    painter.drawImage(QPoint(visible.left, visible.top), stretched);
    return true;
}

QImage DibStretcher::Stretch(const CDibImage& image, CRect dest, CRect src, CRect visible, StretchMode mode)
{
    const bool mirrorX = (dest.Width() < 0) != (src.Width() < 0);
    const bool mirrorY = (dest.Height() < 0) != (src.Height() < 0);
    dest.Normalize();
    src.Normalize();
    if (visible.IsEmpty() || dest.IsEmpty() || src.IsEmpty())
        return {};

    CDibImage converted;
    const CDibImage* from = &image;
    if (image.BitCount() != 24) {
        if (!converted.CopyImage(image) || !converted.ConvertDepth(24))
            return {};
        from = &converted;
    }
    const auto footprints = mode == StretchMode::Halftone ? AreaFootprints : NearestFootprints;
    const FlatFootprints columns(footprints(visible.left - dest.left, visible.right - dest.left, dest.Width(),
                                            src.left, src.Width(), mirrorX),
                                 from->Width());
    const FlatFootprints rows(footprints(visible.top - dest.top, visible.bottom - dest.top, dest.Height(), src.top,
                                         src.Height(), mirrorY),
                              from->Height());

    QImage out(visible.Width(), visible.Height(), QImage::Format_BGR888);
    if (out.isNull())
        return {};
    if (mode == StretchMode::Halftone)
        StretchArea(*from, rows, columns, out);
    else
        StretchNearest(*from, rows, columns, out);
    return out;
}
