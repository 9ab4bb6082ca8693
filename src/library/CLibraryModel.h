#pragma once

#include "LibraryEntry.h"

#include <QAbstractListModel>
#include <QImage>

#include <vector>

// The rows of a library folder, as the library window shows them: each
// entry's name and its thumbnail from the model's image list.
class CLibraryModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Kind { material = 0, frame = 1, symbol = 2 };
    enum Roles { TimeRole = Qt::UserRole + 1, ThumbnailIndexRole };

    explicit CLibraryModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    const std::vector<LibraryEntry>& Entries() const { return m_entries; }
    const std::vector<QImage>& Thumbnails() const { return m_thumbnails; }

    // The refresh's editing of rows and images.
    void Reset(std::vector<LibraryEntry> entries, std::vector<QImage> thumbnails);
    void RemoveRow(int row);
    void InsertAtTop(LibraryEntry entry, const QImage& thumbnail);
    void SortByName();

private:
    std::vector<LibraryEntry> m_entries;
    std::vector<QImage> m_thumbnails;
};
