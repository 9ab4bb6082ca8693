#include "CViewGeometry.h"

#include <algorithm>
#include <cstdint>

namespace {

int MarginFor(int scaled, int client)
{
    return scaled + CViewGeometry::centreSlack < client ? (client - scaled) / 2 : CViewGeometry::edgeMargin;
}

} // namespace

void CViewGeometry::SetZoom(int percent)
{
    m_zoom = percent;
    m_factor = percent * 0.01;
    const int w = int(m_plate.cx * m_factor);
    const int h = int(m_plate.cy * m_factor);
    m_margin = {MarginFor(w, m_client.cx), MarginFor(h, m_client.cy)};
    m_scroll = {w + 2 * m_margin.cx, h + 2 * m_margin.cy};
}

CPoint CViewGeometry::DeviceToView(CPoint device) const
{
    return {int(device.x * m_factor) + m_margin.cx, int(device.y * m_factor) + m_margin.cy};
}

CPoint CViewGeometry::ViewToDevice(CPoint view) const
{
    return {int((view.x - m_margin.cx) / m_factor), int((view.y - m_margin.cy) / m_factor)};
}

CRect CViewGeometry::DeviceToView(const CRect& rect) const
{
    const CPoint topLeft = DeviceToView(CPoint{rect.left, rect.top});
    const CPoint bottomRight = DeviceToView(CPoint{rect.right, rect.bottom});
    return {topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

int CViewGeometry::NextZoomIn() const
{
    const auto next = std::upper_bound(zoomSteps.begin(), zoomSteps.end(), m_zoom);
    return next == zoomSteps.end() ? 0 : *next;
}

int CViewGeometry::NextZoomOut() const
{
    const auto next = std::lower_bound(zoomSteps.begin(), zoomSteps.end(), m_zoom);
    return next == zoomSteps.begin() ? 0 : *(next - 1);
}

int CViewGeometry::FitZoom() const
{
    // From the largest step down to 30; 25 is what is left when nothing fits.
    // A step fits when the plate is centred at it, with no scroll bars: the
    // plate as SetZoom scales it, and the slack the centring needs.
    const auto fits = [](int plate, int step, int client) {
        return int(plate * (step * 0.01)) + centreSlack < client;
    };
    for (auto step = zoomSteps.rbegin(); step != zoomSteps.rend() && *step >= 30; ++step) {
        if (fits(m_plate.cx, *step, m_client.cx) && fits(m_plate.cy, *step, m_client.cy))
            return *step;
    }
    return minZoom;
}

CPoint CViewGeometry::ScrollToKeep(CPoint device, CPoint client) const
{
    const CPoint view = DeviceToView(device);
    return {m_scroll.cx > m_client.cx ? view.x - client.x : 0, m_scroll.cy > m_client.cy ? view.y - client.y : 0};
}
