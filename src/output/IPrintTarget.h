#pragma once

#include "platform/CSize.h"

#include <QString>

class CDibImage;

// Where a rendered plate goes when it is printed: the engraver's raster
// job, or a proof on an ordinary printer. The plate comes at one pixel per
// engraver dot with its offset on the page (negative when the material is
// larger than the page, which then cuts the plate).
class IPrintTarget
{
public:
    virtual ~IPrintTarget() = default;
    // Whether a job can start now (the queue is there, running and taking
    // jobs). Asked before the layout is bound to the printer, so that a
    // print that cannot happen changes nothing.
    virtual bool CanStart() = 0;
    virtual bool PrintPage(const CDibImage& plate, CSize offset) = 0;
    // The scheduler's number for the job sent; 0 when it is not known.
    virtual int JobId() const { return 0; }
    // Why the page could not be printed, for the log or the tool's message.
    virtual QString Error() const = 0;
};
