#include "CStrokeFeedback.h"

#include <QPainter>

#include <algorithm>

QRect CStrokeFeedback::AddDisc(QPoint centre, int diameter, QColor colour)
{
    m_marks.push_back({QPolygon({centre}), diameter, colour});
    return QRect(centre, centre).adjusted(-diameter - 1, -diameter - 1, diameter + 1, diameter + 1);
}

QRect CStrokeFeedback::AddLine(QPoint from, QPoint to, int width, QColor colour)
{
    m_marks.push_back({QPolygon({from, to}), width, colour});
    return QRect(from, to).normalized().adjusted(-width - 1, -width - 1, width + 1, width + 1);
}

void CStrokeFeedback::Paint(QPainter& painter) const
{
    if (m_marks.empty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const Mark& mark : m_marks) {
        if (mark.points.size() == 1) {
            // The disc the document will paint: (x - d/2, y - d/2) to (x + d/2, y + d/2).
            const int half = mark.width / 2;
            const QPoint p = mark.points.first();
            painter.setPen(Qt::NoPen);
            painter.setBrush(mark.colour);
            painter.drawEllipse(QRect(QPoint(p.x() - half, p.y() - half), QPoint(p.x() + half, p.y() + half)));
        } else {
            painter.setPen(QPen(mark.colour, std::max(1, mark.width), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            painter.drawPolyline(mark.points);
        }
    }
    painter.restore();
}
