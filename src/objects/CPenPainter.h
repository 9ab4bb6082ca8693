#pragma once

#include "imaging/ColorRef.h"
#include "platform/CPoint.h"

#include <memory>

class CPointPath;
class CSymbolObj;
class SurfaceChange;

// Paints freehand strokes and flood fills into the image of a picture
// object: the drawing pen and the fill tool on the drawing-pen layer.
// Strokes collect points in the image's pixels and are drawn when they end.
class CPenPainter
{
public:
    CPenPainter();
    ~CPenPainter();

    void SetPen(int width, COLORREF colour);
    int Width() const { return m_nWidth; }
    COLORREF Colour() const { return m_crPen; }
    CSymbolObj* Target() const { return m_pTarget; }
    bool IsStroking() const { return m_bStroking != 0; }

    bool BeginStroke(CSymbolObj* target, int x, int y, bool stroking);
    // Returns the point added before this one.
    CPoint AddPoint(int x, int y);
    bool EndStroke(int x, int y);
    // colour colorNone: the pen colour. With painted, what the fill
    // painted is recorded there.
    bool FillAt(CSymbolObj* target, int x, int y, COLORREF colour, SurfaceChange* painted = nullptr);

private:
    CSymbolObj* m_pTarget = nullptr;
    std::unique_ptr<CPointPath> m_pStroke;
    int m_nWidth = 1;
    COLORREF m_crPen = 0;
    int m_bStroking = 0;
    CPoint m_ptLast;
};
