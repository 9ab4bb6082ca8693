#include "CUndoStack.h"

CDibImage CUndoStack::Push(CUndoStep step)
{
    CDibImage given;
    if (!m_steps.empty()) {
        CUndoStep& previous = m_steps.front();
        // The previous front may still lean on a step that left the history.
        if (previous.MakeWhole())
            given = previous.KeepDifferenceFrom(step);
    }
    m_steps.push_front(std::move(step));
    return given;
}

bool CUndoStack::TakeFront(CUndoStep& step)
{
    if (m_steps.empty() || !m_steps.front().MakeWhole())
        return false;
    step = std::move(m_steps.front());
    m_steps.pop_front();
    if (!m_steps.empty())
        m_steps.front().TakeBaseFrom(step);
    return true;
}

void CUndoStack::DropFront()
{
    CUndoStep dropped;
    if (TakeFront(dropped) || m_steps.empty())
        return;
    // It could not be made whole (memory): the step behind it, if it leans
    // on it, cannot be made whole either and fails when used.
    m_steps.pop_front();
}
