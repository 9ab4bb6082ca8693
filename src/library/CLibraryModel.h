#pragma once

#include "LibraryEntry.h"

#include "document/CPlateLook.h"

#include <QAbstractListModel>
#include <QImage>

#include <optional>
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
    // Labels are edited in place, but renaming is the window's to do: the
    // model never takes the typed text itself.
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    const std::vector<LibraryEntry>& Entries() const { return m_entries; }
    // The image list as PNG bytes, and one image decoded (and kept) on demand.
    const std::vector<QByteArray>& Thumbnails() const { return m_thumbnails; }
    QImage Thumbnail(int index) const;
    // Frames and symbols are shown as they land on the layout's plate, not
    // on the list's background: white lines that engrave must not look
    // like the black ones that do not. The index keeps them transparent.
    void ShowOnPlate(const CPlateLook& plate);

    // The refresh's editing of rows and images.
    void Reset(std::vector<LibraryEntry> entries, std::vector<QByteArray> thumbnails);
    void RemoveRow(int row);
    void InsertAtTop(LibraryEntry entry, const QImage& thumbnail);
    void SortByName();
    // A renamed file's row keeps its place and thumbnail.
    void SetName(int row, const QByteArray& name);
    // The row of a name, compared without regard to case; -1 when none.
    int RowOf(const QString& name) const;

private:
    QImage Shown(const QImage& thumbnail) const;

    std::vector<LibraryEntry> m_entries;
    std::vector<QByteArray> m_thumbnails;
    mutable std::vector<QImage> m_decoded; // parallel to m_thumbnails; null until shown
    std::optional<CPlateLook> m_plate;
};
