#include "CSymbolFolder.h"

#include "platform/AnsiCodec.h"
#include "platform/NativePath.h"

#include <algorithm>
#include <memory>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

constexpr QByteArrayView extension = ".vls";

bool HasSymbolExtension(QByteArrayView name)
{
    return name.size() > extension.size() && name.last(extension.size()).toByteArray().toLower() == extension;
}

struct DirCloser
{
    void operator()(DIR* dir) const { closedir(dir); }
};

} // namespace

CSymbolFolder::Listing CSymbolFolder::List(const QString& folder)
{
    Listing listing;
    const std::unique_ptr<DIR, DirCloser> dir(opendir(NativePath::Encode(folder).constData()));
    if (!dir)
        return listing;
    const QString prefix = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    while (const dirent* entry = readdir(dir.get())) {
        const QByteArrayView name(entry->d_name);
        if (name.startsWith('.') || !HasSymbolExtension(name))
            continue;
        struct stat status;
        if (fstatat(dirfd(dir.get()), entry->d_name, &status, 0) != 0 || !S_ISREG(status.st_mode))
            continue;
        const QByteArrayView base = name.first(name.size() - extension.size());
        File file{AnsiCodec::FromFileName(NativePath::Decode(base.toByteArray())), prefix + NativePath::Decode(name.toByteArray()), std::int32_t(status.st_mtim.tv_sec)};
        if (file.indexName.isEmpty())
            listing.leftOut << NativePath::Decode(name.toByteArray());
        else
            listing.files.push_back(std::move(file));
    }
    std::sort(listing.files.begin(), listing.files.end(), [](const File& a, const File& b) { return a.path < b.path; });
    listing.leftOut.sort();
    return listing;
}

QString CSymbolFolder::Find(const QString& folder, const QString& name)
{
    const Listing listing = List(folder);
    const auto found = std::find_if(listing.files.begin(), listing.files.end(),
                                    [&](const File& file) { return AnsiCodec::Decode(file.indexName) == name; });
    return found == listing.files.end() ? QString() : found->path;
}
