#pragma once

#include <QString>

// File operations on paths of any bytes (NativePath form), where QFile
// would turn a byte that is no UTF-8 into "?" and miss the file.
namespace NativeFile {

// Whether anything, even a link that leads nowhere, is at the path.
bool Exists(const QString& path);
// Whether the path leads to a regular file, through links.
bool IsFile(const QString& path);
// Whether two paths lead to one file.
bool SameFile(const QString& a, const QString& b);
// Gives the file the new path, never replacing what is there; the
// system's reason when it cannot, "" when done.
QString Rename(const QString& from, const QString& to);
// Removes the name; the system's reason when it cannot, "" when done.
QString Remove(const QString& path);

} // namespace NativeFile
