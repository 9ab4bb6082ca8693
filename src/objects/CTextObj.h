#pragma once

#include "CSymbolObj.h"
#include "CTextAttributes.h"

#include "imaging/CDibImage.h"

#include <memory>

// The text block: lines of text in one font drawn upright in the object's
// rectangle, optionally on a filled background with a margin, with an edge
// around the glyphs, and anti-aliased. The text is the object's name.
class CTextObj : public CSymbolObj
{
    VELDRA_DECLARE_SERIAL(CTextObj)

public:
    CTextObj();
    explicit CTextObj(const CTextAttributes& defaults);
    ~CTextObj() override;

    void Serialize(CArchive& ar) override;
    std::unique_ptr<CSymbolObj> Clone() const override;
    void CopyFrom(const CSymbolObj& source) override;
    // The rendered cache, when one has been made.
    CDibImage* GetImage(bool source) override;

    void DiscardCache() { m_pCache.reset(); }

    CDocumentContext* m_pDoc = nullptr;
    LOGFONT m_lf;
    std::int32_t m_bFillBackground = 0;
    std::int32_t m_nDrawFrame = 0;
    COLORREF m_crFont = 0xFFFFFF;
    COLORREF m_crBkgnd = 0x808080;
    COLORREF m_crFrame = 0x000000;
    CSize m_sizeBkgndMargin;
    std::int32_t m_nFormat = 1;
    std::int32_t m_bAntialias = 0;

private:
    void CopyTextFields(const CTextObj& source);

    std::unique_ptr<CDibImage> m_pCache;
};
