#pragma once

#include "CTrimTracker.h"

#include <QImage>
#include <QWidget>

class CTrimmingRules;

// The picture area of the Trimming Picture dialog: the picture at its
// display scale, the button-face colour around it, and the tracker the user
// drags. Its coordinates are the rules' display coordinates.
class CTrimArea : public QWidget
{
    Q_OBJECT

public:
    CTrimArea(CTrimmingRules& rules, QWidget* parent = nullptr);

    // The picture already scaled to the display rectangle.
    void SetPicture(QImage scaled) { m_picture = std::move(scaled); }
    // After the rules changed the mode or the tracker.
    void Refresh();

signals:
    // The user moved or resized the tracker.
    void trackerChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void UpdateCursor(QPoint point);
    static Qt::CursorShape CursorFor(int hit);

    CTrimmingRules& m_rules;
    CTrimTracker m_tracker;
    QImage m_picture;
    bool m_bDragging = false;
};
