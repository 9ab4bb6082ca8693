#pragma once

#include "ICommandTarget.h"

class CVeldraView;

// The view's own commands: the eight tools and the text-tool drop-down,
// zooming, and showing the grid.
class CViewCommands : public ICommandTarget
{
public:
    explicit CViewCommands(CVeldraView& view) : m_view(view) {}

    bool OnCommand(CommandId id) override;
    bool OnUpdateCommand(CommandId id, CCommandState& state) override;

private:
    bool OnZoomCommand(CommandId id);
    bool OnUpdateZoomCommand(CommandId id, CCommandState& state);
    bool OnUpdateToolCommand(CommandId id, CCommandState& state);
    // Fill Paint needs the pen layer; without it the tool falls back to Pen.
    void EnsureFillPaintAvailable();

    CVeldraView& m_view;
};
