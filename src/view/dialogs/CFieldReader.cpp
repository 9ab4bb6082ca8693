#include "CFieldReader.h"

#include "platform/LocalNumber.h"
#include "platform/MulDiv.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

std::optional<int> CFieldReader::Length(const QString& text, int field)
{
    if (Failed())
        return std::nullopt;
    if (const auto shown = m_shown.find(field); shown != m_shown.end() && text.trimmed() == m_unit.Format(shown->second))
        return shown->second;
    const std::optional<int> length = m_unit.Parse(text);
    if (!length)
        Refuse(field, CFieldRefusal::NotANumber());
    return length;
}

std::optional<int> CFieldReader::ClampedLength(const QString& text, int field, double minShown, double maxShown)
{
    const std::optional<int> length = Length(text, field);
    if (!length)
        return std::nullopt;
    return std::clamp(*length, LimitLength(minShown), LimitLength(maxShown));
}

std::optional<int> CFieldReader::LengthInRange(const QString& text, int field, double minShown, double maxShown)
{
    const std::optional<int> length = Length(text, field);
    if (!length)
        return std::nullopt;
    // The check is on the number as typed, before it is rounded to 0.01 mm.
    const double shown = QLocale::c().toDouble(LocalNumber::WithPoint(text));
    if (shown < minShown || shown > maxShown) {
        Refuse(field, RangeMessage(minShown, maxShown));
        return std::nullopt;
    }
    return length;
}

std::optional<double> CFieldReader::Number(const QString& text, int field)
{
    if (Failed())
        return std::nullopt;
    bool ok = false;
    const double value = QLocale::c().toDouble(LocalNumber::WithPoint(text), &ok);
    if (!ok || !std::isfinite(value)) {
        Refuse(field, CFieldRefusal::NotANumber());
        return std::nullopt;
    }
    return value;
}

QString CFieldReader::RangeMessage(double minimum, double maximum)
{
    return CFieldRefusal::NumberBetween(LimitText(minimum), LimitText(maximum));
}

double CFieldReader::ShownLimit(const CUnitFormat& unit, int mm100)
{
    return unit.IsInch() ? MulDiv(mm100, 1000, 2540) * 0.001 : mm100 * 0.01;
}

QString CFieldReader::LimitText(double value)
{
    return QString::number(value, 'g', 15);
}

void CFieldReader::Refuse(int field, const QString& message)
{
    if (!m_error)
        m_error = CFieldRefusal{field, message};
}

int CFieldReader::LimitLength(double shown) const
{
    return m_unit.Parse(LimitText(shown)).value_or(0);
}
