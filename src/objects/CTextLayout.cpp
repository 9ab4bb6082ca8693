#include "CTextLayout.h"

#include "CTextAttributes.h"

#include "platform/CArchive.h"

CTextLayout::CTextLayout()
    : m_lf(CTextAttributes::DefaultFont())
{
}

CTextLayout::CTextLayout(const CTextLayout& other) = default;
CTextLayout& CTextLayout::operator=(const CTextLayout& other) = default;

void CTextLayout::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteString(m_strText);
        m_lf.Serialize(ar);
        ar << m_nMode << m_bInvert << m_nReserved << m_bReverse << m_bRotateGlyphs << m_fCenterX << m_fCenterY
           << m_fAngle << m_fRadius << m_fSpread << m_fHeight << m_fReserved;
        return;
    }
    m_strText = ar.ReadString();
    m_lf.Serialize(ar);
    ar >> m_nMode >> m_bInvert >> m_nReserved >> m_bReverse >> m_bRotateGlyphs >> m_fCenterX >> m_fCenterY
        >> m_fAngle >> m_fRadius >> m_fSpread >> m_fHeight >> m_fReserved;
}
