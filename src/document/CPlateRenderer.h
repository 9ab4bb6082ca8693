#pragma once

#include "CMaterialLayer.h"

#include "imaging/ColorRef.h"
#include "platform/CRect.h"

#include <QString>

#include <cstdint>
#include <vector>

class CDibImage;
class CVeldraDoc;

// Composes the whole layout into one 24-bit image of the plate, one pixel
// per engraver dot: the base colour, the objects from the back to the front,
// the invert switch, the margin bands and the material outline. In output
// mode white is engraved and black is not; screen mode colours what cannot
// be engraved for the eye.
//
// The view renders on every paint, so the outline's layer is cached between
// renders (keyed by what it is made from) and pictures come ready-scaled.
class CPlateRenderer
{
public:
    enum Mode { output = 0, screen = 1 };

    explicit CPlateRenderer(CVeldraDoc& doc);

    // target: the device bitmap size, 24 bits; nothing happens otherwise.
    void RenderPlate(CDibImage& target, int mode);

    // The plate in output mode as a 24-bit bitmap file of the device size.
    // The plate in output mode as a bitmap file; the reason for the user
    // in `error` when it cannot be rendered or written.
    bool ExportBitmapFile(const QString& path, QString* error = nullptr);
    // Why no plate of the layout's material could be made: a material that
    // is no size, one smaller than a dot, or one too large to hold.
    QString SizeProblem() const;

    // The grey image of the print preview: the plate in output mode, one
    // byte per pixel, g = (587 G + 299 R + 114 B) / 1000 lifted by
    // 2g - g*g/255. Rows top to bottom.
    std::vector<std::uint8_t> PreviewImage();

    // Paints black everything outside rect.
    static void ClipOutside(CDibImage& target, const CRect& rect);
    // x, y, width, height, clipped to the image.
    static void FillRect(CDibImage& target, int x, int y, int width, int height, COLORREF colour);
    static void Invert(CDibImage& target);

private:
    void DrawObjects(CDibImage& target);
    void DrawMargins(CDibImage& target, COLORREF band);
    void DrawMaterial(CDibImage& target, int mode, COLORREF band);

    CVeldraDoc& m_doc;
    CMaterialLayer m_material;
};
