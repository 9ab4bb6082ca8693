#pragma once

#include <QString>

// Points the per-user library paths ("Path": "Mask", "Frame", "Symbol" in
// the settings the program reads) at the data folder: every path in them
// that lies in the installation root (the root itself, or the root and a
// "/") has the root replaced; other paths are left alone. Settings that do
// not exist stay so.
class CPathRewriter
{
public:
    // False when the settings could not be written back.
    static bool RewritePaths(const QString& root, const QString& dataFolder);
    // One value, a path or a comma-separated list of them, as moved.
    static QString MovedPaths(const QString& value, const QString& root, const QString& dataFolder);
};
