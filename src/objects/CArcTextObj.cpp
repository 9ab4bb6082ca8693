#include "CArcTextObj.h"

#include "CDocumentContext.h"
#include "CPointPath.h"

#include "platform/MulDiv.h"

#include <QPolygon>

#include <algorithm>
#include <cmath>
#include <numbers>

VELDRA_IMPLEMENT_SERIAL(CArcTextObj, &CFreeTextObj::classInfo, 3, true)

namespace {

constexpr double pi = std::numbers::pi;
// Radii and heights of the fan are kept in 0.1 mm.
constexpr double tenthsPerUnit = 0.1;
// The band keeps at least 0.5 mm on either side of its centre line.
constexpr double minimumHalfBand = 5;

// Brings an angle into [low, low + 2 pi) by whole turns.
double IntoTurn(double angle, double low)
{
    if (!std::isfinite(angle))
        return low;
    angle = low + std::fmod(angle - low, 2 * pi);
    if (angle < low)
        angle += 2 * pi;
    return angle;
}

} // namespace

CArcTextObj::CArcTextObj()
    : CArcTextObj(CTextAttributes())
{
}

CArcTextObj::CArcTextObj(const CTextAttributes& defaults)
    : CFreeTextObj(defaults)
{
    m_layout.m_nMode = CTextLayout::circularBand;
    // Its creator sets the radius.
    m_layout.m_fRadius = 0;
}

void CArcTextObj::Draw(QPainter& painter, const CRect*, int)
{
    if (!m_pDoc)
        return;
    DrawLaidOut(painter, BandBase(), false);
}

int CArcTextObj::BandBase()
{
    const double radius = std::trunc(double(m_layout.m_fRadius) * 10);
    const int radiusUnits = std::isfinite(radius) ? int(std::clamp(radius, -2147483648.0, 2147483647.0)) : 0;
    return MulDiv(radiusUnits, m_pDoc->GetResolution(), 2540);
}

std::vector<CPoint> CArcTextObj::HandlePixels() const
{
    if (!m_layout.HasOutline())
        return {};
    const std::size_t n = m_layout.m_outline.size();
    return {OutlinePoint(0), OutlinePoint(n / 2 - 1), OutlinePoint(n / 2), OutlinePoint(n - 1), OutlinePoint(n / 4)};
}

int CArcTextObj::HitTest(CPoint point, CSize tolerance, bool)
{
    if (!m_bVisible || HasFlag(SOF_LOCKED) || !m_pDoc)
        return hitNothing;
    EnsureOutline();
    std::optional<CPoint> centre;
    if (m_layout.HasOutline())
        centre = m_pDoc->DocToDevice(m_ptCenter);
    return HitTestPixels(point, tolerance, HandlePixels(), centre);
}

int CArcTextObj::GetOutline(CPointPath& path)
{
    EnsureOutline();
    if (!m_pDoc || !m_layout.HasOutline())
        return path.GetSize();
    // About 144 points around the band are enough for a selection outline.
    const std::size_t n = m_layout.m_outline.size();
    const std::size_t step = std::max<std::size_t>(n / 144, 1);
    for (std::size_t i = 0; i < n / 2; i += step)
        path.Add(ToDocument(OutlinePoint(i)));
    path.Add(ToDocument(OutlinePoint(n / 2 - 1)));
    for (std::size_t i = n / 2; i < n; i += step)
        path.Add(ToDocument(OutlinePoint(i)));
    path.Add(ToDocument(OutlinePoint(n - 1)));
    path.Add(ToDocument(OutlinePoint(0)));
    return path.GetSize();
}

int CArcTextObj::GetHandles(CPointPath& path)
{
    EnsureOutline();
    if (!m_pDoc || !m_layout.HasOutline())
        return path.GetSize();
    for (const CPoint& handle : HandlePixels())
        path.Add(ToDocument(handle));
    path.Add(m_ptCenter);
    return path.GetSize();
}

