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
// A file that cannot be copied is reported as "S->D" and the system's
// message, and the rest of its folder stays where it is; the folders above
// go on. Links, and files with more than one name, stay where they are:
// root must not copy, replace or delete anything through them that lies
// outside the two trees.
class CTreeMover
{
public:
    // folderRights: what new destination folders get.
    CTreeMover(const CAccessAttributes& folderRights, MessageSink report);

    // Both folders are open descriptors; the paths only name them in messages.
    void MoveTree(int sourceFd, const std::string& sourcePath, int destinationFd, const std::string& destinationPath);

    static bool FolderStays(const std::string& name);
    static bool FileStays(const std::string& name);

private:
    void MoveLevel(int sourceFd, const std::string& sourcePath, int destinationFd, const std::string& destinationPath);
    void MoveFolder(int sourceFd, const std::string& name, const std::string& sourcePath, int destinationFd,
                    const std::string& destinationPath);
    void Report(const std::string& source, const std::string& destination, int error) const;

    const CAccessAttributes& m_folderRights;
    MessageSink m_report;
    // The data folder itself, never moved into itself when it lies inside
    // the installation.
    dev_t m_destinationDevice = 0;
    ino_t m_destinationInode = 0;
};
