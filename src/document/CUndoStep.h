#pragma once

#include "imaging/CDibImage.h"
#include "imaging/DibRowDelta.h"
#include "imaging/SurfaceChange.h"
#include "objects/CSymbolObj.h"

#include <QByteArray>

#include <cstdint>
#include <memory>

class CArchive;
class CSymbolObj;
class CVeldraDoc;

// Undo record kinds.
enum class UndoKind : std::uint32_t {
    added = 0,     // recorded after the object was added
    removed = 1,   // recorded before it is removed
    changed = 2,   // the whole object, before the change
    reordered = 3, // from and to positions, after the move
    visibility = 4,
    bounds = 5,    // centre and size before the change
    material = 6,  // plate size, shape index and library file before the change
    filled = 7,    // a fill on a pen layer: the surface it painted, its former and new colour
};

// One step of the undo or redo history. Whole image objects (pictures,
// frames, symbols, pen layers) are kept as objects whose pixels are shared
// with the document's until either side writes to them; everything else as
// archive bytes: kind, list position, then what the kind needs. A fill is
// kept as the surface it painted, so the layer is written in place and
// undoing or redoing it paints that surface over.
//
// A kept object's stored image may be held as the rows in which it differs
// from the step in front of it in the same history (see CUndoStack); it is
// made whole again before the step is used.
class CUndoStep
{
public:
    static CUndoStep FromRecord(QByteArray record);
    static CUndoStep Keeping(UndoKind kind, int index, std::unique_ptr<CSymbolObj> object);
    static CUndoStep Filling(int index, SurfaceChange change);

    UndoKind Kind() const { return m_kind; }
    int Index() const { return m_index; }
    // Steps of one group (not 0) are undone and redone together.
    int Group() const { return m_group; }
    void SetGroup(int group) { m_group = group; }
    bool KeepsObject() const { return m_object != nullptr; }
    QByteArray& Record() { return m_record; }
    CSymbolObj* Object() const { return m_object.get(); }
    std::unique_ptr<CSymbolObj> TakeObject() { return std::move(m_object); }
    void Keep(std::unique_ptr<CSymbolObj> object) { m_object = std::move(object); }
    SurfaceChange& Change() { return m_change; }

    // The step's bytes as an undo record has them (tests, diagnostics).
    QByteArray ToRecord(CVeldraDoc& doc) const;

    // Holds the stored image as its difference from newer's, when both keep
    // a changed image object of the same layout. Returns the pixels it gave
    // up, brought to newer's image (only the differing bytes copied) and
    // shared with nothing: a copy of that image for whoever is about to
    // write to it. Empty when there is none.
    CDibImage KeepDifferenceFrom(const CUndoStep& newer);
    // The step in front is about to be used: its image is the one this
    // step's difference was taken against.
    void TakeBaseFrom(const CUndoStep& newer);
    bool IsWhole() const { return m_delta.IsEmpty(); }
    // Makes the stored image whole again; false when it cannot (memory).
    bool MakeWhole();

private:
    const CDibImage* StoredImage() const;
    void WriteChange(CArchive& ar) const;

    UndoKind m_kind = UndoKind::changed;
    int m_index = 0;
    int m_group = 0;
    QByteArray m_record;
    std::unique_ptr<CSymbolObj> m_object;
    SurfaceChange m_change;
    DibRowDelta m_delta;
    CDibImage m_base; // what m_delta applies to, once known
};
