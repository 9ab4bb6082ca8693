#pragma once

#include "IPrinter.h"

// An engraver that keeps its adjustments in memory: stands in for the real
// device where there is none (tests, the headless tool).
class CVirtualEngraver : public IPrinter
{
public:
    bool IsEngraver() const override { return true; }
    bool GetEngraverAdjustments(CEngraverAdjustments& adjustments) const override
    {
        adjustments = m_adjustments;
        return true;
    }
    bool SetEngraverAdjustments(const CEngraverAdjustments& adjustments) override
    {
        m_adjustments = adjustments;
        return true;
    }

private:
    CEngraverAdjustments m_adjustments;
};
