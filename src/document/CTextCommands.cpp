#include "CTextCommands.h"

#include "CPictureCommands.h"
#include "CVeldraDoc.h"
#include "ILayerList.h"
#include "IObjectEditor.h"
#include "UpdateHint.h"

#include "objects/CArcTextObj.h"
#include "objects/CTextObj.h"

#include <memory>

namespace CTextCommands {

namespace {

// A new object gets its size from its text before the user sees it, so
// that it has one even when the editor does not set it.
void SizeToText(CSymbolObj& object)
{
    if (auto* block = dynamic_cast<CTextObj*>(&object)) {
        block->Measure();
    } else if (auto* text = dynamic_cast<CFreeTextObj*>(&object)) {
        const CSize natural = text->MeasureNatural();
        text->SetSize(natural.cx, natural.cy);
    }
}

bool Place(CVeldraDoc& doc, std::unique_ptr<CSymbolObj> object, IObjectEditor& editor)
{
    SizeToText(*object);
    // Nothing is recorded before the user confirms: a cancelled placement
    // leaves no trace in the document or its history.
    if (!editor.Edit(*object))
        return false;
    CSymbolObj* raw = object.get();
    if (!doc.InsertAt(std::move(object), 0))
        return false;
    doc.RecordUndo(UndoKind::added, raw, true);
    if (doc.LayerList())
        doc.LayerList()->AddRow(raw, doc.IndexOf(raw));
    doc.UpdateAllViews(nullptr, hintSelect, raw);
    return true;
}

} // namespace

bool AddText(CVeldraDoc& doc, CPoint device, bool block, IObjectEditor& editor)
{
    const CPoint at = doc.DeviceToDoc(device);
    const CTextAttributes defaults = editor.NewTextAttributes();
    std::unique_ptr<CSymbolObj> object;
    if (block) {
        auto text = std::make_unique<CTextObj>(defaults);
        text->m_pDoc = &doc;
        object = std::move(text);
    } else {
        auto text = std::make_unique<CFreeTextObj>(defaults);
        text->m_pDoc = &doc;
        object = std::move(text);
    }
    object->SetPosition(at.x, at.y);
    return Place(doc, std::move(object), editor);
}

bool AddFanText(CVeldraDoc& doc, CPoint device, IObjectEditor& editor)
{
    const CPoint at = doc.DeviceToDoc(device);
    auto fan = std::make_unique<CArcTextObj>(editor.NewTextAttributes());
    fan->m_pDoc = &doc;
    fan->SetPosition(at.x, at.y);
    const CPictureCommands::FanPlacement placement = CPictureCommands::PlaceFanText(at.x, at.y);
    fan->m_layout.m_fAngle = placement.angle;
    fan->m_layout.m_fRadius = placement.radius;
    if (placement.invert)
        fan->m_layout.m_bInvert = 1;
    return Place(doc, std::move(fan), editor);
}

bool EditObjectProperties(CVeldraDoc& doc, CSymbolObj& object, IObjectEditor& editor)
{
    if (object.HasFlag(SOF_LOCKED) || doc.IndexOf(&object) < 0)
        return false;
    // The user edits a copy, and the change step is recorded only once the
    // edit is confirmed. Recording first and dropping the step on Cancel
    // would cost the redo history, the oldest step of a full history and
    // the document's unmodified state, all for a change that never happened.
    std::unique_ptr<CSymbolObj> working = object.Clone();
    if (!working || !editor.Edit(*working))
        return false;
    doc.RecordUndo(UndoKind::changed, &object, true);
    object.CopyFrom(*working);
    object.Refresh(&doc);
    if (doc.LayerList())
        doc.LayerList()->RefreshRow(&object);
    doc.UpdateAllViews(nullptr, hintPlateChanged, nullptr);
    return true;
}

} // namespace CTextCommands
