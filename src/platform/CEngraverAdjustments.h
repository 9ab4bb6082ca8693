#pragma once

#include <algorithm>

// The engraver driver's three image adjustments: brightness and contrast
// (-50..50, neutral 0) and the gamma code (-900..899; -500 is gamma 0.5).
struct CEngraverAdjustments
{
    int brightness = 0;
    int contrast = 0;
    int gamma = -500;

    // The same values pulled into the driver's ranges.
    CEngraverAdjustments Clamped() const
    {
        return {std::clamp(brightness, -50, 50), std::clamp(contrast, -50, 50), std::clamp(gamma, -900, 899)};
    }

    friend bool operator==(const CEngraverAdjustments&, const CEngraverAdjustments&) = default;
};
