#pragma once

#include "CSymbolObj.h"

#include "codes/CCodeMatrix.h"
#include "codes/CCodeDefinition.h"
#include "imaging/CDibImage.h"

#include <QString>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>

// A placed raster image: imported pictures, library frames and symbols, the
// material outline and the drawing-pen layer, told apart by their kind bit.
// It keeps the stored image at its own resolution and a display image
// scaled to its size in output pixels, which the plate renderer pastes with
// the transparent key left out.
class CDibObj : public CSymbolObj
{
    VELDRA_DECLARE_SERIAL(CDibObj)

public:
    // noCache: never build a display image (library previews).
    explicit CDibObj(bool noCache = false);
    ~CDibObj() override;

    void Serialize(CArchive& ar) override;
    std::unique_ptr<CSymbolObj> Clone() const override;
    void CopyFrom(const CSymbolObj& source) override;
    void Draw(QPainter& painter, const CRect* dest, int mode) override;
    CDibImage* GetImage(bool source) override;
    void Refresh(CDocumentContext* document) override;
    void EndTrack(DragState& drag) override;

    // The whole object as the undo history keeps it: every field an undo
    // record carries, the stored and display images shared with this one
    // until either is written to.
    std::unique_ptr<CDibObj> UndoCopy() const;
    // After an undo puts this object back: the display image the document
    // would build for it now, kept when the one it has is that image.
    void RestoreDisplay(CDocumentContext* document);

    bool SetImageFrom(const CDibImage* source, std::uint32_t flags, bool escapeKey);
    void SetImage(std::uint32_t flags, bool escapeKey);
    bool BuildDisplay(int width, int height);
    void DropDisplay();
    // Display images are never built larger than this on a side (a plate
    // is at most a few thousand dots): bigger objects draw from the stored
    // image.
    static constexpr int maxDisplaySide = 4096;
    void ReplaceColour(COLORREF from, COLORREF to);
    bool HasDisplay() const { return m_pDisplay != nullptr; }
    const CDibImage& StoredImage() const { return m_image; }
    CDibImage& StoredImage() { return m_image; }
    const CDibImage* DisplayImage() const { return m_pDisplay.get(); }
    // Changes, to a value never used before in this process, whenever the
    // display image is rebuilt or dropped: caches of what was made from it
    // compare this instead of the pixels.
    std::uint64_t DisplayStamp() const { return m_displayStamp; }

    // A picture drawn from a vector file is drawn anew at each size it is
    // shown at, never resampled, as long as its pixels are still the ones
    // drawn (not cropped, rotated or painted on) and the draw succeeds (the
    // file is still there). Kept for this run only.
    using Redraw = std::function<bool(CSize dots, CDibImage& image)>;
    void SetRedraw(Redraw redraw);
    // The stored image is now the part of the whole drawing (drawn at
    // `whole` dots) that the rectangle cuts out, as trimming drew it.
    void SetRedrawnPart(const CRect& part, CSize whole);
    // The way to draw the whole drawing anew; empty once the stored
    // image's pixels are no longer what was drawn.
    Redraw CurrentRedraw() const;
    // A part of a drawing drawn anew at so many dots: the whole drawing at
    // the part's scale, the part cut out of it.
    static bool DrawPart(const Redraw& redraw, CSize whole, const CRect& part, CSize dots, CDibImage& image);

    // Null (empty) when there is none.
    QString GetSourcePath() const { return m_strSourcePath; }
    void SetSourcePath(const QString& path) { m_strSourcePath = path; }
    int GetTrim(CRect* rect) const;
    void SetTrim(int mode, const CRect* rect);

    // The symbol file: a 52-byte header and this object's record body.
    // A failed write says why in `error` (for the user) when asked.
    bool WriteSymbolFile(const QString& path, QString* error = nullptr);
    bool ReadSymbolFile(const QString& path);
    static const char* const symbolMagic;
    static constexpr int symbolHeaderSize = 52;

    bool m_bNoCache = false;

private:
    // A picture named as a code (CCodeDefinition) is drawn anew from its data at
    // each size it is shown at, with whole dots a module; false for any
    // other picture, or when the data cannot be encoded (then the stored
    // image, the code as last drawn, is shown).
    bool DrawCode(int width, int height);
    // The code's modules when this picture is a code whose data encodes.
    std::optional<CCodeMatrix> CodeMatrix(CCodeDefinition& definition) const;
    // A code resized by a handle keeps whole dots a module (at least two):
    // the size snaps to the nearest, and the stored image becomes the new
    // drawing, so readers that do not know codes show it as it is.
    bool SnapCode(CSize pixels);
    // Display image size for the loading document, or the stored size.
    void BuildDisplayAfterLoading(CArchive& ar);
    void ConvertOlderKey();
    bool RedrawDisplay(int width, int height);
    void KeepRedrawOf(const CDibObj& other);
    static std::atomic<std::uint64_t>& StampCounter();

    CDibImage m_image;
    QString m_strSourcePath;
    int m_nTrimMode = 0;
    CRect m_rcTrim;
    std::unique_ptr<CDibImage> m_pDisplay;
    std::uint64_t m_displayStamp = 0;
    Redraw m_redraw;
    // The part of the whole drawing the stored image is; empty for all.
    CRect m_rcDrawnPart;
    CSize m_drawnWhole;
    // The stored image as drawn, its pixels shared: any change to the
    // stored image takes a copy of its own, and the two part.
    CDibImage m_drawn;
};
