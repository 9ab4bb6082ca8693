#include "CVeldraDoc.h"

#include "CMaterialShapes.h"

#include "IDocumentObserver.h"
#include "ILayerList.h"
#include "UpdateHint.h"

#include "objects/CPenPainter.h"
#include "platform/MulDiv.h"

#include <algorithm>

CVeldraDoc::CVeldraDoc()
    : m_undo(*this)
{
}

CVeldraDoc::~CVeldraDoc() = default;

// ------------------------------------------------------------ conversions

CPoint CVeldraDoc::DocToDevice(CPoint p) const
{
    return {MulDiv(p.x + m_sizeMaterial.cx / 2, m_nResolution, 2540),
            -MulDiv(p.y - m_sizeMaterial.cy / 2, m_nResolution, 2540)};
}

CSize CVeldraDoc::DocToDeviceSize(CSize s) const
{
    return {MulDiv(s.cx, m_nResolution, 2540), MulDiv(s.cy, m_nResolution, 2540)};
}

CRect CVeldraDoc::DocRectToDevice(const CRect& r) const
{
    const CPoint a = DocToDevice({r.left, r.top});
    const CPoint b = DocToDevice({r.right, r.bottom});
    return {a.x, a.y, b.x, b.y};
}

CPoint CVeldraDoc::DeviceToDoc(CPoint p) const
{
    return {MulDiv(p.x, 2540, m_nResolution) - m_sizeMaterial.cx / 2,
            m_sizeMaterial.cy / 2 - MulDiv(p.y, 2540, m_nResolution)};
}

CSize CVeldraDoc::DeviceToDocSize(CSize s) const
{
    return {MulDiv(s.cx, 2540, m_nResolution), MulDiv(s.cy, 2540, m_nResolution)};
}

bool CVeldraDoc::AllowDisplayBytes(std::uint64_t bytes)
{
    if (!m_bSerializingFile)
        return true;
    if (bytes > fileDisplayBudget - std::min(m_fileDisplayBytes, fileDisplayBudget))
        return false;
    m_fileDisplayBytes += bytes;
    return true;
}

// ------------------------------------------------------------------ list

CSymbolObj* CVeldraDoc::GetObjectAt(int index) const
{
    return index >= 0 && index < GetObjectCount() ? m_objects[std::size_t(index)].get() : nullptr;
}

std::vector<CSymbolObj*> CVeldraDoc::GetObjects() const
{
    std::vector<CSymbolObj*> objects;
    for (const auto& object : m_objects)
        objects.push_back(object.get());
    return objects;
}

int CVeldraDoc::IndexOf(const CSymbolObj* object) const
{
    for (std::size_t i = 0; i < m_objects.size(); ++i)
        if (m_objects[i].get() == object)
            return int(i);
    return -1;
}

void CVeldraDoc::UpdateHasMaterial()
{
    m_bHasMaterial = !m_objects.empty() && m_objects.front()->Kind() == SOK_MATERIAL;
}

void CVeldraDoc::InsertRaw(std::unique_ptr<CSymbolObj> object, int index)
{
    const int at = index < 0 || index > GetObjectCount() ? GetObjectCount() : index;
    m_objects.insert(m_objects.begin() + at, std::move(object));
    UpdateHasMaterial();
}

std::unique_ptr<CSymbolObj> CVeldraDoc::RemoveRaw(int index)
{
    if (!GetObjectAt(index))
        return nullptr;
    std::unique_ptr<CSymbolObj> object = std::move(m_objects[std::size_t(index)]);
    m_objects.erase(m_objects.begin() + index);
    UpdateHasMaterial();
    return object;
}

std::unique_ptr<CSymbolObj> CVeldraDoc::ReplaceRaw(int index, std::unique_ptr<CSymbolObj> object)
{
    if (!GetObjectAt(index))
        return nullptr;
    std::swap(m_objects[std::size_t(index)], object);
    UpdateHasMaterial();
    return object;
}

bool CVeldraDoc::InsertAt(std::unique_ptr<CSymbolObj> object, int index)
{
    if (!object)
        return false;
    // The material outline stays at the head.
    if (index == 0 && m_bHasMaterial)
        index = 1;
    const int at = index < 0 || index >= GetObjectCount() ? GetObjectCount() : index;
    m_objects.insert(m_objects.begin() + at, std::move(object));
    UpdateHasMaterial();
    return true;
}

bool CVeldraDoc::Delete(CSymbolObj* object)
{
    const int index = IndexOf(object);
    if (index < 0)
        return false;
    // A deletion is a change the user must be asked about before closing.
    RecordUndo(UndoKind::removed, object, true);
    if (m_pLayers)
        m_pLayers->RemoveRow(object);
    RemoveRaw(index);
    return true;
}

