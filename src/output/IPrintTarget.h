#pragma once

#include "platform/CSize.h"

class CDibImage;

// Where a rendered plate goes when it is printed: the engraver's raster
// job, or a proof on an ordinary printer. The plate comes at one pixel per
// engraver dot with its offset on the page (negative when the material is
// larger than the page, which then cuts the plate).
class IPrintTarget
{
public:
    virtual ~IPrintTarget() = default;
    virtual bool PrintPage(const CDibImage& plate, CSize offset) = 0;
};
