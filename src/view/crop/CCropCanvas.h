#pragma once

#include "imaging/ColorRef.h"
#include "platform/CPoint.h"
#include "view/controls/CScrollWnd.h"

class CCropMask;
class QMouseEvent;
class QWheelEvent;

// The Crop Image dialog's picture: the picture at a zoom with its marked
// pixels in the clip colour, centred while smaller than the window,
// scrollable while larger. It reports the mouse to the dialog, which
// decides what each tool does.
class CCropCanvas : public CScrollWnd
{
    Q_OBJECT

public:
    explicit CCropCanvas(QWidget* parent = nullptr);

    void SetMask(const CCropMask* mask, CSize pictureSize);
    void SetClipColor(COLORREF color);

    int Zoom() const { return m_nZoom; }
    // The zoom at which the whole picture fits the window without bars.
    int FitZoom() const;
    // Changes the zoom keeping the picture point under a window point where
    // it was, as far as the scroll range allows.
    void SetZoom(int zoomPercent, QPoint anchor);
    void SetZoom(int zoomPercent);
    // The picture pixel under a window point (may lie outside the picture).
    CPoint PicturePoint(QPoint window) const;
    // Where the picture's origin shows in the window.
    QPoint PictureOrigin() const;

signals:
    void MousePressed(QMouseEvent* event);
    void MouseMoved(QMouseEvent* event);
    void MouseReleased(QMouseEvent* event);
    void MouseDoubleClicked(QMouseEvent* event);
    void WheelTurned(QWheelEvent* event);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    CSize ClientExtent() const;
    CPoint Offset() const;

    const CCropMask* m_pMask = nullptr;
    CSize m_sizePicture;
    int m_nZoom = 100;
    COLORREF m_crClip = RGB(0, 0, 255);
};
