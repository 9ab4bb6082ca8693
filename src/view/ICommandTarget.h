#pragma once

#include "CCommandState.h"
#include "CommandId.h"

// Something that handles commands: the view, the document's command table,
// the main window and the application, asked in that order.
class ICommandTarget
{
public:
    // True when the command is this target's; it has then run.
    virtual bool OnCommand(CommandId id) = 0;
    // True when the command is this target's; state then tells how it shows.
    virtual bool OnUpdateCommand(CommandId id, CCommandState& state) = 0;

protected:
    ~ICommandTarget() = default;
};
