#include "FolderEntries.h"

#include "MessageSink.h"

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

CFileHandle OpenFolderStrictly(const std::string& path, std::string* failedAt)
{
    if (failedAt)
        *failedAt = path;
    if (path.empty()) {
        errno = ENOENT;
        return CFileHandle();
    }
    const bool absolute = path.front() == '/';
    CFileHandle folder(::open(absolute ? "/" : ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    std::string::size_type start = 0;
    while (folder && start < path.size()) {
        std::string::size_type end = path.find('/', start);
        if (end == std::string::npos)
            end = path.size();
        const std::string name = path.substr(start, end - start);
        // "." stays where the walk is; it never leads through what came before.
        if (!name.empty() && name != ".") {
            folder = OpenSubfolder(folder.Get(), name);
            if (!folder && failedAt)
                *failedAt = path.substr(0, end);
        }
        start = end + 1;
    }
    return folder;
}

std::string OpenProblem(int error)
{
    if (error == ELOOP)
        return "It is a symbolic link; Prepkit follows none.";
    return SystemMessage(error);
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
