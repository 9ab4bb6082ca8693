#pragma once

#include "platform/CPoint.h"
#include "platform/CRect.h"
#include "platform/CSize.h"

#include <array>

// The zoom of the plate in the view and the mapping between plate pixels and
// the view's scroll space (plate pixels scaled by the zoom, offset by the
// margins that centre a small plate). Client space is scroll space minus the
// scroll position.
class CViewGeometry
{
public:
    static constexpr std::array<int, 19> zoomSteps{25, 30, 40, 50, 65, 85, 100, 150, 200, 250,
                                                   300, 400, 500, 600, 800, 1000, 1200, 1400, 1600};
    static constexpr int minZoom = 25;
    static constexpr int maxZoom = 1600;
    // Margin kept around a plate that does not fit, and the slack below
    // which it counts as not fitting.
    static constexpr int edgeMargin = 16;
    static constexpr int centreSlack = 32;

    void SetPlateSize(CSize pixels) { m_plate = pixels; }
    void SetClientSize(CSize size) { m_client = size; }
    // Records the zoom and works out the margins and the scroll size.
    void SetZoom(int percent);

    int Zoom() const { return m_zoom; }
    double Factor() const { return m_factor; }
    CSize PlateSize() const { return m_plate; }
    CSize ClientSize() const { return m_client; }
    CSize Margins() const { return m_margin; }
    // Scaled plate plus both margins.
    CSize ScrollSize() const { return m_scroll; }

    CPoint DeviceToView(CPoint device) const;
    CPoint ViewToDevice(CPoint view) const;
    CRect DeviceToView(const CRect& rect) const;
    // The plate in scroll space.
    CRect PlateRect() const { return DeviceToView(CRect{0, 0, m_plate.cx, m_plate.cy}); }

    // The next step up or down from the current zoom; 0 when there is none.
    int NextZoomIn() const;
    int NextZoomOut() const;
    // The largest step that shows the whole plate in the client area.
    int FitZoom() const;
    // After a zoom about a client point that showed the device point:
    // the scroll position that brings the device point back under it (0 on an
    // axis that needs no scrolling).
    CPoint ScrollToKeep(CPoint device, CPoint client) const;

private:
    int m_zoom = 100;
    double m_factor = 1.0;
    CSize m_plate;
    CSize m_client;
    CSize m_margin;
    CSize m_scroll;
};
