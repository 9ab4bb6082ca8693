#include "CLibraryGrid.h"

#include "CLibraryLabelDelegate.h"

#include <QDrag>
#include <QKeyEvent>
#include <QMimeData>
#include <QPixmap>

#include <algorithm>

CLibraryGrid::CLibraryGrid(int kind, QWidget* parent)
    : QListView(parent), m_nKind(kind)
{
    setObjectName(QStringLiteral("1000"));
    setViewMode(QListView::IconMode);
    setIconSize({thumbnailSide, thumbnailSide});
    setMovement(QListView::Static);
    setResizeMode(QListView::Adjust);
    setWrapping(true);
    setGridSize({thumbnailSide + 40, thumbnailSide + 36});
    setWordWrap(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragDropMode(QAbstractItemView::DragOnly);
    setDragEnabled(true);
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
        case Qt::Key_Delete: emit deleteRequested(); return;
        case Qt::Key_F2: emit renameRequested(); return;
        case Qt::Key_F5: emit refreshRequested(); return;
        default: break;
        }
    }
    QListView::keyPressEvent(event);
}

bool CLibraryGrid::ReadEntry(const QMimeData* data, int& kind, QString& name)
{
    if (!data || !data->hasFormat(QLatin1String(mimeType)))
        return false;
    const QString text = QString::fromUtf8(data->data(QLatin1String(mimeType)));
    const qsizetype split = text.indexOf(QLatin1Char('\n'));
    bool ok = false;
    kind = text.left(split).toInt(&ok);
    name = text.mid(split + 1);
    return ok && split > 0 && !name.isEmpty();
}

void CLibraryGrid::startDrag(Qt::DropActions)
{
    const QModelIndex index = currentIndex();
    if (!index.isValid())
        return;
    const QString name = index.data(Qt::DisplayRole).toString();
    auto* data = new QMimeData;
    data->setData(QLatin1String(mimeType), QStringLiteral("%1\n%2").arg(m_nKind).arg(name).toUtf8());
    data->setText(name);
    QDrag drag(this);
    drag.setMimeData(data);
    const QPixmap image = QPixmap::fromImage(index.data(Qt::DecorationRole).value<QImage>());
    if (!image.isNull()) {
        drag.setPixmap(image);
        // The picture hangs from the cursor where the thumbnail was grabbed.
        const QRect cell = visualRect(index);
        const QPoint grabbed = viewport()->mapFromGlobal(QCursor::pos());
        const QPoint iconTop(cell.center().x() - image.width() / 2, cell.top() + 2);
        const QPoint hotSpot = grabbed - iconTop;
        drag.setHotSpot({std::clamp(hotSpot.x(), 0, image.width() - 1), std::clamp(hotSpot.y(), 0, image.height() - 1)});
    }
    if (drag.exec(Qt::CopyAction, Qt::CopyAction) == Qt::CopyAction)
        emit entryDropped();
}
