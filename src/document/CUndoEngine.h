#pragma once

#include "CUndoStack.h"

#include <QByteArray>

#include <memory>

class CSymbolObj;
class CVeldraDoc;

// The undo and redo histories of a document (see CUndoStep for how a step
// is kept).
class CUndoEngine
{
public:
    explicit CUndoEngine(CVeldraDoc& document);

    void SetLimit(int maxCount) { m_nMaxCount = maxCount; }
    int Limit() const { return m_nMaxCount; }

    bool Record(UndoKind kind, CSymbolObj* object);
    void RecordOrder(int from, int to);
    bool Undo();
    bool Redo();
    void DropLast();
    void Clear();

    bool CanUndo() const { return !m_undo.Empty(); }
    bool CanRedo() const { return !m_redo.Empty(); }
    int UndoCount() const { return m_undo.Count(); }
    int RedoCount() const { return m_redo.Count(); }
    // The newest step as record bytes (tests and diagnostics).
    QByteArray NewestUndo() const;

private:
    // Applies the newest step of source and moves it to target.
    bool Step(CUndoStack& source, CUndoStack& target, bool undoing);
    // Returns false when the step cannot apply (no object at the index).
    bool Apply(CUndoStep& step, bool undoing);
    bool ApplyRecord(QByteArray& record, bool undoing);
    bool ApplyKept(CUndoStep& step, bool undoing);
    // The object at the position, out of the list (an addition undone).
    bool RemoveAt(int at);
    // An object put back into the list (a removal undone); false past its end.
    bool InsertAt(std::unique_ptr<CSymbolObj> object, int at);
    void Push(CUndoStep step);

    CVeldraDoc& m_doc;
    CUndoStack m_undo;
    CUndoStack m_redo;
    int m_nMaxCount = 100;
};