void CArcTextObj::TrackTo(const DragState& drag)
{
    switch (drag.nHandle) {
    case 4:
        TrackRadius(drag);
        return;
    case 0:
    case 1:
    case 2:
    case 3:
        TrackEdge(drag);
        return;
    default:
        // Moving and rotating work as for horizontal text.
        CFreeTextObj::TrackTo(drag);
        return;
    }
}

void CArcTextObj::TrackRadius(const DragState& drag)
{
    // The handle sits on the inner arc: the cursor's distance from the
    // centre becomes the inner radius, unless it crossed to the other side.
    const std::int64_t ex = std::int64_t(drag.ptOrg.x) - drag.ptCur.x;
    const std::int64_t ey = std::int64_t(drag.ptOrg.y) - drag.ptCur.y;
    const std::int64_t sameSide = (std::int64_t(drag.ptOrg.y) - drag.ptStart.y) * ey
                                  + (std::int64_t(drag.ptOrg.x) - drag.ptStart.x) * ex;
    if (sameSide > 0)
        m_layout.m_fRadius = float((std::hypot(double(ex), double(ey)) + m_size.cy / 2) * tenthsPerUnit);
    else
        m_layout.m_fRadius = float(m_size.cy * 0.05);
    m_layout.DropRegion();
}

void CArcTextObj::TrackEdge(const DragState& drag)
{
    const double dx = double(drag.ptCur.x) - drag.ptOrg.x, dy = double(drag.ptCur.y) - drag.ptOrg.y;
    if (!drag.Control()) {
        // The dragged edge follows the cursor, the other edge stays.
        const double half = m_size.cy * 0.05;
        const double distance = std::hypot(dx, dy) * tenthsPerUnit;
        double radius = m_layout.m_fRadius;
        double height;
        if (drag.nHandle == 0 || drag.nHandle == 1) {
            const double outer = radius + half;
            const double inner = std::max(std::min(distance, radius - minimumHalfBand), 0.0);
            height = outer - inner;
            radius = outer - height / 2;
        } else {
            const double inner = radius - half;
            height = std::max(distance, radius + minimumHalfBand) - inner;
            radius = inner + height / 2;
        }
        const double cy = std::trunc(height * 10);
        SetSize(m_size.cx, std::isfinite(cy) ? int(std::clamp(cy, -2147483648.0, 2147483647.0)) : m_size.cy);
        m_layout.m_fRadius = float(std::round(radius * 100) / 100);
    }
    // The dragged end of the fan follows the cursor's direction.
    const double middle = IntoTurn(double(m_layout.m_fAngle) * pi / 180, -pi);
    double direction = std::atan2(dx, dy);
    if (drag.Shift())
        direction = std::trunc((direction + (direction < 0 ? -pi / 8 : pi / 8)) * 4 / pi) * pi / 4;
    const bool clockwiseEnd = drag.nHandle == 0 || drag.nHandle == 3;
    const double opening = IntoTurn(clockwiseEnd ? direction - middle : middle - direction, -pi / 2);
    m_layout.m_fSpread = float(std::clamp(opening * 100 / pi, 0.0, 100.0));
    m_layout.DropRegion();
}

void CArcTextObj::FollowText(const Stretch& before)
{
    if (before.natural <= 0)
        return;
    m_layout.m_fSpread = float(double(before.spread) * MeasureNatural().cx / before.natural);
    m_layout.DropRegion();
}

void CArcTextObj::FitNatural()
{
    if (!m_pDoc)
        return;
    // Measured on a copy: the engine's own advances belong to its outline.
    CTextLayout measuring(m_layout);
    m_layout.m_fSpread = measuring.NaturalSpread(BandBase());
    m_layout.DropRegion();
}

double CArcTextObj::Overflow(const Stretch& before) const
{
    return before.spread > 0 ? double(m_layout.m_fSpread) / before.spread : 1;
}
