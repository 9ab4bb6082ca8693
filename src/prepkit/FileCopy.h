#pragma once

#include <string>

namespace FileCopy
{
// Copies the regular file `name` from one open folder into another under the
// same name, replacing a regular file there, keeping its modification time.
// True only when every byte is on disk and the copy is closed; otherwise
// false with errno set and no partial copy left behind.
//
// Root runs this in a folder every user may write to, so nothing goes
// through a link: a link at either end (or anything but a file in the
// destination) is refused, and the new file is made afresh rather than
// opened, so a link slipped in meanwhile cannot be written through.
bool CopyFile(int sourceFolderFd, const std::string& name, int destinationFolderFd);
} // namespace FileCopy
