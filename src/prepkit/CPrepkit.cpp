#include "CPrepkit.h"

#include "CPathRewriter.h"
#include "CTreeGrant.h"
#include "CTreeMover.h"
#include "FolderEntries.h"

#include "app/CAccessAttributes.h"
#include "app/CDataFolder.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <string>

namespace
{
bool IsFileSystemRoot(int folderFd)
{
    struct stat folder {}, root {};
    return ::fstat(folderFd, &folder) == 0 && ::stat("/", &root) == 0 && folder.st_dev == root.st_dev
           && folder.st_ino == root.st_ino;
}
} // namespace

CPrepkit::CPrepkit(MessageSink report)
    : m_report(std::move(report))
{
}

bool CPrepkit::DoIt(const char* root) const
{
    std::string rootPath = root ? root : "";
    if (!rootPath.empty() && rootPath.back() == '/')
        rootPath.pop_back();
    // "/" loses its only character here; moving the whole system into the
    // data folder is never what an installer means.
    if (rootPath.empty()) {
        m_report(noRootMessage);
        return false;
    }
    // A root that is no folder has nothing to move; saying so beats
    // reporting success to the installer.
    const CFileHandle source(::open(rootPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!source) {
        m_report(rootPath + "\n" + SystemMessage(errno));
        return false;
    }
    if (IsFileSystemRoot(source.Get())) {
        m_report(noRootMessage);
        return false;
    }

    // The user's own folder, which the program falls back on, is no place to
    // move an installation into and open to everyone.
    CDataFolder dataFolder;
    if (!m_machineBase.isEmpty())
        dataFolder.SetMachineBase(m_machineBase);
    const bool made = dataFolder.Create(QString::fromLatin1(applicationName), CDataFolder::Fallback::none);
    const std::string dataPath = QFile::encodeName(dataFolder.Path()).toStdString();
    if (!made) {
        m_report(dataPath + "\n" + noDataFolderMessage);
        return false;
    }
    const CFileHandle destination = FolderEntries::OpenFolderNoFollow(dataPath);
    if (!destination) {
        m_report(dataPath + "\n" + SystemMessage(errno));
        return false;
    }

    CAccessAttributes full;
    CAccessAttributes readExecute;
    full.Build(CAccessAttributes::fullControlMask);
    readExecute.Build(CAccessAttributes::readExecuteMask);
    // What did move is still pointed at and opened up; the installer hears
    // of what did not through the messages and the failure.
    const bool allMoved = CTreeMover(full, m_report).MoveTree(source.Get(), rootPath, destination.Get(), dataPath);
    CPathRewriter::RewritePaths(QFile::decodeName(rootPath.c_str()), dataFolder.Path());
    CTreeGrant(full, readExecute).GrantTree(destination.Get());
    return allMoved;
}

bool CPrepkit::ModifyAccessPermission(const char* folder) const
{
    if (!folder || !*folder)
        return false;
    CAccessAttributes full;
    CAccessAttributes readExecute;
    if (!full.Build(CAccessAttributes::fullControlMask) || !readExecute.Build(CAccessAttributes::readExecuteMask))
        return false;
    // A folder that is not there has had nothing granted: no success.
    const CFileHandle opened = FolderEntries::OpenFolderNoFollow(folder);
    if (!opened)
        return false;
    return CTreeGrant(full, readExecute).GrantTree(opened.Get());
}
