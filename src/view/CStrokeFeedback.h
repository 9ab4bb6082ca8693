#pragma once

#include <QColor>
#include <QPolygon>
#include <QRect>

#include <vector>

class QPainter;

// A pen stroke as the window shows it before the document has it: discs
// and lines in window pixels, painted over the plate until the stroke ends.
class CStrokeFeedback
{
public:
    // Each returns the window area to repaint.
    QRect AddDisc(QPoint centre, int diameter, QColor colour);
    QRect AddLine(QPoint from, QPoint to, int width, QColor colour);
    void Clear() { m_marks.clear(); }

    void Paint(QPainter& painter) const;

private:
    struct Mark
    {
        QPolygon points; // one point: a disc
        int width;
        QColor colour;
    };
    std::vector<Mark> m_marks;
};
