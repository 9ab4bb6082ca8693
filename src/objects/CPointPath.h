#pragma once

#include "CPointArray.h"

#include "platform/CRect.h"

#include <memory>

class QPainter;

// A list of points drawn as one polyline: outlines and handles of placed
// objects, and the points of a freehand pen stroke.
//
// Geometry that could leave the 32-bit range fails and leaves the path as it
// was; coordinates are rounded half away from zero.
class CPointPath : public CPointArray
{
    VELDRA_DECLARE_SERIAL(CPointPath)

public:
    CPointPath() = default;

    // The path's record: a 32-bit count, then the points.
    void Serialize(CArchive& ar) override;

    void Reverse();
    // Minima and maxima, both inclusive; all zero for an empty path.
    CRect GetBoundingRect() const;
    bool CopyFrom(const CPointPath* other);
    void Offset(int dx, int dy);
    void Offset(CPoint delta) { Offset(delta.x, delta.y); }
    bool FitToRect(CRect rect, bool keepAspect);
    bool ScaleAbout(double sx, double sy, int cx, int cy);
    bool Scale(double sx, double sy);
    bool RotateAbout(double angleDegrees, int px, int py);
    bool Rotate(double angleDegrees);
    void FlipAbout(int axis, int x, int y);
    void Flip(int axis);
    void Draw(QPainter& painter) const;
    bool IsClosed() const;
    // Closed: starts the loop at index (returns null). Open: this path keeps
    // 0..index and the returned one takes index..end (null when index is not
    // inside the path).
    std::unique_ptr<CPointPath> SplitAt(int index);

    enum Axis { mirrorX = 0, mirrorY = 1 };

private:
    CPoint BoundingCentre() const;
    // Applies f to every point into a copy; commits only when all fit.
    template <class F>
    bool Transform(F f);
};