void CVeldraDoc::MoveCenter(CSymbolObj* object, bool record)
{
    const CPoint centre = object->GetPosition();
    if (centre.x == 0 && centre.y == 0)
        return;
    if (record)
        RecordUndo(UndoKind::bounds, object, true);
    object->Offset(-centre.x, -centre.y);
}

bool CVeldraDoc::MoveObject(int from, int to)
{
    if (!GetObjectAt(from) || to < 0)
        return false;
    // Insert before the object at to (or at the tail), then drop the original.
    const int count = GetObjectCount();
    const int target = to >= count ? count - 1 : (to > from ? to - 1 : to);
    std::unique_ptr<CSymbolObj> object = std::move(m_objects[std::size_t(from)]);
    m_objects.erase(m_objects.begin() + from);
    m_objects.insert(m_objects.begin() + target, std::move(object));
    UpdateHasMaterial();
    UpdateAllViews(nullptr, hintOrderChanged, nullptr);
    return true;
}

void CVeldraDoc::Select(CSymbolObj* object)
{
    if (object && object->HasFlag(SOF_LOCKED))
        object = nullptr;
    UpdateAllViews(nullptr, hintSelect, object);
}

void CVeldraDoc::SelectNext(CSymbolObj* object, bool backwards)
{
    const int count = GetObjectCount();
    if (count == 0)
        return;
    const int start = IndexOf(object);
    const auto step = [&](int index) {
        if (index < 0)
            return backwards ? count - 1 : 0;
        return backwards ? (index + count - 1) % count : (index + 1) % count;
    };
    // When every object is locked the start object stays (or, with none,
    // the first one visited).
    const int first = step(start);
    int found = start >= 0 ? start : first;
    for (int index = first, visited = 0; index != start && visited < count; index = step(index), ++visited) {
        if (!m_objects[std::size_t(index)]->HasFlag(SOF_LOCKED)) {
            found = index;
            break;
        }
    }
    UpdateAllViews(nullptr, hintSelect, GetObjectAt(found));
}

CSymbolObj* CVeldraDoc::ObjectAt(CPoint point, CSize tolerance, CSymbolObj* selection)
{
    if (selection && IndexOf(selection) >= 0) {
        const int hit = selection->HitTest(point, tolerance, true);
        if (hit != hitNothing && hit != hitBody)
            return selection;
    }
    for (const auto& object : m_objects)
        if (object->HitTest(point, tolerance, true) != hitNothing)
            return object.get();
    if (selection && IndexOf(selection) >= 0 && selection->HitTest(point, tolerance, false) != hitNothing)
        return selection;
    for (const auto& object : m_objects)
        if (object->HitTest(point, tolerance, false) != hitNothing)
            return object.get();
    return nullptr;
}

// ------------------------------------------------------------------ undo

bool CVeldraDoc::RecordUndo(UndoKind kind, CSymbolObj* object, bool markModified)
{
    const bool clean = m_undo.IsClean();
    const bool recorded = m_undo.Record(kind, object);
    if (recorded && clean && !markModified)
        m_undo.SetClean();
    else if (!recorded && markModified)
        m_undo.SetDiverged(); // the change happens all the same, with no step to undo it
    NoteModified();
    return recorded;
}

void CVeldraDoc::RecordFillUndo(CDibObj* layer, SurfaceChange change)
{
    if (!m_undo.RecordFill(layer, std::move(change)))
        m_undo.SetDiverged(); // painted all the same, with no step to undo it
    NoteModified();
}

void CVeldraDoc::RecordOrderUndo(int from, int to, bool markModified)
{
    if (from == to)
        return;
    const bool clean = m_undo.IsClean();
    m_undo.RecordOrder(from, to);
    if (clean && !markModified)
        m_undo.SetClean();
    NoteModified();
}

void CVeldraDoc::RecordMaterialUndo()
{
    m_undo.RecordMaterial();
    NoteModified();
}

bool CVeldraDoc::Undo()
{
    const bool done = m_undo.Undo();
    NoteModified();
    return done;
}

bool CVeldraDoc::Redo()
{
    const bool done = m_undo.Redo();
    NoteModified();
    return done;
}

void CVeldraDoc::DropLastUndo()
{
    m_undo.DropLast();
    NoteModified();
}

void CVeldraDoc::ClearUndo()
{
    m_undo.Clear();
    NoteModified();
}

void CVeldraDoc::SetModifiedFlag(bool modified)
{
    if (modified)
        m_undo.SetDiverged();
    else
        m_undo.SetClean();
    NoteModified();
}

void CVeldraDoc::NoteModified()
{
    const bool modified = IsModified();
    if (modified == m_bReportedModified)
        return;
    m_bReportedModified = modified;
    if (m_modifiedListener)
        m_modifiedListener(modified);
}

