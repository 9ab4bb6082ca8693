#include "CLibraryFiles.h"

#include "LibraryEntry.h"
#include "add/CLibraryEntryFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

CLibraryFiles::Outcome CLibraryFiles::Delete(const QString& name, bool forGood) const
{
    const QString path = LibraryEntry::SymbolFilePath(m_folder, name);
    QFile file(path);
    if (!QFileInfo(path).isFile())
        return {false, tr("\"%1\" is no longer in the library folder.").arg(name)};
    if (forGood ? file.remove() : file.moveToTrash())
        return {true, {}};
    if (forGood)
        return {false, tr("\"%1\" could not be deleted: %2").arg(name, file.errorString())};
    return {false, tr("\"%1\" could not be moved to the trash: %2\nHold Shift while deleting to delete it for good.")
                       .arg(name, file.errorString())};
}

CLibraryFiles::Outcome CLibraryFiles::Rename(const QString& oldName, const QString& newName) const
{
    if (const QString problem = CLibraryEntryFile::NameProblem(newName); !problem.isEmpty())
        return {false, problem};
    const QString from = LibraryEntry::SymbolFilePath(m_folder, oldName);
    if (!QFileInfo(from).isFile())
        return {false, tr("\"%1\" is no longer in the library folder.").arg(oldName)};
    // Another entry of that name, its extension in whatever letter case,
    // would make two rows of one name.
    const QString existing = LibraryEntry::SymbolFilePath(m_folder, newName);
    if (QFileInfo::exists(existing) && QFileInfo(existing).canonicalFilePath() != QFileInfo(from).canonicalFilePath())
        return {false, tr("There is already an entry named \"%1\".").arg(newName)};
    const QString to = QDir(m_folder).filePath(newName + QStringLiteral(".vls"));
    QFile file(from);
    if (!file.rename(to))
        return {false, tr("\"%1\" could not be renamed: %2").arg(oldName, file.errorString())};
    return {true, {}};
}
