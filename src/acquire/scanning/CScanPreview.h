#pragma once

#include <QImage>
#include <QRectF>
#include <QWidget>

class QRubberBand;

// The scanner's whole area, drawn to scale, with the preview scan on it
// once there is one. Dragging marks the part to scan; a click without a
// drag marks the whole area again.
class CScanPreview : public QWidget
{
    Q_OBJECT

public:
    explicit CScanPreview(QWidget* parent = nullptr);

    // The device's area in millimetres.
    void SetArea(const QRectF& areaMm);
    void SetPicture(const QImage& picture);
    // The part marked, in millimetres; the whole area when none is.
    QRectF Selection() const;
    void SetSelection(const QRectF& areaMm);

    QSize sizeHint() const override { return {260, 340}; }

signals:
    void selectionChanged(const QRectF& areaMm);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Where the area is drawn in the widget, its aspect kept.
    QRectF Page() const;
    QPointF ToMm(QPointF point) const;
    QRectF ToWidget(const QRectF& mm) const;
    void ShowBand();

    QRectF m_area;
    QRectF m_selection;
    QImage m_picture;
    QRubberBand* m_pBand;
    QPointF m_ptFrom;
    bool m_bDragging = false;
};
