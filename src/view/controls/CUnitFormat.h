#pragma once

#include <QCoreApplication>
#include <QString>

#include <optional>

// How lengths appear in dialogs: a length in 0.01 mm shows as millimetres
// with two decimals, or as inches with three when the user works in inches.
// Typed text goes back to 0.01 mm rounded half away from zero. Three
// decimals of an inch cannot hold every 0.01 mm, so a field handed back
// unchanged must keep the length it showed rather than parse its text
// (the dialogs' field readers do that).
class CUnitFormat
{
    Q_DECLARE_TR_FUNCTIONS(CUnitFormat)

public:
    static constexpr int millimetres = 0;
    static constexpr int inches = 1;

    explicit CUnitFormat(int unit) : m_nUnit(unit == inches ? inches : millimetres) {}

    int Unit() const { return m_nUnit; }
    bool IsInch() const { return m_nUnit == inches; }
    int Decimals() const { return IsInch() ? 3 : 2; }
    QString UnitName() const;

    // "12.34" (mm) or "0.486" (inch); always a '.' whatever the locale, as
    // the status bar shows it.
    QString Format(int lengthMm100) const;
    // Nothing for text that is not a plain decimal number ("12", "-0.5",
    // ".25", "3."; the user's own decimal separator as well as the point:
    // "50,5" in French), or one whose length does not fit.
    std::optional<int> Parse(const QString& text) const;

private:
    int m_nUnit;
};
