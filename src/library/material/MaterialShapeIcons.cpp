#include "MaterialShapeIcons.h"

#include <QPainter>
#include <QPolygonF>

namespace MaterialShapeIcons {

QPixmap Icon(int shape)
{
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(40, 40, 40), 1.2));
    painter.setBrush(QColor(150, 150, 160));
    const QRectF plate(1.5, 3.5, side - 3, side - 7);
    if (shape == 1)
        painter.drawPolygon(QPolygonF({QPointF(plate.center().x(), plate.top()), QPointF(plate.right(), plate.center().y()),
                                       QPointF(plate.center().x(), plate.bottom()), QPointF(plate.left(), plate.center().y())}));
    else if (shape == 2)
        painter.drawEllipse(plate);
    else
        painter.drawRect(plate);
    return pixmap;
}

} // namespace MaterialShapeIcons
