#include "CGridSetupRules.h"

CGridSetupRules::CGridSetupRules(int unit, const GridSettings& grid)
    : m_horizontal(unit, 0, maximumInterval, grid.pitch.x)
    , m_vertical(unit, 0, maximumInterval, grid.pitch.y)
    , m_result(grid)
    , m_bCenterColor(grid.centerColor != colorNone)
    , m_crCenterButton(m_bCenterColor ? grid.centerColor : grid.color)
{
}

std::optional<CFieldRefusal> CGridSetupRules::Accept(const QString& horizontal, const QString& vertical)
{
    const CLengthField::Reading x = m_horizontal.Read(horizontal);
    if (!x.Ok())
        return CFieldRefusal{horizontalField, x.refusal};
    const CLengthField::Reading y = m_vertical.Read(vertical);
    if (!y.Ok())
        return CFieldRefusal{verticalField, y.refusal};
    m_horizontal.SetValue(x.valueMm100);
    m_vertical.SetValue(y.valueMm100);
    return std::nullopt;
}

GridSettings CGridSetupRules::Result() const
{
    GridSettings grid = m_result;
    grid.pitch = {m_horizontal.Value(), m_vertical.Value()};
    grid.centerColor = m_bCenterColor ? m_crCenterButton : colorNone;
    return grid;
}
