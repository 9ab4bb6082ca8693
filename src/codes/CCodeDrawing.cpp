#include "CCodeDrawing.h"

#include "imaging/CDibImage.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// A gap of a module, then glyphs 7 modules high.
constexpr int textGapModules = 1;
constexpr int textHeightModules = 8;

void FillRun(CDibImage& out, int x, int y, int width, std::uint8_t value)
{
    if (y < 0 || y >= out.Height())
        return;
    const int left = std::max(x, 0), right = std::min(x + width, out.Width());
    if (left < right)
        std::memset(out.Row(y) + 3 * std::size_t(left), value, 3 * std::size_t(right - left));
}

} // namespace

int CCodeDrawing::TextModules(const CCodeMatrix& matrix)
{
    return matrix.humanText.isEmpty() ? 0 : textGapModules + textHeightModules;
}

CSize CCodeDrawing::Modules(const CCodeMatrix& matrix)
{
    return {matrix.Width() + 2 * matrix.quiet, matrix.Height() + 2 * matrix.quiet + TextModules(matrix)};
}

CSize CCodeDrawing::DotsFor(const CCodeMatrix& matrix, int moduleDots)
{
    const CSize modules = Modules(matrix);
    const int edge = EdgeDots(matrix);
    return {modules.cx * moduleDots + 2 * edge, modules.cy * moduleDots + 2 * edge};
}

int CCodeDrawing::ModuleDotsIn(const CCodeMatrix& matrix, CSize pixels)
{
    const CSize modules = Modules(matrix);
    if (modules.cx <= 0 || modules.cy <= 0)
        return 1;
    const int edge = EdgeDots(matrix);
    const double across = double(pixels.cx - 2 * edge) / modules.cx, down = double(pixels.cy - 2 * edge) / modules.cy;
    return std::max(1, int(std::lround(std::min(across, down))));
}

bool CCodeDrawing::Draw(const CCodeMatrix& matrix, bool modulesWhite, CSize pixels, CDibImage& out)
{
    const std::uint8_t ink = modulesWhite ? 0xFF : 0x00;
    if (pixels.cx < 1 || pixels.cy < 1 || pixels.cx > maximumSide || pixels.cy > maximumSide || !out.Create(pixels.cx, pixels.cy, 24, modulesWhite ? 0x000000 : 0xFFFFFF))
        return false;
    const int dots = ModuleDotsIn(matrix, pixels);
    const CSize whole = DotsFor(matrix, dots);
    // Centred: a drawing a dot or two off its size loses or gains ground
    // evenly on both sides.
    const int left = (pixels.cx - whole.cx) / 2 + EdgeDots(matrix) + matrix.quiet * dots;
    const int top = (pixels.cy - whole.cy) / 2 + EdgeDots(matrix) + matrix.quiet * dots;
    for (int y = 0; y < matrix.Height(); ++y)
        for (int x = 0; x < matrix.Width();) {
            if (!matrix.IsSet(x, y)) {
                ++x;
                continue;
            }
            int run = 1;
            while (x + run < matrix.Width() && matrix.IsSet(x + run, y))
                ++run;
            for (int row = 0; row < dots; ++row)
                FillRun(out, left + x * dots, top + y * dots + row, run * dots, ink);
            x += run;
        }
    if (!matrix.humanText.isEmpty())
        DrawText(matrix, dots, left, top + (matrix.Height() + textGapModules) * dots, matrix.Width() * dots,
                 modulesWhite, out);
    return true;
}

void CCodeDrawing::DrawText(const CCodeMatrix& matrix, int moduleDots, int left, int top, int width,
                            bool modulesWhite, CDibImage& out)
{
    const int height = textHeightModules * moduleDots;
    QImage glyphs(width, height, QImage::Format_Grayscale8);
    glyphs.fill(0);
    {
        QPainter painter(&glyphs);
        QFont font(QStringLiteral("Liberation Sans"));
        font.setStyleStrategy(QFont::NoAntialias);
        font.setPixelSize(std::max(1, height * 7 / 8));
        // A long text narrows to the code's width rather than pass it.
        const int natural = QFontMetrics(font).horizontalAdvance(matrix.humanText);
        if (natural > width && natural > 0)
            font.setStretch(std::max(1, 100 * width / natural));
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(QRect(0, 0, width, height), Qt::AlignHCenter | Qt::AlignTop, matrix.humanText);
    }
    const std::uint8_t ink = modulesWhite ? 0xFF : 0x00;
    for (int y = 0; y < height; ++y) {
        const uchar* row = glyphs.constScanLine(y);
        for (int x = 0; x < width; ++x)
            if (row[x] >= 128)
                FillRun(out, left + x, top + y, 1, ink);
    }
}
