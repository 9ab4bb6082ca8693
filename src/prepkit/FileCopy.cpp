#include "FileCopy.h"

#include "CFileHandle.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <vector>

namespace FileCopy
{
namespace
{
bool SameObject(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Clears the way for a new file: only a regular file may be replaced.
bool RemoveOldCopy(int folderFd, const std::string& name)
{
    struct stat status {};
    if (::fstatat(folderFd, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT;
    if (S_ISLNK(status.st_mode)) {
        errno = ELOOP;
        return false;
    }
    if (S_ISDIR(status.st_mode)) {
        errno = EISDIR;
        return false;
    }
    if (!S_ISREG(status.st_mode)) {
        errno = EEXIST;
        return false;
    }
    return ::unlinkat(folderFd, name.c_str(), 0) == 0 || errno == ENOENT;
}

bool CopyBytes(int from, int to, off_t& copied)
{
    std::vector<char> buffer(64 * 1024);
    copied = 0;
    for (;;) {
        const ssize_t got = ::read(from, buffer.data(), buffer.size());
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (got == 0)
            return true;
        for (ssize_t done = 0; done < got;) {
            const ssize_t put = ::write(to, buffer.data() + done, size_t(got - done));
            if (put < 0) {
                if (errno == EINTR)
                    continue;
                return false;
            }
            done += put;
        }
        copied += got;
    }
}

// Everything after the new file exists; on failure the caller removes it.
bool FillCopy(int sourceFd, const struct stat& source, int destinationFd)
{
    off_t copied = 0;
    if (!CopyBytes(sourceFd, destinationFd, copied))
        return false;
    // The library index compares modification times: a moved file must not
    // look changed.
    const struct timespec times[2] = {source.st_atim, source.st_mtim};
    if (::futimens(destinationFd, times) != 0 || ::fsync(destinationFd) != 0)
        return false;
    struct stat written {};
    if (::fstat(destinationFd, &written) != 0)
        return false;
    if (copied != source.st_size || written.st_size != source.st_size) {
        errno = EIO;
        return false;
    }
    return true;
}
} // namespace

bool CopyFile(int sourceFolderFd, const std::string& name, int destinationFolderFd)
{
    // Non-blocking so that a pipe swapped in for the file cannot hang the
    // installer; it is refused below anyway.
    const CFileHandle source(
        ::openat(sourceFolderFd, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!source)
        return false;
    struct stat sourceStatus {};
    if (::fstat(source.Get(), &sourceStatus) != 0)
        return false;
    if (!S_ISREG(sourceStatus.st_mode)) {
        errno = EINVAL;
        return false;
    }
    const int flags = ::fcntl(source.Get(), F_GETFL);
    if (flags < 0 || ::fcntl(source.Get(), F_SETFL, flags & ~O_NONBLOCK) != 0)
        return false;

    if (!RemoveOldCopy(destinationFolderFd, name))
        return false;
    CFileHandle destination(::openat(destinationFolderFd, name.c_str(),
                                     O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0666));
    if (!destination)
        return false;
    struct stat made {};
    ::fstat(destination.Get(), &made);
    if (FillCopy(source.Get(), sourceStatus, destination.Get()) && destination.Close())
        return true;

    // Take back our own half-made file, not whatever may have replaced it.
    const int error = errno;
    destination.Close();
    struct stat now {};
    if (::fstatat(destinationFolderFd, name.c_str(), &now, AT_SYMLINK_NOFOLLOW) == 0 && SameObject(now, made))
        ::unlinkat(destinationFolderFd, name.c_str(), 0);
    errno = error;
    return false;
}
} // namespace FileCopy
