#pragma once

#include "imaging/ColorRef.h"
#include "platform/CEngraverAdjustments.h"

#include <array>
#include <cstdint>
#include <vector>

class CDibImage;

// How the engraver will mark the plate: each grey value adjusted by the
// engraver's gamma, contrast and brightness, then shown as one of 16 shades
// (100 %, 200 %) or as the 4 x 4 dot pattern the engraver makes (400 %), in
// two plate colours.
class CPreviewPicture
{
public:
    static constexpr int dotThresholds[4][4] = {
        {240, 75, 135, 195},
        {180, 30, 45, 90},
        {120, 60, 15, 150},
        {225, 165, 105, 210},
    };

    void SetAdjustments(const CEngraverAdjustments& adjustments);
    const CEngraverAdjustments& Adjustments() const { return m_adjustments; }

    // The value the engraver works with for a grey value (0 stays 0).
    int Adjust(int grey) const;

    static std::array<int, 256> ContrastTable(int contrast);
    static std::array<int, 256> GammaTable(int gammaCode);
    // n entries from colour0 to colour1 in equal integer steps per channel.
    static std::vector<COLORREF> Ramp(COLORREF colour0, COLORREF colour1, int entries);

    // The whole picture at zoom 1, 2 or 4 as a 24-bit image of
    // width x zoom by height x zoom pixels.
    bool Render(const std::vector<std::uint8_t>& grey, int width, int height, int zoom,
                COLORREF colour0, COLORREF colour1, CDibImage& out) const;

    // Gamma codes as people read them: -500 is 0.5, 100 is 2.0.
    static double GammaFromCode(int code);
    static int CodeFromGamma(double gamma);

private:
    CEngraverAdjustments m_adjustments;
    std::array<int, 256> m_contrast = ContrastTable(0);
    std::array<int, 256> m_gamma = GammaTable(-500);
};
