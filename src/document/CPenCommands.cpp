#include "CPenCommands.h"

#include "CVeldraDoc.h"
#include "ILayerList.h"

#include "imaging/SurfaceChange.h"
#include "objects/CDibObj.h"
#include "objects/CPenPainter.h"
#include "platform/MulDiv.h"

namespace CPenCommands {

namespace {

CDibObj* ExistingLayer(CVeldraDoc& doc)
{
    auto* layer = dynamic_cast<CDibObj*>(doc.GetObjectAt(doc.HasMaterial() ? 1 : 0));
    if (!layer || layer->Kind() != SOK_PEN || !layer->m_bVisible)
        return nullptr;
    const CDibImage* image = layer->GetImage(false);
    const CSize device = doc.GetDeviceSize();
    return image && image->Width() == device.cx && image->Height() == device.cy ? layer : nullptr;
}

std::unique_ptr<CPenPainter> MakeTool(const CVeldraDoc& doc, COLORREF colour)
{
    auto tool = std::make_unique<CPenPainter>();
    tool->SetPen(MulDiv(doc.Settings().penWidth, doc.GetResolution(), 2540), colour);
    return tool;
}

void RefreshRow(CVeldraDoc& doc, CSymbolObj* layer)
{
    if (doc.LayerList())
        doc.LayerList()->RefreshRow(layer);
}

// The end of a stroke or a fill. A layer made for it that got nothing goes
// again, and an existing layer's step that changed nothing is dropped: a
// list change without its step would leave older steps pointing one place
// off, and the layout would read as changed.
void Finish(CVeldraDoc& doc, CSymbolObj* layer, bool layerIsNew, bool painted)
{
    if (painted) {
        if (layerIsNew)
            doc.RecordUndo(UndoKind::added, layer, true);
        RefreshRow(doc, layer);
    } else if (layerIsNew) {
        if (doc.LayerList())
            doc.LayerList()->RemoveRow(layer);
        doc.RemoveRaw(doc.IndexOf(layer));
    } else {
        doc.DropLastUndo();
    }
}

} // namespace

CDibObj* GetPenLayer(CVeldraDoc& doc, bool create)
{
    if (CDibObj* layer = ExistingLayer(doc))
        return layer;
    if (!create)
        return nullptr;
    const CSize device = doc.GetDeviceSize();
    CDibImage image;
    if (!image.Create(device.cx, device.cy, 24, transparentKey))
        return nullptr;
    auto layer = std::make_unique<CDibObj>();
    // The layer is drawn on directly: its stored image is what shows.
    if (!layer->SetImageFrom(&image, flagsPenLayer, false))
        return nullptr;
    layer->SetBounds(0, 0, doc.GetMaterialSize().cx, doc.GetMaterialSize().cy);
    CDibObj* raw = layer.get();
    doc.InsertAt(std::move(layer), 0);
    if (doc.LayerList())
        doc.LayerList()->AddRow(raw, doc.IndexOf(raw));
    return raw;
}

bool BeginStroke(CVeldraDoc& doc, CPoint point, bool erase)
{
    const bool existed = ExistingLayer(doc) != nullptr;
    CDibObj* layer = GetPenLayer(doc, true);
    if (!layer)
        return false;
    if (!doc.PenTool())
        doc.SetPenTool(MakeTool(doc, erase ? transparentKey : doc.Settings().penColor));
    if (!doc.PenTool()->BeginStroke(layer, point.x, point.y, !existed)) {
        doc.SetPenTool(nullptr);
        if (!existed)
            Finish(doc, layer, true, false);
        return false;
    }
    return true;
}

CPoint ContinueStroke(CVeldraDoc& doc, CPoint point)
{
    return doc.PenTool() ? doc.PenTool()->AddPoint(point.x, point.y) : CPoint{};
}

bool EndStroke(CVeldraDoc& doc, CPoint point)
{
    CPenPainter* tool = doc.PenTool();
    if (!tool)
        return false;
    CSymbolObj* layer = tool->Target();
    const bool layerIsNew = tool->IsStroking();
    if (layer && !layerIsNew)
        doc.RecordUndo(UndoKind::changed, layer, true);
    const bool painted = tool->EndStroke(point.x, point.y);
    if (layer)
        Finish(doc, layer, layerIsNew, painted);
    doc.SetPenTool(nullptr);
    return painted;
}

bool FillAt(CVeldraDoc& doc, CPoint point, bool rightButton)
{
    const bool existed = ExistingLayer(doc) != nullptr;
    CDibObj* layer = GetPenLayer(doc, true);
    if (!layer)
        return false;
    if (!doc.PenTool())
        doc.SetPenTool(MakeTool(doc, doc.Settings().penColor));
    // The step is the painted surface, taken after the fill: the layer is
    // painted in place, not copied for the history.
    SurfaceChange painted;
    const bool filled = doc.PenTool()->FillAt(layer, point.x, point.y, rightButton ? transparentKey : colorNone, &painted)
        && !painted.IsEmpty();
    doc.SetPenTool(nullptr);
    if (filled && existed)
        doc.RecordFillUndo(layer, std::move(painted));
    if (filled || !existed)
        Finish(doc, layer, !existed, filled);
    return filled;
}

int PenWidthPixels(const CVeldraDoc& doc)
{
    if (doc.PenTool())
        return doc.PenTool()->Width();
    return MulDiv(doc.Settings().penWidth, doc.GetResolution(), 2540);
}

} // namespace CPenCommands
