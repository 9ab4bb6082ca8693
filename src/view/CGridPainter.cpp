#include "CGridPainter.h"

#include "imaging/QtColor.h"
#include "platform/MulDiv.h"

#include <QPainter>
#include <QPen>

namespace {

struct Axis
{
    double step;
    int centre; // in the painted part
    int count;  // lines on each side of the centre, the centre included
};

Axis MakeAxis(int materialSide, int pitch, const CGridPainter::Frame& frame, int offset)
{
    const int centre = int(MulDiv(materialSide / 2, frame.resolution, 2540) * frame.factor);
    return {CGridPainter::Step(pitch, frame.resolution, frame.factor), centre - offset,
            pitch > 0 ? materialSide / 2 / pitch : 0};
}

} // namespace

double CGridPainter::Step(int pitch, int resolution, double factor)
{
    return MulDiv(pitch * 1000, resolution, 2540) * factor * 0.001;
}

void CGridPainter::Draw(QPainter& painter, const GridSettings& grid, const Frame& frame)
{
    // A pitch of 0 (or one never set) turns off the lines of its own axis
    // only; the other axis keeps its grid.
    if (frame.resolution <= 0)
        return;
    const Axis x = MakeAxis(frame.materialSize.cx, grid.pitch.x, frame, frame.offset.x);
    const Axis y = MakeAxis(frame.materialSize.cy, grid.pitch.y, frame, frame.offset.y);
    const int fullWidth = int(MulDiv(frame.materialSize.cx / 2, frame.resolution, 2540) * frame.factor) * 2;
    const int fullHeight = int(MulDiv(frame.materialSize.cy / 2, frame.resolution, 2540) * frame.factor) * 2;
    const bool centreOwnColour = grid.centerColor != colorNone;
    const int first = centreOwnColour ? 1 : 0;

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(ToQColor(grid.color), 0));
    if (x.step > minimumStep) {
        for (int i = first; i <= x.count; ++i) {
            const int o = int(i * x.step + 0.5);
            painter.drawLine(x.centre + o, 0, x.centre + o, fullHeight);
            painter.drawLine(x.centre - o, 0, x.centre - o, fullHeight);
        }
    }
    if (y.step > minimumStep) {
        for (int i = first; i <= y.count; ++i) {
            const int o = int(i * y.step + 0.5);
            painter.drawLine(0, y.centre + o, fullWidth, y.centre + o);
            painter.drawLine(0, y.centre - o, fullWidth, y.centre - o);
        }
    }
    if (centreOwnColour) {
        painter.setPen(QPen(ToQColor(grid.centerColor), 0));
        painter.drawLine(x.centre, 0, x.centre, fullHeight);
        painter.drawLine(0, y.centre, fullWidth, y.centre);
    }
    painter.restore();
}

int CGridPainter::Snap(int value, int pitch)
{
    if (pitch <= 0)
        return value;
    const int half = pitch / 2;
    return value > 0 ? pitch * ((value + half) / pitch) : pitch * ((value - half) / pitch);
}

CPoint CGridPainter::Snap(CPoint point, CPoint pitch)
{
    return {Snap(point.x, pitch.x), Snap(point.y, pitch.y)};
}
