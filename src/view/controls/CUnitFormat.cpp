#include "CUnitFormat.h"

#include "platform/LocalNumber.h"
#include "platform/MulDiv.h"

#include <cstdint>
#include <limits>

namespace {

// An integer count of 10^-decimals units as "d.ddd".
QString FixedPoint(int value, int decimals)
{
    int divisor = 1;
    for (int i = 0; i < decimals; ++i)
        divisor *= 10;
    const std::int64_t magnitude = value < 0 ? -std::int64_t(value) : std::int64_t(value);
    const QString whole = QString::number(magnitude / divisor);
    const QString fraction = QStringLiteral("%1").arg(magnitude % divisor, decimals, 10, QLatin1Char('0'));
    return (value < 0 ? QStringLiteral("-") : QString()) + whole + QLatin1Char('.') + fraction;
}

// The text is read exactly as a decimal fraction: reading it as a double
// would turn "1.005" into 1.00499... and round the wrong way.
struct Decimal
{
    bool negative = false;
    std::uint64_t digits = 0;
    int fractionDigits = 0;
};

// Whole parts longer than this cannot fit a 32-bit length in any unit.
constexpr int maxWholeDigits = 9;
// Digits past these no longer change the rounded length.
constexpr int maxFractionDigits = 9;

std::optional<Decimal> ReadDecimal(const QString& text)
{
    // The point, or the user's own decimal separator ("50,5" in French).
    const QChar localPoint = LocalNumber::DecimalPoint();
    Decimal number;
    int i = 0;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        number.negative = text[i] == QLatin1Char('-');
        ++i;
    }
    bool point = false;
    int wholeDigits = 0;
    int anyDigits = 0;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if ((c == QLatin1Char('.') || c == localPoint) && !point) {
            point = true;
            continue;
        }
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        ++anyDigits;
        if (point) {
            if (number.fractionDigits == maxFractionDigits)
                continue;
            ++number.fractionDigits;
        } else if ((number.digits != 0 || c != QLatin1Char('0')) && ++wholeDigits > maxWholeDigits) {
            return std::nullopt;
        }
        number.digits = number.digits * 10 + std::uint64_t(c.unicode() - '0');
    }
    if (anyDigits == 0)
        return std::nullopt;
    return number;
}

} // namespace

QString CUnitFormat::UnitName() const
{
    return IsInch() ? tr("inch") : tr("mm");
}

QString CUnitFormat::Format(int lengthMm100) const
{
    if (IsInch())
        return FixedPoint(MulDiv(lengthMm100, 1000, 2540), 3);
    return FixedPoint(lengthMm100, 2);
}

std::optional<int> CUnitFormat::Parse(const QString& text) const
{
    const std::optional<Decimal> number = ReadDecimal(text.trimmed());
    if (!number)
        return std::nullopt;
    // Up to 10^18 digits times 2540: past 64 bits, so the product is taken
    // to 128 bits.
    const std::uint64_t perUnit = IsInch() ? 2540 : 100;
    std::uint64_t scale = 1;
    for (int i = 0; i < number->fractionDigits; ++i)
        scale *= 10;
    const unsigned __int128 product = static_cast<unsigned __int128>(number->digits) * perUnit;
    const unsigned __int128 magnitude = (product + scale / 2) / scale;
    const unsigned __int128 limit = std::uint64_t(std::numeric_limits<int>::max()) + (number->negative ? 1 : 0);
    if (magnitude > limit)
        return std::nullopt;
    return number->negative ? int(-std::int64_t(magnitude)) : int(magnitude);
}
