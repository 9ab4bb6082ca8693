#include "ObjectPreview.h"

#include "document/CPlateLook.h"
#include "imaging/CDibImage.h"
#include "imaging/DibStretcher.h"
#include "objects/CSymbolObj.h"

#include <QPainter>

namespace ObjectPreview {

QImage Render(CSymbolObj& object, QSize frame, COLORREF faceColor)
{
    return Render(object, frame, CPlateLook(faceColor, false));
}

QImage Render(CSymbolObj& object, QSize frame, const CPlateLook& plate)
{
    if (frame.isEmpty())
        return {};
    const int w = frame.width() * 2, h = frame.height() * 2;
    CDibImage drawing, composed;
    if (!drawing.Create(w, h, 24, transparentKey) || !composed.Create(w, h, 24))
        return {};
    plate.Ground(composed);
    {
        QImage surface = drawing.PaintSurface();
        QPainter painter(&surface);
        const CRect whole{0, 0, w, h};
        // Mode 1: the whole object, its aspect kept, centred.
        object.Draw(painter, &whole, 1);
    }
    if (!composed.PasteKeyed(drawing, nullptr, transparentKey))
        return {};
    plate.Finish(composed);
    const CRect target{0, 0, frame.width(), frame.height()};
    return DibStretcher::Stretch(composed, target, {0, 0, w, h}, target, StretchMode::Halftone);
}

} // namespace ObjectPreview
