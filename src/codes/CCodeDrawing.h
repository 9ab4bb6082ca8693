#pragma once

#include "CCodeMatrix.h"

#include "platform/CSize.h"

class CDibImage;

// Draws a code's modules onto the dot grid, 1-bit sharp: every module a
// square of whole dots, the quiet zone and the ground in the other colour,
// a linear code's text under its bars. Never resampled: a drawing of
// another size is drawn anew.
class CCodeDrawing
{
public:
    // Modules across and down: the code, its quiet zone on both sides and
    // the text band.
    static CSize Modules(const CCodeMatrix& matrix);
    // The drawing's size with that many dots a module.
    static CSize DotsFor(const CCodeMatrix& matrix, int moduleDots);
    // The dots a module takes in a drawing of that size: the nearest whole
    // number (a drawing a dot or two off its size loses only ground).
    static int ModuleDotsIn(const CCodeMatrix& matrix, CSize pixels);
    // The code drawn centred on exactly `pixels`, at ModuleDotsIn(pixels).
    static bool Draw(const CCodeMatrix& matrix, bool modulesWhite, CSize pixels, CDibImage& out);

    // A code is never drawn larger: plates are a few thousand dots a side,
    // and a module size out of a damaged name must not claim gigabytes.
    static constexpr int maximumSide = 8192;

private:
    // Without a quiet zone the code still keeps a dot of ground each side,
    // so a drawing pasted a dot narrower than itself never loses a module.
    static int EdgeDots(const CCodeMatrix& matrix) { return matrix.quiet == 0 ? 1 : 0; }
    static int TextModules(const CCodeMatrix& matrix);
    static void DrawText(const CCodeMatrix& matrix, int moduleDots, int left, int top, int width, bool modulesWhite,
                         CDibImage& out);
};
