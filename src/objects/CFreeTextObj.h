#pragma once

#include "CSymbolObj.h"
#include "CTextAttributes.h"
#include "CTextLayout.h"

#include <QByteArray>
#include <QImage>

#include <cstdint>
#include <list>
#include <optional>
#include <vector>

class QPolygon;

// Horizontal text: one line of glyphs along a straight band that can be
// turned to any angle. Fan text (CArcTextObj) lays the same line along a
// circular band.
//
// The band lives in plate pixels inside the layout engine; the object keeps
// the engine's centre and height in step with its own centre and size.
// Before the first Draw there is no outline, hence no handles.
class CFreeTextObj : public CSymbolObj
{
    VELDRA_DECLARE_SERIAL(CFreeTextObj)

public:
    CFreeTextObj();
    explicit CFreeTextObj(const CTextAttributes& defaults);
    // The kept drawing counts against a shared budget: copies go through
    // Clone and CopyFrom, which do not copy it.
    CFreeTextObj(const CFreeTextObj&) = delete;
    CFreeTextObj& operator=(const CFreeTextObj&) = delete;
    ~CFreeTextObj() override;

    void Serialize(CArchive& ar) override;
    std::unique_ptr<CSymbolObj> Clone() const override;
    void CopyFrom(const CSymbolObj& source) override;
    // Lays the band out over the object's width and draws it onto the plate;
    // dest and mode are not used.
    void Draw(QPainter& painter, const CRect* dest, int mode) override;

    void SetBounds(int x, int y, int cx, int cy) override;
    void SetPosition(int x, int y) override;
    // The height sets the font's cell height and the band's height.
    void SetSize(int cx, int cy) override;
    void Refresh(CDocumentContext* document) override;

    int HitTest(CPoint point, CSize tolerance, bool withHandles) override;
    int GetOutline(CPointPath& path) override;
    int GetHandles(CPointPath& path) override;
    void BeginTrack(DragState& drag) override;
    void TrackTo(const DragState& drag) override;

    // The text's own size: its measured advance and the font height.
    CSize MeasureNatural();

    // How far the band is stretched over the text's natural length: taken
    // before the text or the height changes, so that the band follows the
    // new text at the same stretch (a dragged handle stretches on purpose;
    // typing must not squeeze the letters together).
    struct Stretch
    {
        int natural = 0;     // the text's natural advance, 0.01 mm
        int width = 0;       // the band's width (straight band)
        float spread = 0;    // the band's opening (circular band)
    };
    Stretch MeasureStretch();
    // The band for the text as it is now at the stretch taken before.
    virtual void FollowText(const Stretch& before);
    // The band as long as the text's own advances at its height: a straight
    // band's width, a fan's opening.
    virtual void FitNatural();
    // How many times longer the band is now than it was then.
    virtual double Overflow(const Stretch& before) const;

    // A text whose characters change from one plate to the next (a batch's
    // field) pastes the glyphs it drew before (CGlyphMasks) instead of
    // drawing its band afresh. Not stored or copied.
    void UseGlyphMasks(bool use) { m_bGlyphMasks = use; }

    CDocumentContext* m_pDoc = nullptr;
    std::int32_t m_bFillBackground = 0;
    COLORREF m_crFont = 0xFFFFFF;
    COLORREF m_crBkgnd = 0x808080;
    CTextLayout m_layout;
    float m_fTrackAngle = 0;

protected:
    // The band's base for the engine: a straight band's width, a fan's
    // radius, in plate pixels.
    virtual int BandBase();
    // Lays a drawn band out again when it changed since it was drawn: the
    // window may be showing another plate (a record's copy of the layout)
    // while the outline and handles must follow the object itself.
    void EnsureOutline();
    void CopyTextFields(const CFreeTextObj& source);
    // Lays the text out for base (unless nothing changed since the last
    // time), draws the band and keeps it as the hit region.
    void DrawLaidOut(QPainter& painter, int base, bool straight);
    // Fills the band, draws the glyphs where they can show within visible
    // and keeps the band as the hit region.
    void PaintBand(QPainter& painter, const QPolygon& band, const QByteArray& key, const QRect& visible);
    // What of the band (and the glyphs reaching past it) is drawn.
    QRect DrawingArea(const QPolygon& band, const QRect& visible) const;
    void PasteDrawing(QPainter& painter) const;
    // The glyphs pasted from the shared masks onto a plate painted 1:1,
    // within area; false when they cannot all be (the band is then drawn).
    bool PasteGlyphMasks(QPainter& painter, const QRect& area) const;
    // The band's fill and glyphs, straight onto a painter.
    void DrawBand(QPainter& painter, const QPolygon& band);
    // What the drawn band depends on, to tell when the kept drawing is stale.
    QByteArray DrawingKey(int base, const QRect& visible) const;
    // Handles and the move handle in plate pixels; the move handle is
    // tested with a box twice as tolerant.
    int HitTestPixels(CPoint point, CSize tolerance, const std::vector<CPoint>& handles,
                      std::optional<CPoint> moveHandle) const;
    void TrackRotate(const DragState& drag);
    // The engine's height and font height for an object height.
    void ApplyHeight(int cy);
    CPoint ToDocument(CPoint pixel) const;
    // Outline point i, 0 <= i < outline size.
    CPoint OutlinePoint(std::size_t index) const { return m_layout.m_outline[index]; }

private:
    // A new empty drawing of size, no larger than the budget that all kept
    // drawings share; when keep, it counts in that budget, making room
    // there. False (and no drawing) otherwise.
    bool MakeDrawing(const QSize& size, bool keep);
    void DropDrawing();
    // Finds the drawing's opaque runs, kept as B,G,R bytes ready to copy.
    void IndexDrawing();

    // The band as last drawn: glyphs turned about their own baseline are
    // rasterised anew on every paint otherwise, the dearest step of a plate.
    QImage m_drawing;
    // The drawing's opaque pixels as runs along its rows: pasting them is a
    // copy per run instead of a test per pixel.
    struct DrawingRun
    {
        int y;
        int x;
        int length;
        std::size_t offset;   // of its first pixel in m_runPixels
    };
    std::vector<DrawingRun> m_runs;
    std::vector<std::uint8_t> m_runPixels;
    QPoint m_drawingOrigin;
    QByteArray m_drawingKey;
    // The drawing counts in the budget; it lost its place there to another
    // one, and is not kept again until the band changes.
    bool m_bKept = false;
    bool m_bLostPlace = false;
    bool m_bGlyphMasks = false;
    // What the kept drawings of all objects hold together, and the objects
    // that keep one, the most recently pasted first.
    static inline std::size_t s_keptBytes = 0;
    // Never destroyed: objects still alive at exit leave it after statics go.
    static std::list<CFreeTextObj*>& Kept();
    std::list<CFreeTextObj*>::iterator m_keptAt;
};
