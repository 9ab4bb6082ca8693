#pragma once

#include "CUndoStack.h"

#include <QByteArray>

#include <memory>

class CArchive;
class CDibObj;
class CSymbolObj;
class CVeldraDoc;

// The undo and redo histories of a document (see CUndoStep for how a step
// is kept), and the place in them where the layout was last saved or
// opened: the layout is modified exactly when it is elsewhere.
class CUndoEngine
{
public:
    explicit CUndoEngine(CVeldraDoc& document);

    void SetLimit(int maxCount) { m_nMaxCount = maxCount; }
    int Limit() const { return m_nMaxCount; }

    bool Record(UndoKind kind, CSymbolObj* object);
    // After a fill painted the layer (the change is not empty).
    bool RecordFill(CDibObj* layer, SurfaceChange change);
    void RecordOrder(int from, int to);
    // The plate's size, shape index and library file as they are now.
    void RecordMaterial();
    bool Undo();
    bool Redo();
    void DropLast();
    void Clear();

    // Steps recorded between these (they nest) are one step for the user.
    void BeginGroup();
    void EndGroup();

    // The layout as shown is the one saved or opened.
    bool IsClean() const { return m_undo.Count() == m_nCleanIndex; }
    void SetClean() { m_nCleanIndex = m_undo.Count(); }
    // A change outside the history: no undo or redo gets back to the saved
    // layout.
    void SetDiverged() { m_nCleanIndex = -1; }

    bool CanUndo() const { return !m_undo.Empty(); }
    bool CanRedo() const { return !m_redo.Empty(); }
    int UndoCount() const { return m_undo.Count(); }
    int RedoCount() const { return m_redo.Count(); }
    // The newest step as record bytes (tests and diagnostics).
    QByteArray NewestUndo() const;

private:
    // Applies the newest step of source with the rest of its group.
    bool StepGroup(CUndoStack& source, CUndoStack& target, bool undoing);
    // Applies the newest step of source and moves it to target.
    bool Step(CUndoStack& source, CUndoStack& target, bool undoing);
    // Returns false when the step cannot apply (no object at the index).
    bool Apply(CUndoStep& step, bool undoing);
    bool ApplyRecord(QByteArray& record, bool undoing);
    void ApplyMaterial(CArchive& ar, QByteArray& record);
    bool ApplyKept(CUndoStep& step, bool undoing);
    bool ApplyFill(CUndoStep& step);
    // The object at the position, out of the list (an addition undone).
    bool RemoveAt(int at);
    // An object put back into the list (a removal undone); false past its end.
    bool InsertAt(std::unique_ptr<CSymbolObj> object, int at);
    CDibImage Push(CUndoStep step);
    void TrimToLimit();
    void DropOldest();

    CVeldraDoc& m_doc;
    CUndoStack m_undo;
    CUndoStack m_redo;
    int m_nMaxCount = 100;
    // Undo steps behind the saved layout; -1 when no undo or redo leads back.
    int m_nCleanIndex = 0;
    int m_nGroupDepth = 0;
    int m_nGroup = 0;
    int m_nLastGroup = 0;
};
