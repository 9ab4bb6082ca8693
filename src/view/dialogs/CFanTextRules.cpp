#include "CFanTextRules.h"

#include "DialogControlIds.h"

#include "objects/CFreeTextObj.h"

#include <algorithm>
#include <cmath>

void CFanTextRules::Open()
{
    TakeNaturalSize();
}

QString CFanTextRules::SpanText(float storedSpread)
{
    return QString::number(std::floor(double(storedSpread) * 360 + 0.5) * 0.01, 'g', 15);
}

float CFanTextRules::StoredSpread(double degrees)
{
    return float(degrees * (1 / 3.6));
}

int CFanTextRules::InnerRadius(float storedRadius, int height)
{
    const double inner = double(storedRadius) * 10 - height * 0.5;
    return inner <= 0 ? 0 : int(std::lround(std::min(inner, 2147483647.0)));
}

float CFanTextRules::StoredRadius(int innerRadius, int height)
{
    return float((height * 0.5 + innerRadius) * 0.1);
}

void CFanTextRules::ShowExtra(Fields& fields) const
{
    fields.invertText = m_object.m_layout.m_bInvert != 0;
    fields.span = SpanText(m_object.m_layout.m_fSpread);
    fields.radius = m_unit.Format(InnerRadius(m_object.m_layout.m_fRadius, m_object.GetSize().cy));
}

void CFanTextRules::ReadExtra(const Fields& fields, CFieldReader& reader)
{
    m_object.m_layout.m_bInvert = fields.invertText ? 1 : 0;
    m_dSpan = std::clamp(reader.Number(fields.span, DialogControlIds::width).value_or(0), 0.0, maximumSpan);
    reader.Shows(DialogControlIds::radius, InnerRadius(m_object.m_layout.m_fRadius, m_object.GetSize().cy));
    m_nInnerRadius = reader.ClampedLength(fields.radius, DialogControlIds::radius, 0, maximumLength).value_or(0);
}

void CFanTextRules::ApplyExtra(const Fields&, const Numbers& numbers)
{
    m_object.m_layout.m_fSpread = StoredSpread(m_dSpan);
    // The typed radius is to the inner edge of the band of the new height.
    m_object.m_layout.m_fRadius = StoredRadius(m_nInnerRadius, numbers.height);
}

bool CFanTextRules::BandTyped(const Fields& fields, const CFreeTextObj::Stretch& before) const
{
    return fields.span.trimmed() != SpanText(before.spread);
}
