#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// One symbol file as the library index lists it: 256 bytes of name (without
// folder and extension, zero-terminated), the file's last-write time in
// seconds since 1970 UTC, and its thumbnail's index (-1 while none).
struct LibraryEntry
{
    static constexpr int byteSize = 264;
    static constexpr int nameSize = 256;

    QByteArray name;
    std::int32_t time = 0;
    std::int32_t thumbnail = -1;

    // The name as text: the index keeps it in the Western code page, as
    // layouts keep their names.
    QString Name() const;

    // The symbol file of a name in a folder: "<name>.vls", or the file of
    // that name whose extension is written in other letter case ("Two.VLS")
    // or whose name is in the index's code page, as the folder scan lists it.
    static QString SymbolFilePath(const QString& folder, const QString& name);

    void ToBytes(std::uint8_t* out) const;
    static LibraryEntry FromBytes(const std::uint8_t* bytes);
};
