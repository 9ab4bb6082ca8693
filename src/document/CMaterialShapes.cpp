#include "CMaterialShapes.h"

#include "CVeldraDoc.h"
#include "ILayerList.h"
#include "UpdateHint.h"

#include "objects/CDibObj.h"

#include <QPainter>
#include <QPolygon>

#include <cstring>

namespace CMaterialShapes {

namespace {

constexpr std::uint32_t kindBits[3] = {SOK_MATERIAL, SOK_FRAME, SOK_SYMBOL};

// Takes out the first object of a kind, with its undo step: every list
// change has one, or the older steps would find their objects one place off.
void RemoveFirstOfKind(CVeldraDoc& doc, std::uint32_t kindBit)
{
    for (CSymbolObj* object : doc.GetObjects()) {
        if (!object->HasFlag(kindBit))
            continue;
        if (doc.LayerList())
            doc.LayerList()->RemoveRow(object);
        doc.RecordUndo(UndoKind::removed, object, true);
        doc.RemoveRaw(doc.IndexOf(object));
        return;
    }
}

bool DrawShape(CDibImage& mask, int shape)
{
    const int w = mask.Width(), h = mask.Height();
    QImage surface = mask.PaintSurface();
    if (surface.isNull())
        return false;
    QPainter painter(&surface);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::black);
    if (shape == diamond)
        painter.drawPolygon(QPolygon({QPoint(w / 2, 0), QPoint(w, h / 2), QPoint(w / 2, h), QPoint(0, h / 2)}));
    else
        painter.drawEllipse(QRect(0, 0, w, h));
    return true;
}

// A 1-bit picture of the plate in dots: white, the shape black.
bool DrawMask(CDibImage& mask, CSize dots, int shape)
{
    const COLORREF table[2] = {RGB(0, 0, 0), RGB(255, 255, 255)};
    if (!mask.Create(dots.cx, dots.cy, 1, colorNone, table))
        return false;
    std::memset(mask.Bits(), 0xFF, mask.BitsSize()); // white
    return DrawShape(mask, shape);
}

} // namespace

bool MakeMaterialShape(CVeldraDoc& doc, int shape)
{
    if (shape != diamond && shape != ellipse) {
        RemoveFirstOfKind(doc, SOK_MATERIAL);
        return true;
    }
    CDibImage mask;
    if (!DrawMask(mask, doc.DocToDeviceSize(doc.GetMaterialSize()), shape))
        return false;
    auto object = std::make_unique<CDibObj>();
    if (!object->SetImageFrom(&mask, flagsMaterial, true))
        return false;
    object->SetBounds(0, 0, doc.GetMaterialSize().cx, doc.GetMaterialSize().cy);
    object->Refresh(&doc);
    return InsertLibraryObject(doc, std::move(object), material);
}

bool RedrawMaterialShape(CVeldraDoc& doc)
{
    const int shape = doc.GetShapeIndex();
    CDibObj* outline = doc.HasMaterial() ? dynamic_cast<CDibObj*>(doc.GetObjectAt(0)) : nullptr;
    if ((shape != diamond && shape != ellipse) || !outline)
        return false;
    const CSize dots = doc.DocToDeviceSize(outline->GetSize());
    const CDibImage& stored = outline->StoredImage();
    if (stored.Width() == dots.cx && stored.Height() == dots.cy)
        return false;
    // The object stays what it is (name, visibility, place in the list and
    // in every undo record); only its picture is drawn again, sharp.
    CDibImage mask;
    if (!DrawMask(mask, dots, shape))
        return false;
    const CPoint centre = outline->GetPosition();
    const CSize size = outline->GetSize();
    if (!outline->SetImageFrom(&mask, outline->m_dwFlags, true))
        return false;
    outline->SetBounds(centre.x, centre.y, size.cx, size.cy);
    outline->Refresh(&doc);
    if (doc.LayerList())
        doc.LayerList()->RefreshRow(outline);
    return true;
}

bool InsertLibraryObject(CVeldraDoc& doc, std::unique_ptr<CDibObj> object, int kind)
{
    if (!object || kind < material || kind > symbol)
        return false;
    const std::uint32_t kindBit = kindBits[kind];
    // The one it replaces comes back with a single undo.
    CVeldraDoc::UndoGroup group(doc);
    if (object->HasFlag(SOF_UNIQUE)) {
        RemoveFirstOfKind(doc, kindBit);
        if (kind == frame) {
            const CSize material = doc.GetMaterialSize(), margin = doc.GetMargins();
            object->SetBounds(0, 0, material.cx - 2 * margin.cx, material.cy - 2 * margin.cy);
            object->Refresh(&doc);
        }
    }
    CDibObj* raw = object.get();
    if (!doc.InsertAt(std::move(object), 0))
        return false;
    doc.RecordUndo(UndoKind::added, raw, true);
    // The row first, so that the layer window selects it with the views.
    if (doc.LayerList())
        doc.LayerList()->AddRow(raw, doc.IndexOf(raw));
    if (kind == material)
        doc.UpdateAllViews(nullptr, hintPlateChanged, nullptr);
    else
        doc.UpdateAllViews(nullptr, hintSelect, raw);
    return true;
}

} // namespace CMaterialShapes
