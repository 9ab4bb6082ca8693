#pragma once

#include "imaging/ColorRef.h"
#include "platform/CPoint.h"
#include "view/controls/CScrollWnd.h"

#include <cstdint>
#include <optional>
#include <vector>

class CPreviewPicture;

// The preview's picture: the grey image through the engraver's adjustments
// at the zoom, centred when it is smaller than the window, scrolled by the
// bars or by dragging it with the hand. Each paint converts only what the
// window shows.
class CPreviewPictureWnd : public CScrollWnd
{
    Q_OBJECT

public:
    static constexpr int pageStep = 128;
    static constexpr int lineStep = 16;

    // picture and grey are the dialog's and outlive this window; grey holds
    // width x height values.
    CPreviewPictureWnd(const CPreviewPicture& picture, const std::vector<std::uint8_t>& grey, int width, int height,
                       QWidget* parent = nullptr);

    // Rebuilds the shades for the zoom and sizes the picture to it;
    // scrolls back to the origin.
    void SetZoom(int zoom, COLORREF colour0, COLORREF colour1);
    int Zoom() const { return m_zoom; }

    // Where the picture starts in the window: (client - total) / 2 on an
    // axis it does not fill, else 0.
    CPoint CentringOffset() const;
    // Puts the picture's centre in the window's centre.
    void ScrollToCentre();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void FillMargins(QPainter& painter, CPoint offset) const;
    void EndDrag();

    const CPreviewPicture& m_picture;
    const std::vector<std::uint8_t>& m_grey;
    int m_width;
    int m_height;
    int m_zoom = 1;
    std::vector<COLORREF> m_ramp;
    // Press point plus the scroll position then, while the hand drags.
    std::optional<QPoint> m_dragAnchor;
};
