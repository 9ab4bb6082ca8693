#pragma once

#include "platform/CPoint.h"
#include "platform/CSize.h"

#include <cstdint>

// What placed objects need of the document that holds them: the output
// resolution and the conversions between layout units (0.01 mm, origin at
// the material centre, y up) and plate pixels (origin top-left, y down),
// and whether a whole file is being read or written (some fields go only
// into undo records and the clipboard).
class CDocumentContext
{
public:
    virtual int GetResolution() const = 0;
    virtual CPoint DocToDevice(CPoint point) const = 0;
    virtual CSize DocToDeviceSize(CSize size) const = 0;
    virtual CPoint DeviceToDoc(CPoint point) const = 0;
    virtual CSize DeviceToDocSize(CSize size) const = 0;
    virtual bool IsSerializingFile() const = 0;
    // Whether a display image of this many bytes may be built. A document
    // limits what one file's pictures may claim while it is read, so a few
    // bytes describing huge objects cannot take the machine's memory.
    virtual bool AllowDisplayBytes(std::uint64_t bytes) { (void)bytes; return true; }

protected:
    ~CDocumentContext() = default;
};
