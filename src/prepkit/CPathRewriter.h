#pragma once

#include <QString>

// Points the per-user library paths ("Path": "Mask", "Frame", "Symbol" in
// the settings the program reads) at the data folder: every occurrence of
// the installation root in them is replaced; a value without it is left
// alone. Settings that do not exist stay so.
class CPathRewriter
{
public:
    // False when the settings could not be written back.
    static bool RewritePaths(const QString& root, const QString& dataFolder);
};