// ----------------------------------------------------- device and material

// The printable page as the document keeps it: 50 mm for a side not
// given, each side at most the device size limit in pixels. Needs the
// resolution set.
CSize CVeldraDoc::LimitedPrintable(int printableWidth, int printableHeight) const
{
    const CSize printable{printableWidth > 0 ? printableWidth : 5000, printableHeight > 0 ? printableHeight : 5000};
    CSize pixels = DocToDeviceSize(printable);
    const int limit = m_settings.deviceSizeLimit;
    if (pixels.cx <= limit && pixels.cy <= limit)
        return printable;
    pixels = {std::min(pixels.cx, limit), std::min(pixels.cy, limit)};
    return DeviceToDocSize(pixels);
}

bool CVeldraDoc::IsBoundTo(int resolution, int printableWidth, int printableHeight) const
{
    return (resolution > 0 ? resolution : defaultResolution) == m_nResolution && m_sizeMaterial.cx != 0
           && m_sizeMaterial.cy != 0 && m_sizeDevice == DocToDeviceSize(m_sizeMaterial)
           && m_sizePrintable == LimitedPrintable(printableWidth, printableHeight);
}

void CVeldraDoc::SetDevice(int resolution, int printableWidth, int printableHeight)
{
    m_nResolution = resolution > 0 ? resolution : defaultResolution;
    m_sizePrintable = LimitedPrintable(printableWidth, printableHeight);
    if (m_sizeMaterial.cx == 0 || m_sizeMaterial.cy == 0) {
        const CSize stored = m_settings.materialSize;
        m_sizeMaterial = stored.cx != 0 && stored.cy != 0 ? stored : m_sizePrintable;
    }
    RecalcMargins();
    m_sizeDevice = DocToDeviceSize(m_sizeMaterial);
    CMaterialShapes::RedrawMaterialShape(*this);
    RefreshObjects();
}

void CVeldraDoc::ResizeMaterial(CSize size)
{
    m_sizeMaterial = size;
    m_sizeDevice = DocToDeviceSize(size);
}

void CVeldraDoc::RestoreMaterial(CSize size, int shapeIndex, const QString& shapeFile)
{
    ResizeMaterial(size);
    m_nShapeIndex = shapeIndex;
    m_strShapeFile = shapeFile;
    UpdateAllViews(nullptr, hintDeviceChanged, nullptr);
    RecalcMargins();
    RefreshObjects();
}

void CVeldraDoc::RefreshObjects()
{
    for (const auto& object : m_objects)
        object->Refresh(this);
}

void CVeldraDoc::RecalcMargins()
{
    m_sizeMargin = {std::max(m_settings.marginTopLeft.cx, (m_sizeMaterial.cx - m_sizePrintable.cx) >> 1),
                    std::max(m_settings.marginTopLeft.cy, (m_sizeMaterial.cy - m_sizePrintable.cy) >> 1)};
}

// ------------------------------------------------------------- life cycle

void CVeldraDoc::OnNewDocument()
{
    DeleteContents();
    // A new layout does not inherit the last one's plate: binding the
    // device takes the stored material size, else the printable area.
    m_sizeMaterial = {};
    m_nShapeIndex = 0;
    m_crBase = m_settings.baseColor;
    RecalcMargins();
    m_undo.SetLimit(m_settings.maxUndoCount);
    SetModifiedFlag(false);
}

void CVeldraDoc::DeleteContents()
{
    m_objects.clear();
    m_bHasMaterial = false;
    m_bInvert = 0;
    m_nShapeIndex = 0;
    UpdateAllViews(nullptr, hintSelect, nullptr);
    if (m_pLayers)
        m_pLayers->Clear();
    ClearUndo();
}

void CVeldraDoc::SetSettings(const CDocumentSettings& settings)
{
    m_settings = settings;
    m_undo.SetLimit(settings.maxUndoCount);
}

void CVeldraDoc::SetPenTool(std::unique_ptr<CPenPainter> tool)
{
    m_pPenTool = std::move(tool);
}

void CVeldraDoc::AddObserver(IDocumentObserver* observer)
{
    if (std::find(m_observers.begin(), m_observers.end(), observer) == m_observers.end())
        m_observers.push_back(observer);
}

void CVeldraDoc::RemoveObserver(IDocumentObserver* observer)
{
    m_observers.erase(std::remove(m_observers.begin(), m_observers.end(), observer), m_observers.end());
}

void CVeldraDoc::UpdateAllViews(void* sender, int hint, CSymbolObj* object)
{
    for (IDocumentObserver* observer : m_observers)
        if (observer != sender)
            observer->OnUpdate(sender, hint, object);
}
