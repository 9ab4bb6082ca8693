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
#include <unistd.h>

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
        // Without root the likely cure is root; with it, the reason is all.
        const std::string cure = ::geteuid() == 0 ? "" : " Prepkit must run as root.";
        m_report(dataPath + "\n" + CDataFolder::WhyUnusable(dataFolder.Path()).toStdString() + cure);
        return false;
    }
    std::string failedAt;
    const CFileHandle destination = FolderEntries::OpenFolderStrictly(dataPath, &failedAt);
    if (!destination) {
        m_report(failedAt + "\n" + FolderEntries::OpenProblem(errno));
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
    const bool allGranted = CTreeGrant(full, readExecute, m_report).GrantTree(destination.Get(), dataPath);
    return allMoved && allGranted;
}

bool CPrepkit::ModifyAccessPermission(const char* folder) const
{
    if (!folder || !*folder) {
        m_report(noFolderMessage);
        return false;
    }
    CAccessAttributes full;
    CAccessAttributes readExecute;
    if (!full.Build(CAccessAttributes::fullControlMask) || !readExecute.Build(CAccessAttributes::readExecuteMask)) {
        m_report(std::string(folder) + "\n" + SystemMessage(errno));
        return false;
    }
    // Root opens what lies below the folder to everyone: the folder must be
    // the one named, reached through no link, and never the whole system.
    std::string failedAt;
    const CFileHandle opened = FolderEntries::OpenFolderStrictly(folder, &failedAt);
    if (!opened) {
        m_report(failedAt + "\n" + FolderEntries::OpenProblem(errno));
        return false;
    }
    if (IsFileSystemRoot(opened.Get())) {
        m_report(std::string(folder) + "\n" + wholeSystemMessage);
        return false;
    }
    return CTreeGrant(full, readExecute, m_report).GrantTree(opened.Get(), folder);
}
