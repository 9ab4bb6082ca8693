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
    struct stat destination {};
    if (::fstat(destinationFd, &destination) != 0) {
        Report(sourcePath, destinationPath, errno);
        return false;
    }
    m_destinationDevice = destination.st_dev;
    m_destinationInode = destination.st_ino;
    MoveLevel(sourceFd, sourcePath, destinationFd, destinationPath);
    return !m_leftBehind;
}

void CTreeMover::MoveLevel(int sourceFd, const std::string& sourcePath, int destinationFd,
                           const std::string& destinationPath)
{
    struct stat source {}, destination {};
    if (::fstat(sourceFd, &source) != 0 || ::fstat(destinationFd, &destination) != 0) {
        Report(sourcePath, destinationPath, errno);
        return;
    }
    // Moving a folder onto itself (the root given is the data folder, or
    // lies inside it) would replace each file by a copy of itself and then
    // delete it.
    if (source.st_dev == destination.st_dev && source.st_ino == destination.st_ino)
        return;
    // A folder that cannot be read (out of file handles, say) is not an
    // empty one: what is in it stays behind.
    std::vector<std::string> names;
    if (!FolderEntries::ListNames(sourceFd, names)) {
        Report(sourcePath, destinationPath, errno);
        return;
    }
    for (const std::string& name : names)
        MoveEntry(sourceFd, name, sourcePath, destinationFd, destinationPath);
}

void CTreeMover::MoveEntry(int sourceFd, const std::string& name, const std::string& sourcePath, int destinationFd,
                           const std::string& destinationPath)
{
    struct stat status {};
    if (::fstatat(sourceFd, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
        // Gone since the folder was read: nothing of it is left to move.
        if (errno != ENOENT)
            Report(FolderEntries::Join(sourcePath, name), FolderEntries::Join(destinationPath, name), errno);
        return;
    }
    if (S_ISDIR(status.st_mode)) {
        if (FolderStays(name) || (status.st_dev == m_destinationDevice && status.st_ino == m_destinationInode))
            return;
        MoveFolder(sourceFd, name, sourcePath, destinationFd, destinationPath);
    } else if (S_ISREG(status.st_mode) && !FileStays(name)) {
        if (status.st_nlink != 1) {
            Report(FolderEntries::Join(sourcePath, name), FolderEntries::Join(destinationPath, name),
                   std::string("The file has other names; it was left where it is"));
            return;
        }
        MoveFile(sourceFd, name, sourcePath, destinationFd, destinationPath);
    }
}

void CTreeMover::MoveFile(int sourceFd, const std::string& name, const std::string& sourcePath, int destinationFd,
                          const std::string& destinationPath)
{
    // The copy must be complete and closed before the original may go.
    if (!FileCopy::CopyFile(sourceFd, name, destinationFd) || ::unlinkat(sourceFd, name.c_str(), 0) != 0)
        Report(FolderEntries::Join(sourcePath, name), FolderEntries::Join(destinationPath, name), errno);
}

void CTreeMover::MoveFolder(int sourceFd, const std::string& name, const std::string& sourcePath,
                            int destinationFd, const std::string& destinationPath)
{
    const std::string source = FolderEntries::Join(sourcePath, name);
    const std::string destination = FolderEntries::Join(destinationPath, name);
    const CFileHandle sourceFolder = FolderEntries::OpenSubfolder(sourceFd, name);
    if (!sourceFolder) {
        Report(source, destination, errno);
        return;
    }
    // An existing destination folder is used as it is; a link or a file
    // there keeps the whole folder in place.
    if (!m_folderRights.CreateFolderAt(destinationFd, name.c_str()) && errno != EEXIST) {
        Report(source, destination, errno);
        return;
    }
    const CFileHandle destinationFolder = FolderEntries::OpenSubfolder(destinationFd, name);
    if (!destinationFolder) {
        Report(source, destination, errno);
        return;
    }
    MoveLevel(sourceFolder.Get(), source, destinationFolder.Get(), destination);
    // Something that stays by the rules, or was reported already, keeps the
    // folder; any other reason it cannot go is news.
    if (::unlinkat(sourceFd, name.c_str(), AT_REMOVEDIR) != 0 && errno != ENOTEMPTY && errno != EEXIST)
        Report(source, destination, errno);
}

void CTreeMover::Report(const std::string& source, const std::string& destination, const std::string& reason)
{
    m_leftBehind = true;
    if (m_report)
        m_report(source + "->" + destination + "\n" + reason);
}

void CTreeMover::Report(const std::string& source, const std::string& destination, int error)
{
    Report(source, destination, SystemMessage(error));
}
