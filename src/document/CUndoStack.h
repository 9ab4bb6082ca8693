#pragma once

#include "CUndoStep.h"

#include <deque>

// The undo or the redo history: newest step in front. A step behind the
// front may keep its image as the difference from the step in front of it
// (consecutive strokes on a pen layer change a few rows each); the front
// step is always whole, or has what it needs to become whole.
class CUndoStack
{
public:
    bool Empty() const { return m_steps.empty(); }
    int Count() const { return int(m_steps.size()); }
    const CUndoStep& Front() const { return m_steps.front(); }
    const CUndoStep& Back() const { return m_steps.back(); }

    // Returns what the step before it gave up (CUndoStep::KeepDifferenceFrom).
    CDibImage Push(CUndoStep step);
    // Makes the front step whole and takes it out; false (nothing taken)
    // when it cannot be made whole.
    bool TakeFront(CUndoStep& step);
    // Puts a step taken with TakeFront back where it was.
    void PutBack(CUndoStep step) { m_steps.push_front(std::move(step)); }
    // Drops the newest step, leaving the one behind it whole when it can.
    void DropFront();
    void DropOldest() { m_steps.pop_back(); }
    void Clear() { m_steps.clear(); }

private:
    std::deque<CUndoStep> m_steps;
};
