#include "CPointPath.h"

#include "platform/CArchive.h"

#include <QPainter>
#include <QPoint>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

VELDRA_IMPLEMENT_SERIAL(CPointPath, &CPointArray::classInfo, 1, false)

namespace {

// Rounds half away from zero; false when the value does not fit 32 bits.
bool RoundToInt(double value, int& out)
{
    const double r = std::round(value);
    if (!(r >= double(std::numeric_limits<int>::min()) && r <= double(std::numeric_limits<int>::max())))
        return false;
    out = int(r);
    return true;
}

int Midpoint(int a, int b)
{
    return int((static_cast<long long>(a) + b) / 2);
}

} // namespace

template <class F>
bool CPointPath::Transform(F f)
{
    std::vector<CPoint> result(static_cast<std::size_t>(m_nSize));
    for (int i = 0; i < m_nSize; ++i)
        if (!f(m_pData[i], result[std::size_t(i)]))
            return false;
    std::copy(result.begin(), result.end(), m_pData.get());
    return true;
}

void CPointPath::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << std::uint32_t(m_nSize);
        WritePoints(ar);
    } else {
        std::uint32_t count;
        ar >> count;
        ReadPoints(ar, count);
    }
}

void CPointPath::Reverse()
{
    std::reverse(m_pData.get(), m_pData.get() + m_nSize);
}

CRect CPointPath::GetBoundingRect() const
{
    if (m_nSize == 0)
        return {};
    CRect r{m_pData[0].x, m_pData[0].y, m_pData[0].x, m_pData[0].y};
    for (int i = 1; i < m_nSize; ++i) {
        r.left = std::min(r.left, m_pData[i].x);
        r.top = std::min(r.top, m_pData[i].y);
        r.right = std::max(r.right, m_pData[i].x);
        r.bottom = std::max(r.bottom, m_pData[i].y);
    }
    return r;
}

CPoint CPointPath::BoundingCentre() const
{
    const CRect r = GetBoundingRect();
    return {Midpoint(r.left, r.right), Midpoint(r.top, r.bottom)};
}

bool CPointPath::CopyFrom(const CPointPath* other)
{
    if (!other)
        return false;
    if (other != this)
        CPointArray::operator=(*other);
    return true;
}

void CPointPath::Offset(int dx, int dy)
{
    for (int i = 0; i < m_nSize; ++i) {
        m_pData[i].x += dx;
        m_pData[i].y += dy;
    }
}

bool CPointPath::ScaleAbout(double sx, double sy, int cx, int cy)
{
    return Transform([&](CPoint p, CPoint& out) {
        return RoundToInt((double(p.x) - cx) * sx, out.x) && RoundToInt((double(p.y) - cy) * sy, out.y)
            && RoundToInt(double(cx) + out.x, out.x) && RoundToInt(double(cy) + out.y, out.y);
    });
}

bool CPointPath::Scale(double sx, double sy)
{
    const CPoint c = BoundingCentre();
    return ScaleAbout(sx, sy, c.x, c.y);
}

bool CPointPath::Rotate(double angleDegrees)
{
    const CPoint c = BoundingCentre();
    const double a = -angleDegrees * std::numbers::pi / 180.0;
    const double cosA = std::cos(a), sinA = std::sin(a);
    return Transform([&](CPoint p, CPoint& out) {
        const double dx = double(p.x) - c.x, dy = double(p.y) - c.y;
        return RoundToInt(c.x + std::round(cosA * dx - sinA * dy), out.x)
            && RoundToInt(c.y + std::round(cosA * dy + sinA * dx), out.y);
    });
}

bool CPointPath::RotateAbout(double angleDegrees, int px, int py)
{
    if (m_nSize == 0)
        return true;
    const CPoint c = BoundingCentre();
    const double a = -angleDegrees * std::numbers::pi / 180.0;
    const double dx = double(c.x) - px, dy = double(c.y) - py;
    int newX, newY;
    if (!RoundToInt(px + std::round(std::cos(a) * dx - std::sin(a) * dy), newX)
        || !RoundToInt(py + std::round(std::cos(a) * dy + std::sin(a) * dx), newY))
        return false;
    const CPointPath saved(*this);
    Offset(newX - c.x, newY - c.y);
    if (Rotate(angleDegrees))
        return true;
    CPointArray::operator=(saved);
    return false;
}

void CPointPath::Flip(int axis)
{
    const CRect r = GetBoundingRect();
    const int twiceCentre = axis == mirrorX ? 2 * Midpoint(r.left, r.right) : 2 * Midpoint(r.top, r.bottom);
    for (int i = 0; i < m_nSize; ++i) {
        int& v = axis == mirrorX ? m_pData[i].x : m_pData[i].y;
        v = twiceCentre - v;
    }
}

void CPointPath::FlipAbout(int axis, int x, int y)
{
    const CPoint c = BoundingCentre();
    if (axis == mirrorX)
        Offset(2 * (x - c.x), 0);
    else
        Offset(0, 2 * (y - c.y));
    Flip(axis);
}

bool CPointPath::FitToRect(CRect rect, bool keepAspect)
{
    const CPointPath saved(*this);
    if (rect.right < rect.left)
        Flip(mirrorX);
    if (rect.bottom < rect.top)
        Flip(mirrorY);
    rect.Normalize();
    const CRect bounds = GetBoundingRect();
    Offset(rect.left - bounds.left, rect.top - bounds.top);
    double sx = bounds.Width() == 0 ? 1.0 : double(rect.Width()) / bounds.Width();
    double sy = bounds.Height() == 0 ? 1.0 : double(rect.Height()) / bounds.Height();
    if (keepAspect)
        sx = sy = std::min(sx, sy);
    if (ScaleAbout(sx, sy, rect.left, rect.top))
        return true;
    CPointArray::operator=(saved);
    return false;
}

void CPointPath::Draw(QPainter& painter) const
{
    if (m_nSize == 0)
        return;
    std::vector<QPoint> points;
    points.reserve(std::size_t(m_nSize));
    for (int i = 0; i < m_nSize; ++i)
        points.emplace_back(m_pData[i].x, m_pData[i].y);
    painter.drawPolyline(points.data(), int(points.size()));
}

bool CPointPath::IsClosed() const
{
    return m_nSize > 2 && m_pData[0] == m_pData[m_nSize - 1];
}

std::unique_ptr<CPointPath> CPointPath::SplitAt(int index)
{
    const int n = m_nSize;
    if (IsClosed() && n > 3) {
        if (index < 0 || index >= n)
            return nullptr;
        std::vector<CPoint> loop;
        loop.reserve(std::size_t(n));
        loop.insert(loop.end(), m_pData.get() + index, m_pData.get() + n);
        loop.insert(loop.end(), m_pData.get() + 1, m_pData.get() + index + 1);
        std::copy(loop.begin(), loop.end(), m_pData.get());
        m_pData[0].x += 1;
        m_pData[0].y += 1;
        return nullptr;
    }
    if (index <= 0 || index >= n - 1)
        return nullptr;
    auto tail = std::make_unique<CPointPath>();
    for (int i = index; i < n; ++i)
        tail->Add(m_pData[i]);
    (*tail)[0].x += 1;
    (*tail)[0].y += 1;
    SetSize(index + 1);
    return tail;
}
