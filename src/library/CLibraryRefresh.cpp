#include "CLibraryRefresh.h"

#include "CLibraryIndex.h"
#include "CSymbolFolder.h"

#include "imaging/DibStretcher.h"
#include "objects/CDibObj.h"

#include <QDir>
#include <QMultiHash>

namespace {

// A name the index's code page cannot hold could not be found again from
// the index: such files are left out, and said so.
std::vector<LibraryEntry> PendingFiles(const QString& folder, QStringList& leftOut)
{
    CSymbolFolder::Listing listing = CSymbolFolder::List(folder);
    leftOut = std::move(listing.leftOut);
    std::vector<LibraryEntry> pending;
    pending.reserve(listing.files.size());
    for (CSymbolFolder::File& file : listing.files)
        pending.push_back({std::move(file.indexName), file.time});
    return pending;
}

// Keeps the index rows whose file is there and not newer; drops the rest.
bool KeepCurrentRows(CLibraryModel& model, std::vector<LibraryEntry>& pending)
{
    // Pending files by name without regard to case, first in search order first.
    QMultiHash<QString, std::size_t> byName;
    for (std::size_t i = pending.size(); i-- > 0;)
        byName.insert(pending[i].Name().toCaseFolded(), i);
    std::vector<bool> taken(pending.size(), false);
    bool changed = false;
    for (int row = 0; row < model.rowCount();) {
        const LibraryEntry& entry = model.Entries()[std::size_t(row)];
        const QString key = entry.Name().toCaseFolded();
        std::size_t match = pending.size();
        for (auto it = byName.constFind(key); it != byName.cend() && it.key() == key; ++it)
            if (!taken[*it] && *it < match)
                match = *it;
        const bool hasImage = entry.thumbnail >= 0 && entry.thumbnail < int(model.Thumbnails().size());
        if (match < pending.size() && entry.time >= pending[match].time && hasImage) {
            taken[match] = true;
            ++row;
        } else {
            model.RemoveRow(row);
            changed = true;
        }
    }
    std::vector<LibraryEntry> left;
    for (std::size_t i = 0; i < pending.size(); ++i)
        if (!taken[i])
            left.push_back(std::move(pending[i]));
    pending = std::move(left);
    return changed;
}

} // namespace

QImage CLibraryRefresh::Thumbnail(CDibObj& symbol, int kind, COLORREF buttonFace)
{
    CDibImage& picture = symbol.StoredImage();
    if (picture.BitCount() != 24 && !picture.ConvertDepth(24))
        return {};
    COLORREF background = RGB(255, 255, 255);
    if (kind == CLibraryModel::material) {
        symbol.ReplaceColour(transparentKey, buttonFace);
        background = buttonFace;
    }
    const int side = CLibraryIndex::thumbnailSide;
    QImage thumbnail(side, side, QImage::Format_ARGB32);
    thumbnail.fill(qRgb(GetRValue(background), GetGValue(background), GetBValue(background)));
    // Fitted with the aspect kept and centred; the longer side fills 64.
    const int w = picture.Width(), h = picture.Height();
    const int fw = w >= h ? side : std::max(1, w * side / h), fh = h >= w ? side : std::max(1, h * side / w);
    const CRect dest{(side - fw) / 2, (side - fh) / 2, (side - fw) / 2 + fw, (side - fh) / 2 + fh};
    const QImage drawn = DibStretcher::Stretch(picture, dest, {0, 0, w, h}, dest, StretchMode::Halftone);
    for (int y = 0; y < drawn.height(); ++y) {
        const uchar* p = drawn.constScanLine(y);
        for (int x = 0; x < drawn.width(); ++x, p += 3) {
            const bool key = p[0] == 0 && p[1] == 0 && p[2] == 1; // B, G, R
            thumbnail.setPixel(dest.left + x, dest.top + y, key ? qRgba(0, 0, 0, 0) : qRgb(p[2], p[1], p[0]));
        }
    }
    return thumbnail;
}

CLibraryRefresh::Result CLibraryRefresh::Refresh(const QString& folder, CLibraryModel& model, const Options& options)
{
    Result result;
    model.Reset({}, {});
    std::vector<LibraryEntry> pending = PendingFiles(folder, result.leftOut);
    const QString indexPath = QDir(folder).filePath(QLatin1String(CLibraryIndex::fileName));
    bool changed = false;
    if (!options.ignoreIndex) {
        CLibraryIndex index;
        index.Read(indexPath, options.screenDepth);
        if (index.depth == options.screenDepth) {
            model.Reset(std::move(index.entries), std::move(index.thumbnails));
            changed = KeepCurrentRows(model, pending);
        }
    }
    const int total = int(pending.size());
    for (LibraryEntry& entry : pending) {
        if (options.progress && !options.progress(result.decoded, total)) {
            result.cancelled = true;
            break;
        }
        CDibObj symbol(true);
        ++result.decoded;
        if (!symbol.ReadSymbolFile(LibraryEntry::SymbolFilePath(folder, entry.Name())))
            continue;
        const QImage thumbnail = Thumbnail(symbol, options.kind, options.buttonFace);
        if (thumbnail.isNull())
            continue;
        model.InsertAtTop(std::move(entry), thumbnail);
        changed = true;
    }
    if (changed) {
        CLibraryIndex index;
        index.depth = options.screenDepth;
        index.entries = model.Entries();
        index.thumbnails = model.Thumbnails();
        result.indexWritten = index.Write(indexPath);
    }
    model.SortByName();
    return result;
}
