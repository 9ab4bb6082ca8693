#include "LibraryEntry.h"

#include "CSymbolFolder.h"

#include "platform/AnsiCodec.h"
#include "platform/CArchive.h"

#include <QDir>
#include <QFileInfo>

#include <cstring>

void LibraryEntry::ToBytes(std::uint8_t* out) const
{
    std::memset(out, 0, nameSize);
    std::memcpy(out, name.constData(), std::size_t(std::min<qsizetype>(name.size(), nameSize - 1)));
    CArchive::EncodeLittleEndian(time, out + nameSize);
    CArchive::EncodeLittleEndian(thumbnail, out + nameSize + 4);
}

LibraryEntry LibraryEntry::FromBytes(const std::uint8_t* bytes)
{
    LibraryEntry entry;
    entry.name = QByteArray(reinterpret_cast<const char*>(bytes), qsizetype(strnlen(reinterpret_cast<const char*>(bytes), nameSize)));
    entry.time = CArchive::DecodeLittleEndian<std::int32_t>(bytes + nameSize);
    entry.thumbnail = CArchive::DecodeLittleEndian<std::int32_t>(bytes + nameSize + 4);
    return entry;
}

QString LibraryEntry::Name() const
{
    return AnsiCodec::Decode(name);
}

QString LibraryEntry::SymbolFilePath(const QString& folder, const QString& name)
{
    const QString plain = QDir(folder).filePath(name + QStringLiteral(".vls"));
    if (QFileInfo::exists(plain))
        return plain;
    const QString found = CSymbolFolder::Find(folder, name);
    return found.isEmpty() ? plain : found;
}
