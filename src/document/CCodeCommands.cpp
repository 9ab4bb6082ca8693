#include "CCodeCommands.h"

#include "CVeldraDoc.h"
#include "ILayerList.h"
#include "UpdateHint.h"

#include "objects/CCodePicture.h"
#include "objects/CDibObj.h"

namespace CCodeCommands {

CDibObj* AddCode(CVeldraDoc& doc, const CCodeDefinition& definition, const CCodeMatrix& matrix, CPoint centre)
{
    std::unique_ptr<CDibObj> code = CCodePicture::Make(definition, matrix, doc);
    if (!code)
        return nullptr;
    code->SetPosition(centre.x, centre.y);
    CDibObj* raw = code.get();
    if (!doc.InsertAt(std::move(code), 0))
        return nullptr;
    if (doc.LayerList())
        doc.LayerList()->AddRow(raw, doc.IndexOf(raw));
    doc.RecordUndo(UndoKind::added, raw, true);
    doc.UpdateAllViews(nullptr, hintPlateChanged, nullptr);
    doc.UpdateAllViews(nullptr, hintSelect, raw);
    return raw;
}

} // namespace CCodeCommands
