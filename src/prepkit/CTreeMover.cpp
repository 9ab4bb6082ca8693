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

void CTreeMover::MoveTree(int sourceFd, const std::string& sourcePath, int destinationFd,
                          const std::string& destinationPath)
{
    struct stat destination {};
    if (::fstat(destinationFd, &destination) != 0)
        return;
    m_destinationDevice = destination.st_dev;
    m_destinationInode = destination.st_ino;
    MoveLevel(sourceFd, sourcePath, destinationFd, destinationPath);
}

void CTreeMover::MoveLevel(int sourceFd, const std::string& sourcePath, int destinationFd,
                           const std::string& destinationPath)
{
    // Moving a folder onto itself (the root given is the data folder, or
    // lies inside it) would replace each file by a copy of itself and then
    // delete it.
    struct stat source {}, destination {};
    if (::fstat(sourceFd, &source) != 0 || ::fstat(destinationFd, &destination) != 0
        || (source.st_dev == destination.st_dev && source.st_ino == destination.st_ino))
        return;
    std::vector<std::string> names;
    FolderEntries::ListNames(sourceFd, names);
    for (const std::string& name : names) {
        struct stat status {};
        if (::fstatat(sourceFd, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (S_ISDIR(status.st_mode)) {
            if (FolderStays(name)
                || (status.st_dev == m_destinationDevice && status.st_ino == m_destinationInode))
                continue;
            MoveFolder(sourceFd, name, sourcePath, destinationFd, destinationPath);
        } else if (S_ISREG(status.st_mode) && status.st_nlink == 1 && !FileStays(name)) {
            if (!FileCopy::CopyFile(sourceFd, name, destinationFd)) {
                Report(FolderEntries::Join(sourcePath, name), FolderEntries::Join(destinationPath, name), errno);
                return;
            }
            // The copy is complete and closed: only now may the original go.
            ::unlinkat(sourceFd, name.c_str(), 0);
        }
    }
}

void CTreeMover::MoveFolder(int sourceFd, const std::string& name, const std::string& sourcePath,
                            int destinationFd, const std::string& destinationPath)
{
    const std::string source = FolderEntries::Join(sourcePath, name);
    const std::string destination = FolderEntries::Join(destinationPath, name);
    const CFileHandle sourceFolder = FolderEntries::OpenSubfolder(sourceFd, name);
    if (!sourceFolder)
        return;
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
    // Fails, as it should, when something stayed behind.
    ::unlinkat(sourceFd, name.c_str(), AT_REMOVEDIR);
}

void CTreeMover::Report(const std::string& source, const std::string& destination, int error) const
{
    if (m_report)
        m_report(source + "->" + destination + "\n" + SystemMessage(error));
}
