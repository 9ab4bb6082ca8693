#pragma once

#include "CCommandState.h"
#include "CommandId.h"

#include <vector>

class ICommandTarget;

// Offers each command to its targets in turn, first come first served, both
// to run it and to ask how it shows. A command nobody handles is disabled.
class CCommandRouter
{
public:
    // Targets are asked in the order they were added; the router borrows them.
    void AddTarget(ICommandTarget* target);
    void RemoveTarget(ICommandTarget* target);

    // True when a target ran the command (it was enabled).
    bool Execute(CommandId id);
    CCommandState Query(CommandId id);

private:
    std::vector<ICommandTarget*> m_targets;
};
