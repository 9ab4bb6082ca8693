#include "NativeFile.h"

#include "NativePath.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString SystemReason()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

namespace NativeFile {

bool Exists(const QString& path)
{
    struct stat status;
    return lstat(NativePath::Encode(path).constData(), &status) == 0;
}

bool IsFile(const QString& path)
{
    struct stat status;
    return stat(NativePath::Encode(path).constData(), &status) == 0 && S_ISREG(status.st_mode);
}

bool SameFile(const QString& a, const QString& b)
{
    struct stat first, second;
    return stat(NativePath::Encode(a).constData(), &first) == 0 && stat(NativePath::Encode(b).constData(), &second) == 0
           && first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

QString Rename(const QString& from, const QString& to)
{
    const QByteArray source = NativePath::Encode(from), target = NativePath::Encode(to);
    if (renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
        return {};
    if (errno != EINVAL && errno != ENOSYS)
        return SystemReason();
    // A file system without the no-replace rename: a new name that is
    // taken fails the link.
    if (link(source.constData(), target.constData()) != 0)
        return SystemReason();
    if (unlink(source.constData()) != 0) {
        const QString reason = SystemReason();
        unlink(target.constData());
        return reason;
    }
    return {};
}

QString Remove(const QString& path)
{
    return unlink(NativePath::Encode(path).constData()) == 0 ? QString() : SystemReason();
}

} // namespace NativeFile
