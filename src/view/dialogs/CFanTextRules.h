#pragma once

#include "CTextPropRules.h"

// The Fan Text dialog's rules: the shared ones plus inversion, the opening
// in degrees (the object keeps percent of a full turn) and the radius to
// the band's inner edge (the object keeps the centre line's, in 0.1 mm).
class CFanTextRules : public CTextPropRules
{
public:
    using CTextPropRules::CTextPropRules;

    // A fan is always opened at its text's own size.
    void Open() override;

    static constexpr double maximumSpan = 360;

    static QString SpanText(float storedSpread);
    static float StoredSpread(double degrees);
    // The inner radius in 0.01 mm for a centre-line radius and band height.
    static int InnerRadius(float storedRadius, int height);
    static float StoredRadius(int innerRadius, int height);

protected:
    void ShowExtra(Fields& fields) const override;
    void ReadExtra(const Fields& fields, CFieldReader& reader) override;
    void ApplyExtra(const Fields& fields, const Numbers& numbers) override;
    bool BandTyped(const Fields& fields, const CFreeTextObj::Stretch& before) const override;

private:
    double m_dSpan = 0;
    int m_nInnerRadius = 0;
};
