#pragma once

#include "imaging/ColorRef.h"
#include "platform/CEngraverAdjustments.h"
#include "platform/CPoint.h"
#include "platform/CSize.h"

#include <QImage>

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

    // 1, 2 or 4; anything else is 1.
    static int ValidZoom(int zoom);
    // The shade (0..15) an adjusted value is shown in at 100 % and 200 %.
    static int ShadeIndex(int adjusted) { return adjusted >> 4; }
    // The four dots of one row of a 400 % cell, the leftmost in bit 3.
    static int DotNibble(int cellRow, int adjusted);

    // The whole picture at zoom 1, 2 or 4 as a 24-bit image of
    // width x zoom by height x zoom pixels.
    bool Render(const std::vector<std::uint8_t>& grey, int width, int height, int zoom,
                COLORREF colour0, COLORREF colour1, CDibImage& out) const;

    // The part of the picture a window scrolled to `scroll` (in zoomed
    // pixels) shows, converted into an image of `size` pixels whose colour
    // table is `ramp` (16 shades; 2 colours at 400 %): 8 bits a pixel at
    // 100 % and 200 %, 1 bit at 400 %. Its top-left is the first dot of
    // source pixel scroll / zoom, so it is drawn shifted left and up by
    // scroll mod zoom. Only whole source pixels are written; the rest is
    // entry 0. A null image for a missing picture.
    QImage RenderPart(const std::vector<std::uint8_t>& grey, int width, int height, int zoom,
                      const std::vector<COLORREF>& ramp, CPoint scroll, CSize size) const;

    // Gamma codes as people read them: -500 is 0.5, 100 is 2.0.
    static double GammaFromCode(int code);
    static int CodeFromGamma(double gamma);

private:
    // The adjusted values of `count` source pixels from `first` of one row.
    void AdjustRow(const std::uint8_t* row, int first, int count, std::vector<int>& adjusted) const;
    static void WriteShadeLine(const std::vector<int>& adjusted, int zoom, std::uint8_t* line);
    static void WriteDotLine(const std::vector<int>& adjusted, int cellRow, std::uint8_t* line);

    CEngraverAdjustments m_adjustments;
    std::array<int, 256> m_contrast = ContrastTable(0);
    std::array<int, 256> m_gamma = GammaTable(-500);
};
