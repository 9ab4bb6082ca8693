#include "CArcTextObj.h"

VELDRA_IMPLEMENT_SERIAL(CArcTextObj, &CFreeTextObj::classInfo, 3, true)

CArcTextObj::CArcTextObj()
    : CArcTextObj(CTextAttributes())
{
}

CArcTextObj::CArcTextObj(const CTextAttributes& defaults)
    : CFreeTextObj(defaults)
{
    m_layout.m_nMode = CTextLayout::circularBand;
    // Its creator sets the radius.
    m_layout.m_fRadius = 0;
}
