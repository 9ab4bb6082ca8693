#pragma once

#include "IPrintTarget.h"

#include "platform/CEngraverAdjustments.h"

#include <QString>

#include <memory>

class CEngraverDevice;

// Which job a queue gets: the engraver's queue a raster job carrying the
// adjustments, any other queue a proof on paper.
class CPrintTargets
{
public:
    // outputFile: when not empty, the job's document goes there instead.
    static std::unique_ptr<IPrintTarget> For(const CEngraverDevice& device, const QString& title, int copies,
                                             const CEngraverAdjustments& adjustments,
                                             const QString& outputFile = QString());
};
