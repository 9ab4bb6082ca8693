#pragma once

#include "settings/GridSettings.h"

#include "platform/CPoint.h"
#include "platform/CSize.h"

class QPainter;

// Draws the grid: lines every pitch (0.01 mm) from the plate centre
// outwards, so that it matches snapping, which rounds around the same centre.
class CGridPainter
{
public:
    // Lines closer than this (window pixels) are not drawn at all.
    static constexpr double minimumStep = 5.0;

    struct Frame
    {
        CSize materialSize;  // layout units
        int resolution = 0;  // dots per inch
        double factor = 1.0; // zoom
        CPoint offset;       // of the painted part inside the zoomed plate
    };

    // Paints the grid onto a painter whose origin is the painted part's
    // top-left.
    static void Draw(QPainter& painter, const GridSettings& grid, const Frame& frame);
    // The distance between lines in window pixels, kept fractional so that
    // lines do not drift across a large plate.
    static double Step(int pitch, int resolution, double factor);

    // A layout value rounded to the nearest multiple of the pitch, halves
    // away from zero; unchanged when the pitch is not positive.
    static int Snap(int value, int pitch);
    static CPoint Snap(CPoint point, CPoint pitch);
};
