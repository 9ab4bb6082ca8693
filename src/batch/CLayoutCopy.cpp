#include "CLayoutCopy.h"

#include "document/CVeldraDoc.h"

namespace CLayoutCopy {

std::unique_ptr<CVeldraDoc> Make(const CVeldraDoc& doc)
{
    auto copy = std::make_unique<CVeldraDoc>();
    copy->SetSettings(doc.Settings());
    copy->SetMaterialSize(doc.GetMaterialSize());
    copy->SetBaseColor(doc.GetBaseColor());
    copy->SetInverted(doc.IsInverted());
    copy->SetShapeIndex(doc.GetShapeIndex());
    copy->SetShapeFile(doc.GetShapeFile());
    // The adjustments travel with the layout to the engraver.
    copy->Adjustments().Set(doc.Adjustments().Get());
    for (const CSymbolObj* object : doc.GetObjects())
        if (std::unique_ptr<CSymbolObj> clone = object->Clone())
            copy->InsertRaw(std::move(clone), -1);
    // Binding to the device refreshes every object for the copy.
    const CSize printable = doc.GetPrintableSize();
    copy->SetDevice(doc.GetResolution(), printable.cx, printable.cy);
    copy->SetModifiedFlag(false);
    return copy;
}

} // namespace CLayoutCopy
