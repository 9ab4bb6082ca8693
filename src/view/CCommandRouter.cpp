#include "CCommandRouter.h"

#include "ICommandTarget.h"

#include <algorithm>

void CCommandRouter::AddTarget(ICommandTarget* target)
{
    if (target && std::find(m_targets.begin(), m_targets.end(), target) == m_targets.end())
        m_targets.push_back(target);
}

void CCommandRouter::RemoveTarget(ICommandTarget* target)
{
    m_targets.erase(std::remove(m_targets.begin(), m_targets.end(), target), m_targets.end());
}

bool CCommandRouter::Execute(CommandId id)
{
    // A command whose state says disabled never runs, whatever sent it:
    // accelerators and posted commands skip the menus' greying.
    if (!Query(id).enabled)
        return false;
    for (ICommandTarget* target : std::vector<ICommandTarget*>(m_targets)) {
        if (target->OnCommand(id))
            return true;
    }
    return false;
}

CCommandState CCommandRouter::Query(CommandId id)
{
    CCommandState state;
    for (ICommandTarget* target : m_targets) {
        if (target->OnUpdateCommand(id, state))
            return state;
    }
    return CCommandState{false, 0};
}
