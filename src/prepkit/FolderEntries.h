#pragma once

#include "CFileHandle.h"

#include <string>
#include <vector>

namespace FolderEntries
{
// The names in an open folder but "." and "..", in byte order, so that a
// stop part-way leaves a predictable rest. False when it cannot be read.
bool ListNames(int folderFd, std::vector<std::string>& names);

// Opens the folder a caller names, one name at a time from "/" (or from the
// working folder for a relative path), never through a link anywhere on the
// way: any part of the path may sit in a folder someone else can write to,
// where a planted link could send root anywhere. "LINK/." is refused like
// "LINK". On failure the handle is empty, errno says why (ELOOP: a link)
// and `failedAt` holds the part of the path that could not be opened.
CFileHandle OpenFolderStrictly(const std::string& path, std::string* failedAt = nullptr);
// What a failure of the opens here means, for a message: a link is named so.
std::string OpenProblem(int error);

// A folder inside an open one, never through a link.
CFileHandle OpenSubfolder(int parentFd, const std::string& name);

std::string Join(const std::string& folder, const std::string& name);
} // namespace FolderEntries
