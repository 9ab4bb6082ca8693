#pragma once

#include "view/controls/CFieldRefusal.h"
#include "CLengthField.h"

#include "settings/GridSettings.h"

#include <optional>

// What the grid dialog does with the grid record: the two intervals (0 to
// 50 mm; 0 turns lines and snapping off on that axis), the colours, and
// whether the centre lines get their own colour.
class CGridSetupRules
{
public:
    static constexpr int maximumInterval = 5000; // 0.01 mm
    enum Field { horizontalField, verticalField };

    CGridSetupRules(int unit, const GridSettings& grid);

    QString HorizontalText() const { return m_horizontal.Text(); }
    QString VerticalText() const { return m_vertical.Text(); }
    bool InchUnit() const { return m_horizontal.Format().IsInch(); }

    COLORREF GridColor() const { return m_result.color; }
    void SetGridColor(COLORREF color) { m_result.color = color; }
    bool Shown() const { return m_result.shown; }
    void SetShown(bool shown) { m_result.shown = shown; }

    // The centre colour button is usable only while the centre lines have
    // their own colour; without one it shows the grid colour.
    bool HasCenterColor() const { return m_bCenterColor; }
    void SetHasCenterColor(bool own) { m_bCenterColor = own; }
    COLORREF CenterButtonColor() const { return m_crCenterButton; }
    void SetCenterButtonColor(COLORREF color) { m_crCenterButton = color; }

    // Takes the typed intervals; the first refused one stops it.
    std::optional<CFieldRefusal> Accept(const QString& horizontal, const QString& vertical);
    GridSettings Result() const;

private:
    CLengthField m_horizontal;
    CLengthField m_vertical;
    GridSettings m_result;
    bool m_bCenterColor;
    COLORREF m_crCenterButton;
};
