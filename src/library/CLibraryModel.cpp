#include "CLibraryModel.h"

#include "platform/AnsiCodec.h"

#include <QBuffer>

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
    case Qt::EditRole:
        return AnsiCodec::Decode(entry.name);
    case Qt::DecorationRole:
        return entry.thumbnail >= 0 && entry.thumbnail < int(m_thumbnails.size())
            ? QVariant(Thumbnail(entry.thumbnail)) : QVariant();
    case TimeRole:
        return entry.time;
    case ThumbnailIndexRole:
        return entry.thumbnail;
    default:
        return {};
    }
}

QImage CLibraryModel::Thumbnail(int index) const
{
    if (index < 0 || index >= int(m_thumbnails.size()))
        return {};
    QImage& decoded = m_decoded[std::size_t(index)];
    if (decoded.isNull())
        decoded = Shown(QImage::fromData(m_thumbnails[std::size_t(index)], "PNG"));
    return decoded;
}

QImage CLibraryModel::Shown(const QImage& thumbnail) const
{
    if (m_plate && !thumbnail.isNull())
        return m_plate->Show(thumbnail).convertToFormat(QImage::Format_ARGB32);
    return thumbnail.convertToFormat(QImage::Format_ARGB32);
}

void CLibraryModel::ShowOnPlate(const CPlateLook& plate)
{
    beginResetModel();
    m_plate = plate;
    m_decoded.assign(m_thumbnails.size(), QImage());
    endResetModel();
}

void CLibraryModel::Reset(std::vector<LibraryEntry> entries, std::vector<QByteArray> thumbnails)
{
    beginResetModel();
    m_entries = std::move(entries);
    m_thumbnails = std::move(thumbnails);
    m_decoded.assign(m_thumbnails.size(), QImage());
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
        m_decoded.erase(m_decoded.begin() + image);
        for (LibraryEntry& entry : m_entries)
            if (entry.thumbnail > image)
                --entry.thumbnail;
    }
}

void CLibraryModel::InsertAtTop(LibraryEntry entry, const QImage& thumbnail)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    thumbnail.save(&buffer, "PNG");
    m_thumbnails.push_back(std::move(png));
    m_decoded.push_back(Shown(thumbnail));
    entry.thumbnail = int(m_thumbnails.size()) - 1;
    beginInsertRows({}, 0, 0);
    m_entries.insert(m_entries.begin(), std::move(entry));
    endInsertRows();
}

void CLibraryModel::SortByName()
{
    beginResetModel();
    // Names decoded once, not in every comparison.
    std::vector<std::pair<QString, LibraryEntry>> keyed;
    keyed.reserve(m_entries.size());
    for (LibraryEntry& entry : m_entries)
        keyed.emplace_back(AnsiCodec::Decode(entry.name).toCaseFolded(), std::move(entry));
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 0; i < keyed.size(); ++i)
        m_entries[i] = std::move(keyed[i].second);
    endResetModel();
}

Qt::ItemFlags CLibraryModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable | Qt::ItemIsDragEnabled
           | Qt::ItemNeverHasChildren;
}

void CLibraryModel::SetName(int row, const QByteArray& name)
{
    if (row < 0 || row >= rowCount())
        return;
    m_entries[std::size_t(row)].name = name;
    emit dataChanged(index(row), index(row), {Qt::DisplayRole});
}

int CLibraryModel::RowOf(const QString& name) const
{
    const QString key = name.toCaseFolded();
    for (std::size_t row = 0; row < m_entries.size(); ++row)
        if (m_entries[row].Name().toCaseFolded() == key)
            return int(row);
    return -1;
}
