#include "CTreeMover.h"

#include "FileCopy.h"
#include "FolderEntries.h"

#include "app/CAccessAttributes.h"

#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>

#include <cerrno>
#include <vector>

CTreeMover::CTreeMover(const CAccessAttributes& folderRights, MessageSink report)
    : m_folderRights(folderRights), m_report(std::move(report))
{
}

bool CTreeMover::FolderStays(const std::string& name)
{
    return ::strcasecmp(name.c_str(), "Program") == 0 || ::strcasecmp(name.c_str(), "Samples") == 0;
}

bool CTreeMover::FileStays(const std::string& name)
{
    return name.find(".exe") != std::string::npos || name.find(".chm") != std::string::npos
           || ::strcasecmp(name.c_str(), "uninst.isu") == 0;
}

bool CTreeMover::MoveTree(int sourceFd, const std::string& sourcePath, int destinationFd,
                          const std::string& destinationPath)
{
    m_leftBehind = false;
    m_stack.clear();
    m_sourcePath = sourcePath;
    m_destinationPath = destinationPath;
    struct stat destination {};
    if (::fstat(destinationFd, &destination) != 0) {
        Report(std::string(), errno);
        return false;
    }
    m_destinationDevice = destination.st_dev;
    m_destinationInode = destination.st_ino;
    Enter(CFileHandle(::fcntl(sourceFd, F_DUPFD_CLOEXEC, 0)), CFileHandle(::fcntl(destinationFd, F_DUPFD_CLOEXEC, 0)),
          std::string());
    while (!m_stack.empty()) {
        Level& level = m_stack.back();
        if (level.next == level.names.size()) {
            Leave();
            continue;
        }
        // Moving a folder pushes a level, which moves `level`: take the name first.
        const std::string name = level.names[level.next++];
        MoveEntry(name);
    }
    return !m_leftBehind;
}

void CTreeMover::Enter(CFileHandle source, CFileHandle destination, const std::string& name)
{
    struct stat sourceStatus {}, destinationStatus {};
    if (!source || !destination || ::fstat(source.Get(), &sourceStatus) != 0
        || ::fstat(destination.Get(), &destinationStatus) != 0) {
        Report(name, errno);
        return;
    }
    // Moving a folder onto itself (the root given is the data folder, or
    // lies inside it) would replace each file by a copy of itself and then
    // delete it.
    if (sourceStatus.st_dev == destinationStatus.st_dev && sourceStatus.st_ino == destinationStatus.st_ino)
        return;
    // A folder that cannot be read (out of file handles, say) is not an
    // empty one: what is in it stays behind.
    Level level;
    if (!FolderEntries::ListNames(source.Get(), level.names)) {
        Report(name, errno);
        return;
    }
    level.source = std::move(source);
    level.destination = std::move(destination);
    level.name = name;
    m_stack.push_back(std::move(level));
}

void CTreeMover::Leave()
{
    const std::string name = std::move(m_stack.back().name);
    m_stack.pop_back();
    if (m_stack.empty())
        return;
    // Something that stays by the rules, or was reported already, keeps the
    // folder; any other reason it cannot go is news.
    if (::unlinkat(m_stack.back().source.Get(), name.c_str(), AT_REMOVEDIR) != 0 && errno != ENOTEMPTY
        && errno != EEXIST)
        Report(name, errno);
}

void CTreeMover::MoveEntry(const std::string& name)
{
    struct stat status {};
    if (::fstatat(m_stack.back().source.Get(), name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
        // Gone since the folder was read: nothing of it is left to move.
        if (errno != ENOENT)
            Report(name, errno);
        return;
    }
    if (S_ISDIR(status.st_mode)) {
        if (FolderStays(name) || (status.st_dev == m_destinationDevice && status.st_ino == m_destinationInode))
            return;
        MoveFolder(name);
    } else if (S_ISREG(status.st_mode) && !FileStays(name)) {
        if (status.st_nlink != 1) {
            Report(name, std::string("The file has other names; it was left where it is"));
            return;
        }
        MoveFile(name);
    }
}

void CTreeMover::MoveFile(const std::string& name)
{
    const Level& level = m_stack.back();
    // The copy must be complete and closed before the original may go.
    if (!FileCopy::CopyFile(level.source.Get(), name, level.destination.Get())
        || ::unlinkat(level.source.Get(), name.c_str(), 0) != 0)
        Report(name, errno);
}

void CTreeMover::MoveFolder(const std::string& name)
{
    const Level& level = m_stack.back();
    CFileHandle sourceFolder = FolderEntries::OpenSubfolder(level.source.Get(), name);
    if (!sourceFolder) {
        Report(name, errno);
        return;
    }
    // An existing destination folder is used as it is; a link or a file
    // there keeps the whole folder in place.
    if (!m_folderRights.CreateFolderAt(level.destination.Get(), name.c_str()) && errno != EEXIST) {
        Report(name, errno);
        return;
    }
    CFileHandle destinationFolder = FolderEntries::OpenSubfolder(level.destination.Get(), name);
    Enter(std::move(sourceFolder), std::move(destinationFolder), name);
}

std::string CTreeMover::PathOf(const std::string& root, const std::string& name) const
{
    std::string path = root;
    for (std::size_t i = 1; i < m_stack.size(); ++i)
        path.append(1, '/').append(m_stack[i].name);
    return name.empty() ? path : FolderEntries::Join(path, name);
}

void CTreeMover::Report(const std::string& name, const std::string& reason)
{
    m_leftBehind = true;
    if (m_report)
        m_report(PathOf(m_sourcePath, name) + "->" + PathOf(m_destinationPath, name) + "\n" + reason);
}

void CTreeMover::Report(const std::string& name, int error)
{
    Report(name, SystemMessage(error));
}
