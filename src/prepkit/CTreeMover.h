#pragma once

#include "MessageSink.h"

#include <sys/types.h>

#include <string>

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
    void MoveLevel(int sourceFd, const std::string& sourcePath, int destinationFd, const std::string& destinationPath);
    void MoveEntry(int sourceFd, const std::string& name, const std::string& sourcePath, int destinationFd,
                   const std::string& destinationPath);
    void MoveFile(int sourceFd, const std::string& name, const std::string& sourcePath, int destinationFd,
                  const std::string& destinationPath);
    void MoveFolder(int sourceFd, const std::string& name, const std::string& sourcePath, int destinationFd,
                    const std::string& destinationPath);
    void Report(const std::string& source, const std::string& destination, const std::string& reason);
    void Report(const std::string& source, const std::string& destination, int error);

    const CAccessAttributes& m_folderRights;
    MessageSink m_report;
    // The data folder itself, never moved into itself when it lies inside
    // the installation.
    dev_t m_destinationDevice = 0;
    ino_t m_destinationInode = 0;
    bool m_leftBehind = false;
};
