#include "CLibraryModel.h"

#include "platform/AnsiCodec.h"

#include <algorithm>

CLibraryModel::CLibraryModel(QObject* parent)
    : QAbstractListModel(parent)
{
}

int CLibraryModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

QVariant CLibraryModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const LibraryEntry& entry = m_entries[std::size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return AnsiCodec::Decode(entry.name);
    case Qt::DecorationRole:
        return entry.thumbnail >= 0 && entry.thumbnail < int(m_thumbnails.size())
            ? QVariant(m_thumbnails[std::size_t(entry.thumbnail)]) : QVariant();
    case TimeRole:
        return entry.time;
    case ThumbnailIndexRole:
        return entry.thumbnail;
    default:
        return {};
    }
}

void CLibraryModel::Reset(std::vector<LibraryEntry> entries, std::vector<QImage> thumbnails)
{
    beginResetModel();
    m_entries = std::move(entries);
    m_thumbnails = std::move(thumbnails);
    endResetModel();
}

void CLibraryModel::RemoveRow(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    const int image = m_entries[std::size_t(row)].thumbnail;
    beginRemoveRows({}, row, row);
    m_entries.erase(m_entries.begin() + row);
    endRemoveRows();
    // The image goes too, and every later image moves down one place.
    if (image >= 0 && image < int(m_thumbnails.size())) {
        m_thumbnails.erase(m_thumbnails.begin() + image);
        for (LibraryEntry& entry : m_entries)
            if (entry.thumbnail > image)
                --entry.thumbnail;
    }
}

void CLibraryModel::InsertAtTop(LibraryEntry entry, const QImage& thumbnail)
{
    m_thumbnails.push_back(thumbnail);
    entry.thumbnail = int(m_thumbnails.size()) - 1;
    beginInsertRows({}, 0, 0);
    m_entries.insert(m_entries.begin(), std::move(entry));
    endInsertRows();
}

void CLibraryModel::SortByName()
{
    beginResetModel();
    std::stable_sort(m_entries.begin(), m_entries.end(), [](const LibraryEntry& a, const LibraryEntry& b) {
        return QString::compare(AnsiCodec::Decode(a.name), AnsiCodec::Decode(b.name), Qt::CaseInsensitive) < 0;
    });
    endResetModel();
}
