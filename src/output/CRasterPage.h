#pragma once

#include "platform/CSize.h"

#include <QString>

#include <cstddef>
#include <functional>

class CDibImage;

// One page of the engraver's job as CUPS raster: the queue's page at the
// queue's resolution, 8-bit RGB, white where nothing is engraved and the
// plate's pixels untouched at their offset. Nothing on the way resamples,
// smooths or re-encodes a dot, so the engraver's driver gets the plate
// exactly as it was rendered.
class CRasterPage
{
public:
    struct Format
    {
        int resolution = 0;         // dots per inch, both ways
        int widthDots = 0;          // the page in dots
        int heightDots = 0;
        int widthPoints = 0;        // the page in points, as the PPD has it
        int heightPoints = 0;
        QString paperName;          // the PPD's keyword for the page
        int copies = 1;
    };

    // Receives the raster bytes in order; false stops the page.
    using Sink = std::function<bool(const unsigned char* bytes, std::size_t length)>;

    // The plate (24 bits) placed with its top-left corner at `offset` on the
    // page; what lies beyond the page is cut off. False when the format
    // makes no page or the sink refused bytes.
    static bool Write(const CDibImage& plate, CSize offset, const Format& format, const Sink& sink);

    // One page row: white, with the plate's row (B,G,R) turned into R,G,B
    // where it falls on the page. `row` holds widthDots * 3 bytes.
    static void ComposeRow(const CDibImage& plate, CSize offset, int pageRow, unsigned char* row, int widthDots);
};
