#pragma once

#include "CEngraverAdjustments.h"

// The printer currently chosen, as far as documents need it: whether it is
// the engraver, and the adjustments its driver keeps.
class IPrinter
{
public:
    virtual ~IPrinter() = default;
    virtual bool IsEngraver() const = 0;
    // False when the device cannot be opened.
    virtual bool GetEngraverAdjustments(CEngraverAdjustments& adjustments) const = 0;
    virtual bool SetEngraverAdjustments(const CEngraverAdjustments& adjustments) = 0;
};
