#include "CLengthField.h"

#include "view/controls/CFieldRefusal.h"

#include <algorithm>
#include <cstdint>

CLengthField::CLengthField(int unit, int minimumMm100, int maximumMm100, int valueMm100)
    : m_format(unit), m_nMinimum(minimumMm100), m_nMaximum(maximumMm100), m_nValue(valueMm100)
{
}

QString CLengthField::EndText(int valueMm100) const
{
    if (!m_format.IsInch())
        return m_format.Format(valueMm100);
    // Thousandths of an inch cut toward zero: an upper end rounded up
    // (50 mm to 1.969 inch) would invite a length past the range.
    const std::int64_t thousandths = std::int64_t(valueMm100) * 1000 / 2540;
    return QString::number(double(thousandths) / 1000.0, 'f', 3);
}

bool CLengthField::InRange(int valueMm100) const
{
    // An end as the user sees it may lie past the end in 0.01 mm (0.01 mm
    // shows as 0.000 inch); typing what is shown must be accepted.
    const int shownMinimum = m_format.Parse(EndText(m_nMinimum)).value_or(m_nMinimum);
    const int shownMaximum = m_format.Parse(EndText(m_nMaximum)).value_or(m_nMaximum);
    return valueMm100 >= std::min(m_nMinimum, shownMinimum) && valueMm100 <= std::max(m_nMaximum, shownMaximum);
}

CLengthField::Reading CLengthField::Read(const QString& text) const
{
    const QString trimmed = text.trimmed();
    const std::optional<int> typed = trimmed == Text() ? std::optional<int>(m_nValue) : m_format.Parse(trimmed);
    if (!typed)
        return {m_nValue, CFieldRefusal::NotANumber()};
    if (!InRange(*typed))
        return {m_nValue, CFieldRefusal::NumberBetween(EndText(m_nMinimum), EndText(m_nMaximum))};
    return {*typed, {}};
}

bool CLengthField::Take(const QString& text)
{
    const Reading reading = Read(text);
    if (reading.Ok())
        m_nValue = reading.valueMm100;
    return reading.Ok();
}
