#pragma once

#include "CSymbolObj.h"
#include "CTextAttributes.h"

#include "imaging/CDibImage.h"

#include <QStringList>

#include <memory>

// The text block: lines of text in one font drawn upright in the object's
// rectangle, optionally on a filled background with a margin, with an edge
// around the glyphs, and anti-aliased. The text is the object's name.
//
// The size always follows the text: a new height rescales the font, and
// the width is then measured again. The font height is in output pixels.
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
    // Paints the block onto the plate; with dest, centred in dest and
    // clipped to it. mode is not used.
    void Draw(QPainter& painter, const CRect* dest, int mode) override;
    // The block rendered at the output resolution (made on demand, kept
    // until the block changes); null when it cannot be made.
    CDibImage* GetImage(bool source) override;
    void SetBounds(int x, int y, int cx, int cy) override;
    // Scales the font to the new height less the margins, then measures.
    void SetSize(int cx, int cy) override;
    void Refresh(CDocumentContext* document) override;

    // Sets the size from the text and returns the text's size in output
    // pixels (edge and italic slant included, margins not).
    CSize Measure();
    // The edge and the text, aligned inside the rectangle (output pixels).
    void DrawTextBlock(QPainter& painter, const CRect& rect);

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
    QStringList Lines() const;
    // The bounding rectangle in output pixels, normalised.
    CRect DeviceRect() const;
    // Renders at twice the size, halves it and copies it to the rectangle.
    void DrawAntialiased(QPainter& painter, const CRect& inner);

    std::unique_ptr<CDibImage> m_pCache;
};
