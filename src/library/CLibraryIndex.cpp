#include "CLibraryIndex.h"

#include "platform/CArchive.h"
#include "platform/CInputFile.h"
#include "platform/CSafeSave.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

namespace {

void ReadThumbnails(CArchive& ar, std::vector<QByteArray>& thumbnails, std::size_t limit)
{
    std::uint32_t count;
    ar >> count;
    if (count > limit)
        throw CArchiveException(CArchiveException::genericException);
    for (std::uint32_t i = 0; i < count; ++i) {
        std::uint32_t length;
        ar >> length;
        QByteArray png = ar.ReadBytes(length);
        // Anything but a PNG thumbnail makes the whole index suspect; the
        // header tells without decoding the pixels.
        QBuffer buffer(&png);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, "PNG");
        if (reader.size() != QSize(CLibraryIndex::thumbnailSide, CLibraryIndex::thumbnailSide))
            throw CArchiveException(CArchiveException::genericException);
        thumbnails.push_back(std::move(png));
    }
}

} // namespace

bool CLibraryIndex::Read(const QString& path, int expectedDepth)
{
    CInputFile file(path);
    if (!file.Open())
        return false;
    try {
        CArchive ar(file.File(), CArchive::load);
        std::int32_t count;
        ar >> depth;
        if (depth != expectedDepth)
            return false;
        ar >> count;
        if (count < 0 || std::int64_t(count) * LibraryEntry::byteSize > ar.BytesLeft())
            return false;
        std::uint8_t bytes[LibraryEntry::byteSize];
        for (std::int32_t i = 0; i < count; ++i) {
            ar.Read(bytes, sizeof bytes);
            entries.push_back(LibraryEntry::FromBytes(bytes));
        }
        ReadThumbnails(ar, thumbnails, entries.size());
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

// The index sits in a library folder every user may write: a link planted
// under its name must not send the refresh's write anywhere.
bool CLibraryIndex::Write(const QString& path) const
{
    return CSafeSave::Write(path, [this](QIODevice& device) {
        try {
            CArchive ar(device, CArchive::store);
            ar << std::int32_t(depth) << std::int32_t(entries.size());
            std::uint8_t bytes[LibraryEntry::byteSize];
            for (const LibraryEntry& entry : entries) {
                entry.ToBytes(bytes);
                ar.Write(bytes, sizeof bytes);
            }
            ar << std::uint32_t(thumbnails.size());
            for (const QByteArray& png : thumbnails) {
                ar << std::uint32_t(png.size());
                ar.Write(png.constData(), std::size_t(png.size()));
            }
            ar.Close();
        } catch (const std::exception&) {
            return false;
        }
        return true;
    }, nullptr, CSafeSave::Links::refuse);
}
