#pragma once

// Reading a CUPS raster job back as the engraver's driver does, and the
// page the plate should have made.
#include "imaging/CDibImage.h"
#include "output/CRasterPage.h"

#include <cups/raster.h>

#include <QByteArray>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

struct DecodedPage
{
    cups_page_header2_t header{};
    CDibImage rgb; // R,G,B bytes per pixel, in the page's row order
    bool ok = false;
};

inline ssize_t ReadFromBytes(void* context, unsigned char* buffer, size_t length)
{
    auto* bytes = static_cast<QByteArray*>(context);
    const size_t count = std::min(length, size_t(bytes->size()));
    std::memcpy(buffer, bytes->constData(), count);
    bytes->remove(0, qsizetype(count));
    return ssize_t(count);
}

// The page as the engraver's driver reads it, through libcups.
inline DecodedPage Decode(QByteArray bytes)
{
    DecodedPage page;
    cups_raster_t* raster = cupsRasterOpenIO(ReadFromBytes, &bytes, CUPS_RASTER_READ);
    if (!raster)
        return page;
    if (cupsRasterReadHeader2(raster, &page.header) && page.header.cupsBitsPerPixel == 24
        && page.rgb.Create(int(page.header.cupsWidth), int(page.header.cupsHeight), 24)) {
        page.ok = true;
        for (unsigned y = 0; page.ok && y < page.header.cupsHeight; ++y)
            page.ok = cupsRasterReadPixels(raster, page.rgb.Row(int(y)), page.header.cupsBytesPerLine)
                      == page.header.cupsBytesPerLine;
        // One page, nothing after it.
        cups_page_header2_t next;
        page.ok = page.ok && !cupsRasterReadHeader2(raster, &next);
    }
    cupsRasterClose(raster);
    return page;
}

// The plate centred on a white page, its half rounded toward minus
// infinity, in R,G,B: what the page must be.
inline CDibImage ExpectedPage(const CDibImage& plate, int width, int height)
{
    const CSize offset{int(std::floor((width - plate.Width()) / 2.0)), int(std::floor((height - plate.Height()) / 2.0))};
    CDibImage page;
    page.Create(width, height, 24);
    for (int y = 0; y < height; ++y)
        CRasterPage::ComposeRow(plate, offset, y, page.Row(y), width);
    return page;
}

// The first pixel where two pages differ, for the failure message.
inline std::string FirstDifference(const CDibImage& a, const CDibImage& b)
{
    if (a.Width() != b.Width() || a.Height() != b.Height())
        return "sizes differ";
    for (int y = 0; y < a.Height(); ++y)
        if (std::memcmp(a.Row(y), b.Row(y), std::size_t(a.Width()) * 3) != 0)
            for (int x = 0; x < a.Width(); ++x)
                if (std::memcmp(a.Row(y) + 3 * x, b.Row(y) + 3 * x, 3) != 0)
                    return "first at " + std::to_string(x) + "," + std::to_string(y);
    return {};
}
