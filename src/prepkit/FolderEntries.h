#pragma once

#include "CFileHandle.h"

#include <string>
#include <vector>

namespace FolderEntries
{
// The names in an open folder but "." and "..", in byte order, so that a
// stop part-way leaves a predictable rest. False when it cannot be read.
bool ListNames(int folderFd, std::vector<std::string>& names);

// Opens a folder named by a caller. Links on the way to it are theirs to
// choose, but the last name is not followed: it may sit in a folder anyone
// can write to, where a planted link could send root anywhere.
CFileHandle OpenFolderNoFollow(std::string path);

// A folder inside an open one, never through a link.
CFileHandle OpenSubfolder(int parentFd, const std::string& name);

std::string Join(const std::string& folder, const std::string& name);
} // namespace FolderEntries
