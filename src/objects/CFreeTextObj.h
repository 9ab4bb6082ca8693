#pragma once

#include "CSymbolObj.h"
#include "CTextAttributes.h"
#include "CTextLayout.h"

// Horizontal text: one line of glyphs along a straight band that can be
// turned to any angle. Fan text (CArcTextObj) lays the same line along a
// circular band.
class CFreeTextObj : public CSymbolObj
{
    VELDRA_DECLARE_SERIAL(CFreeTextObj)

public:
    CFreeTextObj();
    explicit CFreeTextObj(const CTextAttributes& defaults);
    ~CFreeTextObj() override;

    void Serialize(CArchive& ar) override;
    std::unique_ptr<CSymbolObj> Clone() const override;
    void CopyFrom(const CSymbolObj& source) override;

    CDocumentContext* m_pDoc = nullptr;
    std::int32_t m_bFillBackground = 0;
    COLORREF m_crFont = 0xFFFFFF;
    COLORREF m_crBkgnd = 0x808080;
    CTextLayout m_layout;
    float m_fTrackAngle = 0;

protected:
    void CopyTextFields(const CFreeTextObj& source);
};
