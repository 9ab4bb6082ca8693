#pragma once

#include "imaging/ColorRef.h"
#include "platform/CRect.h"

#include <QColor>
#include <QRgb>
#include <QRect>
#include <QStringList>

#include <algorithm>

class CDibImage;
class QFont;
class QPainter;

// Painting pieces of the text objects: the text block's lines, their
// alignment, the halving and keyed copy of its supersampled rendering, and
// the part of a painter's device that drawing can reach.
namespace TextPainting {

QColor ToQColor(COLORREF color);

// CR LF, a lone CR and a lone LF each end a line; an empty text is one
// empty line.
QStringList SplitLines(const QString& text);

// Widest advance, and one cell height (ascent + descent) per line.
struct LinesSize
{
    int width = 0;
    int height = 0;
};
LinesSize MeasureLines(const QFont& font, const QStringList& lines);

// The lines from the rectangle's top down, each placed by the block's
// alignment (0 left, 1 centred, 2 right), unclipped, in the painter's pen.
void DrawLines(QPainter& painter, const QFont& font, const QStringList& lines, const CRect& rect, int format);

// Each byte of target pixel (x, y) is the sum of the same byte of the four
// source pixels (2x..2x+1, 2y..2y+1) shifted right by 2. Both 24-bit, the
// source exactly twice the target's size.
bool HalveInto(const CDibImage& source, CDibImage& target);

// The painter's device, clip included, in the painter's own coordinates:
// the only place where drawing shows. Empty when nothing can show.
QRect VisibleArea(const QPainter& painter);

// The first run of fully opaque pixels of a 32-bit row at or after column
// from: its first column, and in end the column after its last; width when
// there is none.
int NextOpaqueRun(const QRgb* row, int width, int from, int* end);

// The columns from..to of a run on row y starting at column left that lie
// in area; false when none do.
// Inline: the paste of a text's kept drawing calls it for every run.
inline bool ClipRun(const QRect& area, int y, int left, int length, int* from, int* to)
{
    *from = std::max(left, area.left());
    *to = std::min(left + length - 1, area.right());
    return y >= area.top() && y <= area.bottom() && *from <= *to;
}

// A 1:1 copy of a 24-bit image that leaves out pixels of the transparent key.
bool DrawKeyed(QPainter& painter, const CDibImage& image, int x, int y);

} // namespace TextPainting
