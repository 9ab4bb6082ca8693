#include "CTreeGrant.h"

#include "FolderEntries.h"

#include "app/CAccessAttributes.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>

CTreeGrant::CTreeGrant(const CAccessAttributes& full, const CAccessAttributes& readExecute, MessageSink report)
    : m_full(full), m_readExecute(readExecute), m_report(std::move(report))
{
}

bool CTreeGrant::GrantTree(int folderFd, const std::string& folderPath)
{
    m_complete = true;
    m_stack.clear();
    m_rootPath = folderPath;
    Enter(CFileHandle(::fcntl(folderFd, F_DUPFD_CLOEXEC, 0)), std::string());
    while (!m_stack.empty()) {
        Level& level = m_stack.back();
        if (level.next == level.names.size()) {
            m_stack.pop_back();
            continue;
        }
        // A folder pushes a level, which moves `level`: take the name first.
        const std::string name = level.names[level.next++];
        GrantEntry(name);
    }
    return m_complete;
}

void CTreeGrant::Enter(CFileHandle folder, const std::string& name)
{
    Level level;
    if (!folder || !FolderEntries::ListNames(folder.Get(), level.names)) {
        Report(name, FolderEntries::OpenProblem(errno));
        return;
    }
    level.folder = std::move(folder);
    level.name = name;
    m_stack.push_back(std::move(level));
}

void CTreeGrant::GrantEntry(const std::string& name)
{
    // Whatever the name holds by now is what gets checked and granted: a
    // swap between the look and the change cannot redirect it.
    const CFileHandle entry(::openat(m_stack.back().folder.Get(), name.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
    struct stat status {};
    if (!entry || ::fstat(entry.Get(), &status) != 0) {
        // Gone since the folder was read: nothing is left to grant.
        if (errno != ENOENT)
            Report(name, FolderEntries::OpenProblem(errno));
        return;
    }
    if (S_ISREG(status.st_mode)) {
        if (status.st_nlink != 1) {
            Report(name, "The file has other names; its rights were left as they are.");
            return;
        }
        const CAccessAttributes& rights = name.find(".lib") != std::string::npos ? m_readExecute : m_full;
        if (!rights.GrantToDescriptor(entry.Get()))
            Report(name, SystemMessage(errno));
    } else if (S_ISDIR(status.st_mode)) {
        if (!m_full.GrantToDescriptor(entry.Get())) {
            Report(name, SystemMessage(errno));
            return;
        }
        Enter(CFileHandle(::openat(entry.Get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC)), name);
    }
}

void CTreeGrant::Report(const std::string& name, const std::string& reason)
{
    m_complete = false;
    if (!m_report)
        return;
    std::string path = m_rootPath;
    for (std::size_t i = 1; i < m_stack.size(); ++i)
        path.append(1, '/').append(m_stack[i].name);
    m_report((name.empty() ? path : FolderEntries::Join(path, name)) + "\n" + reason);
}
