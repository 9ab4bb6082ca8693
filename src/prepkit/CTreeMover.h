#pragma once

#include "CFileHandle.h"
#include "MessageSink.h"

#include <sys/types.h>

#include <string>
#include <vector>

class CAccessAttributes;

// Moves an installation's data into the data folder: every file and folder
// but the "Program" and "Samples" folders (in any case), files whose names
// hold ".exe" or ".chm" anywhere (as written) and "uninst.isu" (in any
// case). Folders are made in the destination as needed and removed from the
// source once empty.
//
// Whatever should have moved and did not (a file that cannot be copied, a
// folder that cannot be read or opened, a name refused at the destination)
// is reported as "S->D" and the system's message, stays where it was, and
// the rest goes on moving. Links, and files with more than one name, stay
// where they are: root must not copy, replace or delete anything through
// them that lies outside the two trees. The links are left as the rules
// leave anything that is neither file nor folder; a file with other names is
// one that should have moved, so it is reported.
//
// The walk keeps its own stack, so a deep tree cannot overflow the
// program's; each level holds its two open folders, and a level that cannot
// be opened (out of file handles) is reported and stays where it is.
class CTreeMover
{
public:
    // folderRights: what new destination folders get.
    CTreeMover(const CAccessAttributes& folderRights, MessageSink report);

    // Both folders are open descriptors; the paths only name them in
    // messages. False when anything that should have moved was left behind.
    bool MoveTree(int sourceFd, const std::string& sourcePath, int destinationFd, const std::string& destinationPath);

    static bool FolderStays(const std::string& name);
    static bool FileStays(const std::string& name);

private:
    struct Level
    {
        CFileHandle source;
        CFileHandle destination;
        // In the level above; empty for the top. Paths are made of these
        // only for a message: kept whole per level, a deep tree's would take
        // memory by the square of its depth.
        std::string name;
        std::vector<std::string> names;
        std::size_t next = 0;
    };

    // Pushes the level of a folder `name` in the top one (or of the top).
    void Enter(CFileHandle source, CFileHandle destination, const std::string& name);
    void Leave();
    void MoveEntry(const std::string& name);
    void MoveFile(const std::string& name);
    void MoveFolder(const std::string& name);
    // About the entry `name` of the top level ("": the top level itself).
    void Report(const std::string& name, const std::string& reason);
    void Report(const std::string& name, int error);
    std::string PathOf(const std::string& root, const std::string& name) const;

    const CAccessAttributes& m_folderRights;
    MessageSink m_report;
    // The data folder itself, never moved into itself when it lies inside
    // the installation.
    dev_t m_destinationDevice = 0;
    ino_t m_destinationInode = 0;
    bool m_leftBehind = false;
    std::string m_sourcePath;
    std::string m_destinationPath;
    std::vector<Level> m_stack;
};
