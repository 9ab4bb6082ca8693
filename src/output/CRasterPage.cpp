#include "CRasterPage.h"

#include "imaging/CDibImage.h"

#include <cups/raster.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

struct SinkContext
{
    const CRasterPage::Sink* sink;
};

ssize_t WriteToSink(void* context, unsigned char* bytes, size_t length)
{
    const auto* sinkContext = static_cast<SinkContext*>(context);
    return (*sinkContext->sink)(bytes, length) ? ssize_t(length) : -1;
}

void CopyText(char* field, std::size_t size, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::memset(field, 0, size);
    std::memcpy(field, bytes.constData(), std::min(std::size_t(bytes.size()), size - 1));
}

cups_page_header2_t Header(const CRasterPage::Format& format)
{
    cups_page_header2_t header;
    std::memset(&header, 0, sizeof header);
    header.HWResolution[0] = unsigned(format.resolution);
    header.HWResolution[1] = unsigned(format.resolution);
    header.PageSize[0] = unsigned(format.widthPoints);
    header.PageSize[1] = unsigned(format.heightPoints);
    header.ImagingBoundingBox[2] = unsigned(format.widthPoints);
    header.ImagingBoundingBox[3] = unsigned(format.heightPoints);
    header.NumCopies = unsigned(std::max(1, format.copies));
    header.cupsWidth = unsigned(format.widthDots);
    header.cupsHeight = unsigned(format.heightDots);
    header.cupsMediaType = 0;
    header.cupsBitsPerColor = 8;
    header.cupsBitsPerPixel = 24;
    header.cupsBytesPerLine = unsigned(format.widthDots) * 3;
    header.cupsColorOrder = CUPS_ORDER_CHUNKED;
    header.cupsColorSpace = CUPS_CSPACE_RGB;
    header.cupsNumColors = 3;
    header.cupsPageSize[0] = float(format.widthPoints);
    header.cupsPageSize[1] = float(format.heightPoints);
    header.cupsImagingBBox[2] = float(format.widthPoints);
    header.cupsImagingBBox[3] = float(format.heightPoints);
    CopyText(header.cupsPageSizeName, sizeof header.cupsPageSizeName, format.paperName);
    return header;
}

} // namespace

void CRasterPage::ComposeRow(const CDibImage& plate, CSize offset, int pageRow, unsigned char* row, int widthDots)
{
    std::memset(row, 0xFF, std::size_t(widthDots) * 3);
    const int plateRow = pageRow - offset.cy;
    if (plateRow < 0 || plateRow >= plate.Height())
        return;
    const int first = std::max(0, offset.cx);
    const int last = std::min(widthDots, offset.cx + plate.Width());
    const std::uint8_t* source = plate.Row(plateRow) + 3 * std::size_t(first - offset.cx);
    unsigned char* target = row + 3 * std::size_t(first);
    for (int x = first; x < last; ++x, source += 3, target += 3) {
        target[0] = source[2];
        target[1] = source[1];
        target[2] = source[0];
    }
}

bool CRasterPage::Write(const CDibImage& plate, CSize offset, const Format& format, const Sink& sink)
{
    if (plate.BitCount() != 24 || format.resolution <= 0 || format.widthDots <= 0 || format.heightDots <= 0)
        return false;
    SinkContext context{&sink};
    // Compressed: a plate is mostly runs of one colour, and the bytes go
    // through the scheduler's socket and its spool.
    cups_raster_t* raster = cupsRasterOpenIO(WriteToSink, &context, CUPS_RASTER_WRITE_COMPRESSED);
    if (!raster)
        return false;
    cups_page_header2_t header = Header(format);
    bool written = cupsRasterWriteHeader2(raster, &header) != 0;
    std::vector<unsigned char> row(std::size_t(format.widthDots) * 3);
    for (int y = 0; written && y < format.heightDots; ++y) {
        ComposeRow(plate, offset, y, row.data(), format.widthDots);
        written = cupsRasterWritePixels(raster, row.data(), unsigned(row.size())) == row.size();
    }
    cupsRasterClose(raster);
    return written;
}
