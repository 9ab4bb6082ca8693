#pragma once

#include "CFileHandle.h"
#include "MessageSink.h"

#include <string>
#include <vector>

class CAccessAttributes;

// Opens everything below a folder to every user: full rights on folders and
// files, read and execute only on files whose names hold ".lib". The folder
// itself is not changed.
//
// Root runs this over a folder every user may write to, so links are
// skipped, never followed, and so are files with more than one name (the
// other name may lie anywhere on the file system): rights are opened only on
// what lies inside the tree. Such a file is reported all the same, as is
// anything that could not be granted its rights; the walk goes on with the
// rest. The walk keeps its own stack, so a deep tree cannot overflow the
// program's; each level holds one open folder.
class CTreeGrant
{
public:
    CTreeGrant(const CAccessAttributes& full, const CAccessAttributes& readExecute, MessageSink report);

    // `folderPath` only names the folder in messages. False when anything
    // below it was left without its rights.
    bool GrantTree(int folderFd, const std::string& folderPath);

private:
    struct Level
    {
        CFileHandle folder;
        // In the level above. Paths are made of these only for a message:
        // kept whole per level, a deep tree's would take memory by the
        // square of its depth.
        std::string name;
        std::vector<std::string> names;
        std::size_t next = 0;
    };

    // Pushes the level of the folder `name` in the top one (or of the top).
    void Enter(CFileHandle folder, const std::string& name);
    void GrantEntry(const std::string& name);
    // About the entry `name` of the top level ("": the top level itself).
    void Report(const std::string& name, const std::string& reason);

    const CAccessAttributes& m_full;
    const CAccessAttributes& m_readExecute;
    MessageSink m_report;
    std::string m_rootPath;
    std::vector<Level> m_stack;
    bool m_complete = true;
};
