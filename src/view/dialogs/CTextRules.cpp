#include "CTextRules.h"

#include "DialogControlIds.h"

#include "objects/CFreeTextObj.h"

void CTextRules::ShowExtra(Fields& fields) const
{
    fields.width = m_unit.Format(m_object.GetSize().cx);
}

void CTextRules::ReadExtra(const Fields& fields, CFieldReader& reader)
{
    reader.Shows(DialogControlIds::width, m_object.GetSize().cx);
    m_nWidth = reader.ClampedLength(fields.width, DialogControlIds::width, minimumLength, maximumLength).value_or(0);
}

void CTextRules::ApplyExtra(const Fields&, const Numbers& numbers)
{
    m_object.SetSize(m_nWidth, numbers.height);
}

bool CTextRules::BandTyped(const Fields&, const CFreeTextObj::Stretch& before) const
{
    return m_nWidth != before.width;
}
