#include "FolderEntries.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstring>

namespace FolderEntries
{
bool ListNames(int folderFd, std::vector<std::string>& names)
{
    names.clear();
    const int copy = ::fcntl(folderFd, F_DUPFD_CLOEXEC, 0);
    if (copy < 0)
        return false;
    DIR* folder = ::fdopendir(copy);
    if (!folder) {
        ::close(copy);
        return false;
    }
    // The copy shares its reading position with the caller's descriptor.
    ::rewinddir(folder);
    errno = 0;
    while (const dirent* entry = ::readdir(folder)) {
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
            names.emplace_back(entry->d_name);
        errno = 0;
    }
    const int error = errno;
    ::closedir(folder);
    std::sort(names.begin(), names.end());
    errno = error;
    return error == 0;
}

CFileHandle OpenFolderNoFollow(std::string path)
{
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    if (path.empty()) {
        errno = ENOENT;
        return CFileHandle();
    }
    if (path == "/")
        return CFileHandle(::open("/", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    const std::string::size_type slash = path.rfind('/');
    const std::string parent = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const CFileHandle parentFd(::open(parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!parentFd)
        return CFileHandle();
    return OpenSubfolder(parentFd.Get(), name);
}

CFileHandle OpenSubfolder(int parentFd, const std::string& name)
{
    CFileHandle folder(::openat(parentFd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    // A link fails as "not a directory"; the message should say what it is.
    const int error = errno;
    struct stat status {};
    const bool link = !folder && error == ENOTDIR
                      && ::fstatat(parentFd, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(status.st_mode);
    errno = link ? ELOOP : error;
    return folder;
}

std::string Join(const std::string& folder, const std::string& name)
{
    return folder + '/' + name;
}
} // namespace FolderEntries
