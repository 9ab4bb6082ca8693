#include "TextIcons.h"

#include <QPainter>
#include <QPainterPath>

namespace TextIcons {

namespace {

// A letter "A" of three strokes, standing on the origin, height h.
void DrawLetter(QPainter& painter, double h)
{
    QPainterPath letter;
    letter.moveTo(-h * 0.35, 0);
    letter.lineTo(0, -h);
    letter.lineTo(h * 0.35, 0);
    letter.moveTo(-h * 0.2, -h * 0.4);
    letter.lineTo(h * 0.2, -h * 0.4);
    painter.drawPath(letter);
}

void DrawBand(QPainter& painter, bool fan)
{
    painter.setPen(QPen(QColor(128, 128, 128), 1.5));
    if (fan)
        painter.drawArc(QRectF(2, 14, 28, 28), 30 * 16, 120 * 16);
    else
        painter.drawLine(QPointF(3, 22), QPointF(29, 22));
}

} // namespace

QPixmap Rotation(int index, bool fan)
{
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawBand(painter, fan);
    painter.setPen(QPen(QColor(0, 0, 160), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    // The letter sits on the band; turned glyphs lie on their side, and an
    // inverted fan hangs its letters below the arc.
    painter.translate(16, fan ? 14 : 21);
    if (index & 2) {
        painter.translate(0, fan ? 0 : -12);
        painter.rotate(180);
    }
    if (index & 1)
        painter.rotate(90);
    DrawLetter(painter, 12);
    return pixmap;
}

} // namespace TextIcons
