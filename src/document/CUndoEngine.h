#pragma once

#include <QByteArray>

#include <cstdint>
#include <deque>

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
};

// The undo and redo histories of a document. Each step is kept as archive
// bytes in memory: kind, list position, then what the kind needs.
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

    bool CanUndo() const { return !m_undo.empty(); }
    bool CanRedo() const { return !m_redo.empty(); }
    int UndoCount() const { return int(m_undo.size()); }
    int RedoCount() const { return int(m_redo.size()); }
    // The newest record's bytes (tests and diagnostics).
    const QByteArray& NewestUndo() const { return m_undo.front(); }

private:
    // Applies the newest record of source and moves it to target.
    bool Step(std::deque<QByteArray>& source, std::deque<QByteArray>& target, bool undoing);
    // Returns false when the step cannot apply (no object at the index).
    bool Apply(QByteArray& record, bool undoing);
    void Push(QByteArray record);

    CVeldraDoc& m_doc;
    std::deque<QByteArray> m_undo; // front = newest
    std::deque<QByteArray> m_redo;
    int m_nMaxCount = 100;
};
