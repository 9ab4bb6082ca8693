#pragma once

#include "CTextPropRules.h"

// The Text dialog's rules: the shared ones plus the band's width.
class CTextRules : public CTextPropRules
{
public:
    using CTextPropRules::CTextPropRules;

protected:
    void ShowExtra(Fields& fields) const override;
    void ReadExtra(const Fields& fields, CFieldReader& reader) override;
    void ApplyExtra(const Fields& fields, const Numbers& numbers) override;
    bool BandTyped(const Fields& fields, const CFreeTextObj::Stretch& before) const override;

private:
    int m_nWidth = 0;
};
