#include "CTreeGrant.h"

#include "FolderEntries.h"

#include "app/CAccessAttributes.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <vector>

CTreeGrant::CTreeGrant(const CAccessAttributes& full, const CAccessAttributes& readExecute)
    : m_full(full), m_readExecute(readExecute)
{
}

bool CTreeGrant::GrantTree(int folderFd) const
{
    std::vector<std::string> names;
    if (!FolderEntries::ListNames(folderFd, names))
        return false;
    for (const std::string& name : names) {
        // Whatever the name holds by now is what gets checked and granted:
        // a swap between the look and the change cannot redirect it.
        const CFileHandle entry(::openat(folderFd, name.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
        if (!entry) {
            if (errno == ENOENT)
                continue;
            return false;
        }
        struct stat status {};
        if (::fstat(entry.Get(), &status) != 0)
            return false;
        if (S_ISREG(status.st_mode)) {
            if (status.st_nlink != 1)
                continue;
            const CAccessAttributes& rights = name.find(".lib") != std::string::npos ? m_readExecute : m_full;
            if (!rights.GrantToDescriptor(entry.Get()))
                return false;
        } else if (S_ISDIR(status.st_mode)) {
            if (!m_full.GrantToDescriptor(entry.Get()))
                return false;
            const CFileHandle folder(::openat(entry.Get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
            if (!folder || !GrantTree(folder.Get()))
                return false;
        }
    }
    return true;
}
