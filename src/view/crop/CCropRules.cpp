#include "CCropRules.h"

#include <algorithm>
#include <cstdint>

namespace {

// Floor division: content points left of or above the picture map to
// negative pixels, never onto its first row or column.
int FloorDiv(std::int64_t value, std::int64_t divisor)
{
    const std::int64_t quotient = value / divisor;
    return int(value % divisor != 0 && value < 0 ? quotient - 1 : quotient);
}

} // namespace

CCropRules::CCropRules(int tolerance, COLORREF clipColor)
    : m_tolerance(minimumTolerance, maximumTolerance, std::clamp(tolerance, minimumTolerance, maximumTolerance))
    , m_penDiameter(minimumPenDiameter, maximumPenDiameter, minimumPenDiameter)
    , m_crClip(clipColor)
{
}

int CCropRules::FitZoom(CSize canvas, CSize picture)
{
    if (picture.cx <= 0 || picture.cy <= 0)
        return 100;
    const std::int64_t byHeight = 100 * std::int64_t(std::max(canvas.cy, 0)) / picture.cy;
    const std::int64_t byWidth = 100 * std::int64_t(std::max(canvas.cx, 0)) / picture.cx;
    return int(std::clamp<std::int64_t>(std::min(byHeight, byWidth), 1, 1'000'000));
}

int CCropRules::OpeningZoom(int fitZoom)
{
    return std::min(fitZoom, 100);
}

int CCropRules::ZoomIn(int zoom, int fitZoom)
{
    const auto step = std::upper_bound(zoomSteps.begin(), zoomSteps.end(), zoom);
    if (step != zoomSteps.end())
        return *step;
    return fitZoom > zoomSteps.back() ? fitZoom : zoom;
}

int CCropRules::ZoomOut(int zoom, int fitZoom)
{
    const auto step = std::lower_bound(zoomSteps.begin(), zoomSteps.end(), zoom);
    if (step != zoomSteps.begin())
        return *std::prev(step);
    return fitZoom < zoomSteps.front() ? fitZoom : zoom;
}

CSize CCropRules::ScaledSize(CSize picture, int zoom)
{
    return {int(std::int64_t(picture.cx) * zoom / 100), int(std::int64_t(picture.cy) * zoom / 100)};
}

CPoint CCropRules::CentringOffset(CSize canvas, CSize scaled)
{
    return {scaled.cx < canvas.cx ? (canvas.cx - scaled.cx) / 2 : 0, scaled.cy < canvas.cy ? (canvas.cy - scaled.cy) / 2 : 0};
}

CPoint CCropRules::PicturePoint(CPoint content, int zoom)
{
    return {FloorDiv(std::int64_t(content.x) * 100, zoom), FloorDiv(std::int64_t(content.y) * 100, zoom)};
}

void CCropRules::SetTolerance(int tolerance)
{
    m_tolerance.SetValue(std::clamp(tolerance, minimumTolerance, maximumTolerance));
}

void CCropRules::TurnWheel(int notchesForward)
{
    SetTolerance(Tolerance() - notchesForward);
}

CFieldRefusal CCropRules::TakeValues(const QString& toleranceText, const QString& penDiameterText)
{
    if (QString message = m_tolerance.Take(toleranceText); !message.isEmpty())
        return {toleranceField, message};
    if (QString message = m_penDiameter.Take(penDiameterText); !message.isEmpty())
        return {penDiameterField, message};
    return {};
}

bool CCropRules::IsClipColorGesture(Qt::MouseButton button, Qt::MouseButtons held, Qt::KeyboardModifiers modifiers)
{
    const Qt::KeyboardModifiers both = Qt::ShiftModifier | Qt::ControlModifier;
    return button == Qt::RightButton && (held & Qt::LeftButton) && (modifiers & both) == both;
}
