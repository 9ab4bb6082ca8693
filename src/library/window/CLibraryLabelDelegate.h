#pragma once

#include <QStyledItemDelegate>

// Edits an entry's name in place. The typed text is handed on for the
// window to rename the file; the model never stores it.
class CLibraryLabelDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

signals:
    void nameEdited(int row, const QString& text) const;
};
