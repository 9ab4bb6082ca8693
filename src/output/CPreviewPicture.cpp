#include "CPreviewPicture.h"

#include "imaging/CDibImage.h"

#include <algorithm>
#include <cmath>

void CPreviewPicture::SetAdjustments(const CEngraverAdjustments& adjustments)
{
    m_adjustments = adjustments;
    m_contrast = ContrastTable(adjustments.contrast);
    m_gamma = GammaTable(adjustments.gamma);
}

std::array<int, 256> CPreviewPicture::ContrastTable(int c)
{
    std::array<int, 256> table{};
    for (int i = 0; i < 256; ++i)
        table[std::size_t(i)] = c >= 100 ? (i < 127 ? 0 : 255) : std::clamp((i - 127) * (c + 100) / (100 - c) + 127, 0, 255);
    return table;
}

std::array<int, 256> CPreviewPicture::GammaTable(int g)
{
    const double e = g < 0 ? 1000.0 / (g + 1000) : 100.0 / (g + 100);
    std::array<int, 256> table{};
    for (int i = 0; i < 256; ++i)
        table[std::size_t(i)] = std::clamp(int(std::pow(i / 255.0, e) * 255), 0, 255);
    return table;
}

int CPreviewPicture::Adjust(int v) const
{
    if (v == 0)
        return 0;
    if (m_adjustments.gamma != 0)
        v = m_gamma[std::size_t(std::clamp(v, 0, 255))];
    if (m_adjustments.contrast != 0)
        v = m_contrast[std::size_t(std::clamp(v, 0, 255))];
    if (m_adjustments.brightness != 0)
        v += int(m_adjustments.brightness * 2.55);
    return std::clamp(v, 0, 255);
}

std::vector<COLORREF> CPreviewPicture::Ramp(COLORREF c0, COLORREF c1, int n)
{
    const int stepR = (GetRValue(c1) - GetRValue(c0)) / (n - 1);
    const int stepG = (GetGValue(c1) - GetGValue(c0)) / (n - 1);
    const int stepB = (GetBValue(c1) - GetBValue(c0)) / (n - 1);
    std::vector<COLORREF> ramp;
    for (int i = 0; i < n; ++i)
        ramp.push_back(RGB(GetRValue(c0) + i * stepR, GetGValue(c0) + i * stepG, GetBValue(c0) + i * stepB));
    return ramp;
}

bool CPreviewPicture::Render(const std::vector<std::uint8_t>& grey, int width, int height, int zoom,
                             COLORREF colour0, COLORREF colour1, CDibImage& out) const
{
    if (zoom != 1 && zoom != 2 && zoom != 4)
        zoom = 1;
    if (width < 1 || height < 1 || grey.size() < std::size_t(width) * std::size_t(height))
        return false;
    if (!out.Create(width * zoom, height * zoom, 24))
        return false;
    const std::vector<COLORREF> ramp = Ramp(colour0, colour1, zoom == 4 ? 2 : 16);
    const auto put = [&out](int x, int y, COLORREF c) {
        std::uint8_t* p = out.Row(y) + 3 * std::size_t(x);
        p[0] = std::uint8_t(GetBValue(c));
        p[1] = std::uint8_t(GetGValue(c));
        p[2] = std::uint8_t(GetRValue(c));
    };
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* row = grey.data() + std::size_t(y) * std::size_t(width);
        for (int x = 0; x < width; ++x) {
            const int v = Adjust(row[x]);
            for (int dy = 0; dy < zoom; ++dy)
                for (int dx = 0; dx < zoom; ++dx) {
                    // 400 %: the engraver's dots; otherwise one of 16 shades.
                    const COLORREF c = zoom == 4 ? ramp[dotThresholds[dy][dx] < v ? 1 : 0] : ramp[std::size_t(v >> 4)];
                    put(x * zoom + dx, y * zoom + dy, c);
                }
        }
    }
    return true;
}

double CPreviewPicture::GammaFromCode(int g)
{
    return ((g < 0 ? g / 10 : g) + 100) * 0.01;
}

int CPreviewPicture::CodeFromGamma(double x)
{
    int code = 0;
    if (x >= 1)
        code = int(x * 100) - 100;
    else if (x > 0)
        code = int(x * 1000) - 1000;
    return std::clamp(code, -900, 899);
}
