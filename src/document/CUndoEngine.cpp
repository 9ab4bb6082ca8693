#include "CUndoEngine.h"

#include "CVeldraDoc.h"
#include "ILayerList.h"
#include "UpdateHint.h"

#include "objects/CDibObj.h"
#include "objects/ObjectClasses.h"
#include "platform/CArchive.h"

#include <QBuffer>

namespace {

// Writes one record through an archive with the document attached, so
// pictures keep their editing history in it.
template <class F>
QByteArray WriteRecord(CVeldraDoc& doc, F write)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    CArchive ar(buffer, CArchive::store);
    ar.m_pDocument = &doc;
    write(ar);
    ar.Close();
    return bytes;
}

// Every image object (picture, frame, symbol, material outline) shows a
// display image made for its size; after the size changes back it must be
// made again, or the plate shows the dragged size stretched.
void RebuildDisplayIfResized(CVeldraDoc& doc, CSymbolObj* object, CSize oldSize)
{
    if (object->GetSize() != oldSize)
        object->Refresh(&doc);
}

QByteArray MaterialRecord(CVeldraDoc& doc)
{
    return WriteRecord(doc, [&](CArchive& ar) {
        const CSize size = doc.GetMaterialSize();
        ar << std::uint32_t(UndoKind::material) << std::uint32_t(0) << std::int32_t(size.cx) << std::int32_t(size.cy)
           << std::int32_t(doc.GetShapeIndex());
        ar.WriteString(doc.GetShapeFile().toUtf8());
    });
}

} // namespace

CUndoEngine::CUndoEngine(CVeldraDoc& document)
    : m_doc(document)
{
}

