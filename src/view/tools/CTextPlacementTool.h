#pragma once

#include "CViewTool.h"

#include <functional>

// Placing a new text object where the user clicks. The placing itself
// (which opens the object's properties, and returns the view to Select once
// a text is placed) is handed in by the view.
class CTextPlacementTool : public CViewTool
{
public:
    // Places the text at a plate point; true when one was placed.
    using Placer = std::function<bool(CPoint device)>;

    using CViewTool::CViewTool;

    void SetPlacer(Placer placer) { m_placer = std::move(placer); }
    bool CanPlace() const { return bool(m_placer); }

    void LeftDown(const ViewMouse& mouse) override;
    QCursor Cursor(const ViewMouse& mouse) override;

private:
    Placer m_placer;
};
