#include "CAdjustmentKeeper.h"

#include "platform/IPrinter.h"

CEngraverAdjustments CAdjustmentKeeper::Get() const
{
    CEngraverAdjustments adjustments;
    if (m_pPrinter && m_pPrinter->IsEngraver() && m_pPrinter->GetEngraverAdjustments(adjustments))
        return adjustments;
    return m_kept;
}

void CAdjustmentKeeper::Set(const CEngraverAdjustments& adjustments)
{
    m_kept = adjustments;
    if (m_pPrinter && m_pPrinter->IsEngraver())
        m_pPrinter->SetEngraverAdjustments(adjustments);
}
