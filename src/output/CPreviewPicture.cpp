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

int CPreviewPicture::ValidZoom(int zoom)
{
    return zoom == 2 || zoom == 4 ? zoom : 1;
}

int CPreviewPicture::DotNibble(int cellRow, int adjusted)
{
    int nibble = 0;
    for (int column = 0; column < 4; ++column)
        if (dotThresholds[cellRow][column] < adjusted)
            nibble |= 8 >> column;
    return nibble;
}

bool CPreviewPicture::Render(const std::vector<std::uint8_t>& grey, int width, int height, int zoom,
                             COLORREF colour0, COLORREF colour1, CDibImage& out) const
{
    zoom = ValidZoom(zoom);
    const std::vector<COLORREF> ramp = Ramp(colour0, colour1, zoom == 4 ? 2 : 16);
    const QImage whole = RenderPart(grey, width, height, zoom, ramp, {0, 0}, {width * zoom, height * zoom});
    if (whole.isNull() || !out.Create(whole.width(), whole.height(), 24))
        return false;
    for (int y = 0; y < whole.height(); ++y) {
        std::uint8_t* p = out.Row(y);
        for (int x = 0; x < whole.width(); ++x, p += 3) {
            const COLORREF c = ramp[std::size_t(whole.pixelIndex(x, y))];
            p[0] = std::uint8_t(GetBValue(c));
            p[1] = std::uint8_t(GetGValue(c));
            p[2] = std::uint8_t(GetRValue(c));
        }
    }
    return true;
}

QImage CPreviewPicture::RenderPart(const std::vector<std::uint8_t>& grey, int width, int height, int zoom,
                                   const std::vector<COLORREF>& ramp, CPoint scroll, CSize size) const
{
    zoom = ValidZoom(zoom);
    if (width < 1 || height < 1 || grey.size() < std::size_t(width) * std::size_t(height) || size.cx < 1 ||
        size.cy < 1 || scroll.x < 0 || scroll.y < 0)
        return {};
    QImage image(size.cx, size.cy, zoom == 4 ? QImage::Format_Mono : QImage::Format_Indexed8);
    if (image.isNull())
        return {};
    QList<QRgb> colours;
    for (const COLORREF c : ramp)
        colours.append(qRgb(GetRValue(c), GetGValue(c), GetBValue(c)));
    image.setColorTable(colours);
    image.fill(0);

    const int firstColumn = scroll.x / zoom;
    // Whole source pixels only: a window never shows past the output's edge.
    const int columns = std::max(0, std::min(width - firstColumn, size.cx / zoom));
    std::vector<int> adjusted;
    for (int row = scroll.y / zoom, y = 0; row < height && y + zoom - 1 < size.cy; ++row, y += zoom) {
        AdjustRow(grey.data() + std::size_t(row) * std::size_t(width), firstColumn, columns, adjusted);
        for (int k = 0; k < zoom; ++k) {
            if (zoom == 4)
                WriteDotLine(adjusted, k, image.scanLine(y + k));
            else
                WriteShadeLine(adjusted, zoom, image.scanLine(y + k));
        }
    }
    return image;
}

void CPreviewPicture::AdjustRow(const std::uint8_t* row, int first, int count, std::vector<int>& adjusted) const
{
    adjusted.resize(std::size_t(count));
    for (int i = 0; i < count; ++i)
        adjusted[std::size_t(i)] = Adjust(row[first + i]);
}

void CPreviewPicture::WriteShadeLine(const std::vector<int>& adjusted, int zoom, std::uint8_t* line)
{
    for (const int v : adjusted)
        line = std::fill_n(line, zoom, std::uint8_t(ShadeIndex(v)));
}

void CPreviewPicture::WriteDotLine(const std::vector<int>& adjusted, int cellRow, std::uint8_t* line)
{
    // Two source pixels to a byte, the first in the high half.
    for (std::size_t i = 0; i < adjusted.size(); ++i)
        line[i / 2] |= std::uint8_t(DotNibble(cellRow, adjusted[i]) << (i % 2 == 0 ? 4 : 0));
}

double CPreviewPicture::GammaFromCode(int g)
{
    return ((g < 0 ? g / 10 : g) + 100) * 0.01;
}

int CPreviewPicture::CodeFromGamma(double x)
{
    // The double nearest a typed 1.14 lies a hair below it: truncated
    // bare, it would give 113, and a gamma shown and read back would lose
    // a step each time.
    constexpr double nudge = 1e-9;
    double code = 0;
    if (x >= 1)
        code = std::trunc(x * 100 + nudge) - 100;
    else if (x > 0)
        code = std::trunc(x * 1000 + nudge) - 1000;
    // Clamped as a double: a huge entry must not overflow the int.
    return int(std::clamp(code, -900.0, 899.0));
}
