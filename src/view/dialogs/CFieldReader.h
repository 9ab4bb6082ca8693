#pragma once

#include "view/controls/CFieldRefusal.h"
#include "view/controls/CUnitFormat.h"

#include <QString>

#include <map>
#include <optional>


// Reads the numbers typed into a dialog's fields. The first refused entry
// is kept; the dialog shows it and puts the focus on its field.
class CFieldReader
{
public:
    explicit CFieldReader(const CUnitFormat& unit) : m_unit(unit) {}

    // What a field showed, in 0.01 mm: the same text handed back keeps that
    // length, as three decimals of an inch cannot hold every 0.01 mm and
    // confirming a dialog must not move what the user never touched.
    void Shows(int field, int lengthMm100) { m_shown[field] = lengthMm100; }

    // A length in the dialog's unit, in 0.01 mm.
    std::optional<int> Length(const QString& text, int field);
    // Kept silently within minShown .. maxShown (in the dialog's unit).
    std::optional<int> ClampedLength(const QString& text, int field, double minShown, double maxShown);
    // Refused with the range message outside minShown .. maxShown.
    std::optional<int> LengthInRange(const QString& text, int field, double minShown, double maxShown);
    // A plain number (degrees).
    std::optional<double> Number(const QString& text, int field);

    const std::optional<CFieldRefusal>& Error() const { return m_error; }
    bool Failed() const { return m_error.has_value(); }

    static QString RangeMessage(double minimum, double maximum);
    // A limit in 0.01 mm as the dialog shows it: millimetres, or inches to
    // 0.001 (multiplied and divided, rounded as the unit conversion is).
    static double ShownLimit(const CUnitFormat& unit, int mm100);
    // A limit as the range message shows it: no trailing zeros.
    static QString LimitText(double value);

private:
    void Refuse(int field, const QString& message);
    // The limit in 0.01 mm; limits are short decimals, so this is exact.
    int LimitLength(double shown) const;

    CUnitFormat m_unit;
    std::optional<CFieldRefusal> m_error;
    std::map<int, int> m_shown;
};
