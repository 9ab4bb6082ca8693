#include "CAccessAttributes.h"

#include <QFile>

#include <acl/libacl.h>
#include <sys/acl.h>
#include <sys/stat.h>

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace
{
// The Windows rights that carry over: the specific ones on files and the
// generic ones a caller may have used instead.
constexpr std::uint32_t readRights = 0x0001 | 0x80000000 | 0x10000000;
constexpr std::uint32_t writeRights = 0x0002 | 0x0004 | 0x40000000 | 0x10000000;
constexpr std::uint32_t executeRights = 0x0020 | 0x20000000 | 0x10000000;

// A descriptor opened with O_PATH takes no fchmod and no ACL call of its own;
// its /proc name reaches the very object it holds, whatever the name it was
// opened by points at now.
std::string ProcName(int fd)
{
    return "/proc/self/fd/" + std::to_string(fd);
}

bool AclUnsupported(int error)
{
    return error == ENOTSUP || error == EOPNOTSUPP;
}

void ClosePreservingErrno(int fd)
{
    const int saved = errno;
    ::close(fd);
    errno = saved;
}
} // namespace

bool CAccessAttributes::Build(std::uint32_t accessMask)
{
    m_accessMask = accessMask;
    m_rights = ((accessMask & readRights) ? 4u : 0u) | ((accessMask & writeRights) ? 2u : 0u)
               | ((accessMask & executeRights) ? 1u : 0u);
    m_valid = true;
    return true;
}

mode_t CAccessAttributes::FolderBits() const
{
    return mode_t(m_rights * 0111);
}

mode_t CAccessAttributes::FileBits(mode_t currentMode) const
{
    const unsigned readWrite = m_rights & 6u;
    const bool execute = (m_rights & 1u) && (currentMode & S_IXUSR);
    return mode_t(readWrite * 0111 | (execute ? 0111 : 0));
}

bool CAccessAttributes::GrantTo(const QString& path) const
{
    if (!m_valid || path.isEmpty()) {
        errno = EINVAL;
        return false;
    }
    const int fd = ::open(QFile::encodeName(path).constData(), O_PATH | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool granted = GrantToDescriptor(fd);
    ClosePreservingErrno(fd);
    return granted;
}

bool CAccessAttributes::GrantToDescriptor(int fd) const
{
    if (!m_valid) {
        errno = EINVAL;
        return false;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0)
        return false;
    mode_t mode = status.st_mode & 07777;
    if (S_ISDIR(status.st_mode)) {
        mode |= FolderBits();
    } else if (S_ISREG(status.st_mode)) {
        mode |= FileBits(mode);
    } else {
        // Links are never followed; devices, pipes and sockets are no data.
        errno = S_ISLNK(status.st_mode) ? ELOOP : EINVAL;
        return false;
    }
    if (mode != (status.st_mode & 07777)) {
        if (::fchmod(fd, mode) != 0) {
            if (errno != EBADF || ::chmod(ProcName(fd).c_str(), mode) != 0)
                return false;
        }
    }
    return S_ISDIR(status.st_mode) ? GrantDefaultList(fd) : true;
}

// Everyone's rights also go into the folder's default list, so that what any
// user makes in it later is open to the others whatever their umask.
bool CAccessAttributes::GrantDefaultList(int fd) const
{
    const std::string name = ProcName(fd);
    acl_t list = acl_get_file(name.c_str(), ACL_TYPE_DEFAULT);
    if (!list)
        return AclUnsupported(errno);
    if (acl_entries(list) <= 0) {
        acl_free(list);
        struct stat status {};
        if (::fstat(fd, &status) != 0)
            return false;
        list = acl_from_mode(status.st_mode | FolderBits());
        if (!list)
            return false;
    } else {
        // A list someone set up already keeps its named entries; the owner,
        // group, mask and others only gain.
        acl_entry_t entry;
        for (int which = ACL_FIRST_ENTRY; acl_get_entry(list, which, &entry) == 1; which = ACL_NEXT_ENTRY) {
            acl_tag_t tag;
            acl_permset_t permissions;
            if (acl_get_tag_type(entry, &tag) != 0 || acl_get_permset(entry, &permissions) != 0)
                continue;
            if (tag != ACL_USER_OBJ && tag != ACL_GROUP_OBJ && tag != ACL_MASK && tag != ACL_OTHER)
                continue;
            if (m_rights & 4u)
                acl_add_perm(permissions, ACL_READ);
            if (m_rights & 2u)
                acl_add_perm(permissions, ACL_WRITE);
            if (m_rights & 1u)
                acl_add_perm(permissions, ACL_EXECUTE);
            acl_set_permset(entry, permissions);
        }
        if (acl_valid(list) != 0)
            acl_calc_mask(&list);
    }
    const bool set = acl_set_file(name.c_str(), ACL_TYPE_DEFAULT, list) == 0 || AclUnsupported(errno);
    const int saved = errno;
    acl_free(list);
    errno = saved;
    return set;
}

bool CAccessAttributes::CreateFolderAt(int parentFd, const char* name) const
{
    if (!m_valid) {
        errno = EINVAL;
        return false;
    }
    if (::mkdirat(parentFd, name, 0777) != 0)
        return false;
    const int fd = ::openat(parentFd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool granted = GrantToDescriptor(fd);
    ClosePreservingErrno(fd);
    return granted;
}
