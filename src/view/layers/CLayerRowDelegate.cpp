#include "CLayerRowDelegate.h"

#include "CLayerPictures.h"

#include <QApplication>
#include <QPainter>

namespace {
constexpr int checkLeft = 3;
constexpr int thumbnailLeft = checkLeft + CLayerPictures::checkSide + 4;
constexpr int textLeft = thumbnailLeft + CLayerPictures::thumbnailSide + 6;
} // namespace

QRect CLayerRowDelegate::CheckRect(const QRect& rowRect)
{
    const int side = CLayerPictures::checkSide;
    return {rowRect.left() + checkLeft, rowRect.center().y() - side / 2, side, side};
}

void CLayerRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem row = option;
    initStyleOption(&row, index);
    // The style draws the selection and focus; the row's parts are ours.
    row.text.clear();
    row.icon = QIcon();
    row.features &= ~QStyleOptionViewItem::HasDecoration;
    const QStyle* style = row.widget ? row.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &row, painter, row.widget);

    const QRect rect = option.rect;
    painter->drawPixmap(CheckRect(rect).topLeft(), CLayerPictures::CheckBox(index.data(shownRole).toBool()));
    const QPixmap thumbnail = index.data(Qt::DecorationRole).value<QPixmap>();
    const int side = CLayerPictures::thumbnailSide;
    if (!thumbnail.isNull())
        painter->drawPixmap(rect.left() + thumbnailLeft, rect.center().y() - side / 2, thumbnail);
    const bool selected = option.state & QStyle::State_Selected;
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    const QRect textRect = rect.adjusted(textLeft, 0, -2, 0);
    painter->drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
                      option.fontMetrics.elidedText(index.data(Qt::DisplayRole).toString(), Qt::ElideRight,
                                                    textRect.width()));
}

QSize CLayerRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QString text = index.data(Qt::DisplayRole).toString();
    return {textLeft + option.fontMetrics.horizontalAdvance(text) + 4, rowHeight};
}
