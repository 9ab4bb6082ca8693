#pragma once

#include "platform/CEngraverAdjustments.h"

class IPrinter;

// Where a document's engraver adjustments live. They belong to the layout:
// with the engraver chosen they go to and come from its driver; without it
// (no printer, or another printer) the values the document was opened with,
// or last set, are kept here and written back on saving, rather than lost.
class CAdjustmentKeeper
{
public:
    void SetPrinter(IPrinter* printer) { m_pPrinter = printer; }
    IPrinter* Printer() const { return m_pPrinter; }

    CEngraverAdjustments Get() const;
    void Set(const CEngraverAdjustments& adjustments);

private:
    IPrinter* m_pPrinter = nullptr;
    CEngraverAdjustments m_kept;
};
