#pragma once

#include <QString>

class CDataFolder;

// The library entries that come with the program. A library folder that
// does not exist yet (a new machine or user) is made and given them; one
// that exists is left as it is, even empty: its user emptied it.
class CStarterLibrary
{
public:
    // Where the program's own entries of a kind ("Mask", "Frame", "Symbol")
    // are: beside the program, or under share/veldra2 once installed. Empty
    // when there are none.
    static QString SourceFolder(const QString& programFolder, const QString& kindName);

    // Makes target (with the data folder's rights) and copies every symbol
    // file of source into it. The number of files copied; -1 when target
    // existed already or could not be made.
    static int Install(const QString& source, const QString& target, const CDataFolder& dataFolder);
};