bool CUndoEngine::Record(UndoKind kind, CSymbolObj* object)
{
    if (!object)
        return false;
    // A text object's size follows its font: a bounds change is a whole change.
    if (object->Kind() == SOK_TEXT && kind == UndoKind::bounds)
        kind = UndoKind::changed;
    const int index = m_doc.IndexOf(object);
    if (index < 0)
        return false;
    try {
        // Image objects are kept whole, their pixels shared until changed:
        // a stroke or a picture edit then costs one copy of the pixels it
        // writes to, not a coded record.
        auto* picture = dynamic_cast<CDibObj*>(object);
        if (picture && (kind == UndoKind::added || kind == UndoKind::removed || kind == UndoKind::changed)) {
            CDibImage given = Push(CUndoStep::Keeping(kind, index, picture->UndoCopy()));
            // A pen layer is written next: the pixels the step before gave
            // up, already brought to the layer's, spare it copying its own.
            if (picture->Kind() == SOK_PEN && kind == UndoKind::changed && DibRowDelta::SameLayout(given, picture->StoredImage()))
                picture->StoredImage() = std::move(given);
            return true;
        }
        Push(CUndoStep::FromRecord(WriteRecord(m_doc, [&](CArchive& ar) {
            ar << std::uint32_t(kind) << std::uint32_t(index);
            switch (kind) {
            case UndoKind::visibility:
                ar << std::uint32_t(object->m_bVisible);
                break;
            case UndoKind::bounds:
                ar << std::int32_t(object->m_ptCenter.x) << std::int32_t(object->m_ptCenter.y)
                   << std::int32_t(object->m_size.cx) << std::int32_t(object->m_size.cy);
                break;
            default:
                ar.WriteObject(object);
                break;
            }
        })));
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

bool CUndoEngine::RecordFill(CDibObj* layer, SurfaceChange change)
{
    const int index = m_doc.IndexOf(layer);
    if (index < 0 || change.IsEmpty())
        return false;
    try {
        change.ReleaseSpare();
        if (change.Bytes() <= layer->StoredImage().BitsSize()) {
            Push(CUndoStep::Filling(index, std::move(change)));
            return true;
        }
        // A surface of scattered specks can take more spans than the layer
        // has bytes: the layer as it was is kept instead, as for a stroke.
        std::unique_ptr<CDibObj> before = layer->UndoCopy();
        if (!change.Reverse(before->StoredImage()))
            return false;
        Push(CUndoStep::Keeping(UndoKind::changed, index, std::move(before)));
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

void CUndoEngine::RecordOrder(int from, int to)
{
    if (from == to)
        return;
    Push(CUndoStep::FromRecord(WriteRecord(m_doc, [&](CArchive& ar) {
        ar << std::uint32_t(UndoKind::reordered) << std::uint32_t(from) << std::uint32_t(to);
    })));
}

void CUndoEngine::RecordMaterial()
{
    Push(CUndoStep::FromRecord(MaterialRecord(m_doc)));
}

CDibImage CUndoEngine::Push(CUndoStep step)
{
    // The saved layout was among the steps undone: a new step drops them.
    if (m_nCleanIndex > m_undo.Count())
        m_nCleanIndex = -1;
    step.SetGroup(m_nGroupDepth > 0 ? m_nGroup : 0);
    CDibImage given = m_undo.Push(std::move(step));
    m_redo.Clear();
    if (m_nGroupDepth == 0)
        TrimToLimit();
    return given;
}

void CUndoEngine::TrimToLimit()
{
    while (m_undo.Count() > std::max(m_nMaxCount, 0))
        DropOldest();
}

// A group goes as a whole: half of it undone would give a layout that
// never was.
void CUndoEngine::DropOldest()
{
    const int group = m_undo.Back().Group();
    do {
        m_undo.DropOldest();
        m_nCleanIndex = m_nCleanIndex > 0 ? m_nCleanIndex - 1 : -1;
    } while (group != 0 && !m_undo.Empty() && m_undo.Back().Group() == group);
}

void CUndoEngine::BeginGroup()
{
    if (m_nGroupDepth++ == 0)
        m_nGroup = ++m_nLastGroup;
}

void CUndoEngine::EndGroup()
{
    if (m_nGroupDepth > 0 && --m_nGroupDepth == 0)
        TrimToLimit();
}

void CUndoEngine::DropLast()
{
    if (!m_undo.Empty())
        m_undo.DropFront();
    m_redo.Clear();
}

void CUndoEngine::Clear()
{
    m_nCleanIndex = IsClean() ? 0 : -1;
    m_undo.Clear();
    m_redo.Clear();
}

QByteArray CUndoEngine::NewestUndo() const
{
    return m_undo.Empty() ? QByteArray() : m_undo.Front().ToRecord(m_doc);
}

bool CUndoEngine::Undo()
{
    return StepGroup(m_undo, m_redo, true);
}

bool CUndoEngine::Redo()
{
    return StepGroup(m_redo, m_undo, false);
}

bool CUndoEngine::StepGroup(CUndoStack& source, CUndoStack& target, bool undoing)
{
    if (source.Empty())
        return false;
    const int group = source.Front().Group();
    if (!Step(source, target, undoing))
        return false;
    while (group != 0 && !source.Empty() && source.Front().Group() == group) {
        if (!Step(source, target, undoing)) {
            // Stopped half way: the layout is one no step describes.
            m_nCleanIndex = -1;
            return false;
        }
    }
    return true;
}

bool CUndoEngine::Step(CUndoStack& source, CUndoStack& target, bool undoing)
{
    if (source.Empty())
        return false;
    m_doc.UpdateAllViews(nullptr, hintSelect, nullptr);
    CUndoStep step;
    if (!source.TakeFront(step))
        return false;
    bool applied = false;
    try {
        applied = Apply(step, undoing);
    } catch (const std::exception&) {
        // The step stays where it was; nothing was changed.
        source.PutBack(std::move(step));
        return false;
    }
    if (applied)
        target.Push(std::move(step));
    else
        m_nCleanIndex = -1; // the step is gone: the count no longer tells where we are
    m_doc.UpdateAllViews(nullptr, hintPlateChanged, nullptr);
    return applied;
}

bool CUndoEngine::Apply(CUndoStep& step, bool undoing)
{
    if (step.Kind() == UndoKind::filled)
        return ApplyFill(step);
    return step.KeepsObject() ? ApplyKept(step, undoing) : ApplyRecord(step.Record(), undoing);
}

// The surface is painted over in place, undoing and redoing alike; the
// step then holds the way back.
bool CUndoEngine::ApplyFill(CUndoStep& step)
{
    auto* layer = dynamic_cast<CDibObj*>(m_doc.GetObjectAt(step.Index()));
    if (!layer || !step.Change().Reverse(layer->StoredImage()))
        return false;
    if (ILayerList* layers = m_doc.LayerList())
        layers->RefreshRow(layer);
    return true;
}

bool CUndoEngine::RemoveAt(int at)
{
    CSymbolObj* object = m_doc.GetObjectAt(at);
    if (!object)
        return false;
    if (ILayerList* layers = m_doc.LayerList())
        layers->RemoveRow(object);
    m_doc.RemoveRaw(at);
    return true;
}

bool CUndoEngine::InsertAt(std::unique_ptr<CSymbolObj> object, int at)
{
    if (at > m_doc.GetObjectCount())
        return false;
    CSymbolObj* raw = object.get();
    m_doc.InsertRaw(std::move(object), at);
    if (ILayerList* layers = m_doc.LayerList())
        layers->AddRow(raw, at);
    return true;
}

bool CUndoEngine::ApplyKept(CUndoStep& step, bool undoing)
{
    const int at = step.Index();
    ILayerList* layers = m_doc.LayerList();
    // What reading a record back gives: the display image for the document.
    const auto restored = [this](CSymbolObj* object) {
        if (auto* picture = dynamic_cast<CDibObj*>(object))
            picture->RestoreDisplay(&m_doc);
    };
    switch (step.Kind()) {
    case UndoKind::added:
    case UndoKind::removed: {
        if ((step.Kind() == UndoKind::added) == undoing)
            return RemoveAt(at);
        // The step keeps its object for the next time round.
        std::unique_ptr<CDibObj> copy = static_cast<const CDibObj*>(step.Object())->UndoCopy();
        restored(copy.get());
        return InsertAt(std::move(copy), at);
    }
    case UndoKind::changed: {
        if (!m_doc.GetObjectAt(at))
            return false;
        std::unique_ptr<CSymbolObj> kept = step.TakeObject();
        CSymbolObj* object = kept.get();
        restored(object);
        // The step now holds what was replaced, for the way back.
        step.Keep(m_doc.ReplaceRaw(at, std::move(kept)));
        if (layers)
            layers->RefreshRow(object);
        return true;
    }
    default:
        return false;
    }
}

bool CUndoEngine::ApplyRecord(QByteArray& record, bool undoing)
{
    QBuffer buffer(&record);
    buffer.open(QIODevice::ReadOnly);
    CArchive ar(buffer, CArchive::load, &ObjectClasses());
    ar.m_pDocument = &m_doc;
    std::uint32_t kindValue, index;
    ar >> kindValue >> index;
    const auto kind = UndoKind(kindValue);
    const int at = int(std::min<std::uint32_t>(index, 0x7FFFFFFF));
    ILayerList* layers = m_doc.LayerList();

    switch (kind) {
    case UndoKind::added:
    case UndoKind::removed: {
        if ((kind == UndoKind::added) == undoing)
            return RemoveAt(at);
        std::unique_ptr<CObject> read = ar.ReadOwnedObject(&CSymbolObj::classInfo);
        return InsertAt(std::unique_ptr<CSymbolObj>(static_cast<CSymbolObj*>(read.release())), at);
    }
    case UndoKind::changed: {
        if (!m_doc.GetObjectAt(at))
            return false;
        std::unique_ptr<CObject> read = ar.ReadOwnedObject(&CSymbolObj::classInfo);
        CSymbolObj* object = static_cast<CSymbolObj*>(read.get());
        std::unique_ptr<CSymbolObj> replaced = m_doc.ReplaceRaw(at, std::unique_ptr<CSymbolObj>(static_cast<CSymbolObj*>(read.release())));
        if (layers)
            layers->RefreshRow(object);
        // The record now holds what was replaced, for the way back.
        record = WriteRecord(m_doc, [&](CArchive& out) {
            out << std::uint32_t(UndoKind::changed) << std::uint32_t(at);
            out.WriteObject(replaced.get());
        });
        return true;
    }
    case UndoKind::reordered: {
        std::uint32_t toValue;
        ar >> toValue;
        const int from = at, to = int(std::min<std::uint32_t>(toValue, 0x7FFFFFFF));
        const int moveFrom = !undoing ? from : (to < from ? to : to - 1);
        const int moveTo = !undoing ? to : (to < from ? from + 1 : from);
        if (!m_doc.MoveObject(moveFrom, moveTo))
            return false;
        if (layers)
            layers->MoveRow(moveFrom, moveTo);
        return true;
    }
    case UndoKind::visibility: {
        std::uint32_t visible;
        ar >> visible;
        CSymbolObj* object = m_doc.GetObjectAt(at);
        if (!object)
            return false;
        object->m_bVisible = undoing ? (visible ? 1 : 0) : (visible ? 0 : 1);
        if (layers)
            layers->RefreshRow(object);
        return true;
    }
    case UndoKind::material:
        ApplyMaterial(ar, record);
        return true;
    case UndoKind::bounds: {
        std::int32_t x, y, cx, cy;
        ar >> x >> y >> cx >> cy;
        CSymbolObj* object = m_doc.GetObjectAt(at);
        if (!object)
            return false;
        const CPoint oldCentre = object->GetPosition();
        const CSize oldSize = object->GetSize();
        object->SetBounds(x, y, cx, cy);
        RebuildDisplayIfResized(m_doc, object, oldSize);
        record = WriteRecord(m_doc, [&](CArchive& out) {
            out << std::uint32_t(UndoKind::bounds) << std::uint32_t(at) << std::int32_t(oldCentre.x)
                << std::int32_t(oldCentre.y) << std::int32_t(oldSize.cx) << std::int32_t(oldSize.cy);
        });
        return true;
    }
    case UndoKind::filled:
        // A fill's step keeps its painted surface, never a record.
        break;
    }
    return false;
}

// The plate as recorded, and the record now holds the plate it replaced.
// The outline itself comes and goes in steps of its own in the same group.
void CUndoEngine::ApplyMaterial(CArchive& ar, QByteArray& record)
{
    std::int32_t cx, cy, shape;
    ar >> cx >> cy >> shape;
    const QString file = QString::fromUtf8(ar.ReadString());
    QByteArray replaced = MaterialRecord(m_doc);
    m_doc.RestoreMaterial({cx, cy}, shape, file);
    record = std::move(replaced);
}
