#pragma once

#include <QStyledItemDelegate>

// Edits an entry's name in place. The typed text is handed on for the
// window to rename the file; the model never stores it.
class CLibraryLabelDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // Every cell is one grid cell: the label wraps inside it. Measuring each
    // label's wrapping was most of what opening a large library cost.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

signals:
    void nameEdited(int row, const QString& text) const;
};
