#pragma once

#include <QStyledItemDelegate>

// Paints a layer row: our check box, the thumbnail, then the row text.
class CLayerRowDelegate : public QStyledItemDelegate
{
public:
    // Item data: the object is in objectRole, whether it is displayed in
    // shownRole; the thumbnail is the decoration.
    static constexpr int objectRole = Qt::UserRole;
    static constexpr int shownRole = Qt::UserRole + 1;
    static constexpr int rowHeight = 36;

    using QStyledItemDelegate::QStyledItemDelegate;

    // Where the check box of the row in rowRect lies.
    static QRect CheckRect(const QRect& rowRect);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
