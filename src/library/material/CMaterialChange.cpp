#include "CMaterialChange.h"

#include "settings/CAppSettings.h"
#include "document/CMaterialShapes.h"
#include "document/CVeldraDoc.h"
#include "document/UpdateHint.h"
#include "objects/CDibObj.h"

MaterialChoice CMaterialChange::Start(const CVeldraDoc& doc, const CAppSettings& settings, bool newDocument)
{
    MaterialChoice choice;
    if (!newDocument) {
        choice.size = doc.GetMaterialSize();
        choice.shape = doc.GetShapeIndex();
        choice.path = doc.GetShapeFile();
        return choice;
    }
    const CSize maximum{CVeldraDoc::maxMaterialSide, CVeldraDoc::maxMaterialSide};
    choice.size = settings.materialSize;
    if (choice.size.cx == 0 || choice.size.cy == 0)
        choice.size = doc.GetPrintableSize();
    if (choice.size.cx > maximum.cx || choice.size.cy > maximum.cy)
        choice.size = maximum;
    choice.shape = MaterialChoice::KnownShape(settings.materialShapeIndex);
    if (choice.IsLibrary())
        choice.path = settings.materialShapeFileName;
    return choice;
}

bool CMaterialChange::Apply(CVeldraDoc& doc, CAppSettings& settings, const MaterialChoice& choice,
                            std::unique_ptr<CDibObj> library)
{
    // Size, shape and outline come back together with one undo.
    CVeldraDoc::UndoGroup group(doc);
    doc.RecordMaterialUndo();
    const int oldShape = doc.GetShapeIndex();
    doc.ResizeMaterial(choice.size);
    doc.SetShapeIndex(choice.shape);
    if (choice.IsLibrary())
        doc.SetShapeFile(choice.path);
    doc.UpdateAllViews(nullptr, hintDeviceChanged, nullptr);
    doc.RecalcMargins();
    const bool made = MakeOutline(doc, settings, choice, std::move(library));
    if (!made)
        doc.SetShapeIndex(oldShape);
    Remember(doc, settings, choice);
    doc.RefreshObjects();
    doc.UpdateAllViews(nullptr, hintPlateChanged, nullptr);
    return made;
}

bool CMaterialChange::MakeOutline(CVeldraDoc& doc, CAppSettings& settings, const MaterialChoice& choice,
                                  std::unique_ptr<CDibObj> library)
{
    if (!choice.IsLibrary())
        return CMaterialShapes::MakeMaterialShape(doc, choice.shape);
    if (!CMaterialShapes::InsertLibraryObject(doc, std::move(library), CMaterialShapes::material))
        return false;
    settings.materialShapeFileName = choice.path;
    return true;
}

void CMaterialChange::Remember(CVeldraDoc& doc, CAppSettings& settings, const MaterialChoice& choice)
{
    settings.materialSize = choice.size;
    settings.materialShapeIndex = doc.GetShapeIndex();
    // The document's copy of the settings sizes the next new layout.
    CDocumentSettings documentSettings = doc.Settings();
    documentSettings.materialSize = choice.size;
    doc.SetSettings(documentSettings);
}
