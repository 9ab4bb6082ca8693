#include "CLibraryGrid.h"

#include "CLibraryDrag.h"
#include "CLibraryLabelDelegate.h"

#include <QKeyEvent>

CLibraryGrid::CLibraryGrid(QWidget* dropTarget, QWidget* parent)
    : QListView(parent), m_pDrag(new CLibraryDrag(*this, dropTarget, [this](QPoint global) { emit entryDropped(global); }))
{
    setObjectName(QStringLiteral("1000"));
    setViewMode(QListView::IconMode);
    setIconSize({thumbnailSide, thumbnailSide});
    setMovement(QListView::Static);
    setResizeMode(QListView::Adjust);
    setWrapping(true);
    setUniformItemSizes(true);
    setGridSize({thumbnailSide + 40, thumbnailSide + 36});
    setWordWrap(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(false); // CLibraryDrag does it
    setContextMenuPolicy(Qt::CustomContextMenu);
    auto* delegate = new CLibraryLabelDelegate(this);
    connect(delegate, &CLibraryLabelDelegate::nameEdited, this, &CLibraryGrid::nameEdited);
    setItemDelegate(delegate);
}

int CLibraryGrid::SelectedRow() const
{
    const QModelIndexList rows = selectionModel() ? selectionModel()->selectedIndexes() : QModelIndexList();
    return rows.isEmpty() ? -1 : rows.constFirst().row();
}

int CLibraryGrid::FocusedRow() const
{
    const int selected = SelectedRow();
    return selected >= 0 || !currentIndex().isValid() ? selected : currentIndex().row();
}

void CLibraryGrid::SelectRow(int row)
{
    if (!model() || row < 0 || row >= model()->rowCount())
        return;
    const QModelIndex index = model()->index(row, 0);
    setCurrentIndex(index);
    scrollTo(index);
}

void CLibraryGrid::StartRename()
{
    const int row = SelectedRow();
    if (row >= 0 && !IsEditing())
        edit(model()->index(row, 0));
}

void CLibraryGrid::CancelEdit()
{
    if (!IsEditing())
        return;
    if (QWidget* editor = indexWidget(currentIndex()))
        closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
}

void CLibraryGrid::keyPressEvent(QKeyEvent* event)
{
    if (!IsEditing()) {
        switch (event->key()) {
        case Qt::Key_Delete: emit deleteRequested(event->modifiers() & Qt::ShiftModifier); return;
        case Qt::Key_F2: emit renameRequested(); return;
        case Qt::Key_F5: emit refreshRequested(); return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Insert: emit chooseRequested(); return;
        default: break;
        }
    }
    QListView::keyPressEvent(event);
}

