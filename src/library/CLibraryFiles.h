#pragma once

#include <QCoreApplication>
#include <QString>

// Deleting and renaming the symbol files of one library folder. Each
// operation either happens or leaves the folder as it was, and says why in
// words for the user.
class CLibraryFiles
{
    Q_DECLARE_TR_FUNCTIONS(CLibraryFiles)

public:
    struct Outcome
    {
        bool done = false;
        QString error; // empty when done
    };

    explicit CLibraryFiles(QString folder) : m_folder(std::move(folder)) {}

    // To the desktop's trash, or for good.
    Outcome Delete(const QString& name, bool forGood) const;
    // The file of oldName takes the name newName (without folder and
    // extension). Refused for a name a file or the library's index cannot
    // hold, and for the name of another entry.
    Outcome Rename(const QString& oldName, const QString& newName) const;

private:
    QString m_folder;
};
