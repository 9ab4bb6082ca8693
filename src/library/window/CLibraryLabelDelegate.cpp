#include "CLibraryLabelDelegate.h"

#include "library/LibraryEntry.h"

#include <QLineEdit>
#include <QListView>

void CLibraryLabelDelegate::setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const
{
    if (const auto* line = qobject_cast<QLineEdit*>(editor))
        emit nameEdited(index.row(), line->text());
}

QWidget* CLibraryLabelDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                             const QModelIndex& index) const
{
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor))
        line->setMaxLength(LibraryEntry::nameSize - 1);
    return editor;
}

QSize CLibraryLabelDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (const auto* view = qobject_cast<const QListView*>(option.widget); view && view->gridSize().isValid())
        return view->gridSize() - QSize(4, 4);
    return QStyledItemDelegate::sizeHint(option, index);
}
