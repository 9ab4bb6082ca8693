#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

// A library folder's symbol files as the file system names them. A name
// is bytes: most are UTF-8, but one copied from an older system may hold
// "é" as the single byte 0xE9, which is that system's code page and so
// already the index's form of the name. Paths carry such bytes as
// NativePath escapes; the index name is what the library shows and finds.
class CSymbolFolder
{
public:
    struct File
    {
        QByteArray indexName; // the name in the index's code page
        QString path;         // opens the file again (NativePath form)
        std::int32_t time = 0;
    };

    struct Listing
    {
        std::vector<File> files; // by name, as the folder sorts
        QStringList leftOut;     // names the index's code page cannot hold
    };

    // The regular files (or links to them) named "*.vls" in any letter
    // case, hidden ones left out.
    static Listing List(const QString& folder);

    // The symbol file whose index name reads as the name, "" when none.
    static QString Find(const QString& folder, const QString& name);
};
