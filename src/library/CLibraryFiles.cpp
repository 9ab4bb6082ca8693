#include "CLibraryFiles.h"

#include "LibraryEntry.h"
#include "add/CLibraryEntryFile.h"

#include "platform/NativeFile.h"
#include "platform/NativePath.h"

#include <QDir>
#include <QFile>

namespace {

// The trash takes paths as text: a file whose name is in an older code
// page goes there under the name the library shows.
QString TrashablePath(const QString& path, const QString& folder, const QString& name, QString& reason)
{
    if (QFile::encodeName(path) == NativePath::Encode(path))
        return path;
    const QString plain = QDir(folder).filePath(name + QStringLiteral(".vls"));
    reason = NativeFile::Rename(path, plain);
    return reason.isEmpty() ? plain : QString();
}

} // namespace

CLibraryFiles::Outcome CLibraryFiles::Delete(const QString& name, bool forGood) const
{
    const QString path = LibraryEntry::SymbolFilePath(m_folder, name);
    if (!NativeFile::IsFile(path))
        return {false, tr("\"%1\" is no longer in the library folder.").arg(name)};
    if (forGood) {
        const QString reason = NativeFile::Remove(path);
        return {reason.isEmpty(), reason.isEmpty() ? QString() : tr("\"%1\" could not be deleted: %2").arg(name, reason)};
    }
    QString reason;
    const QString trashable = TrashablePath(path, m_folder, name, reason);
    QFile file(trashable);
    if (!trashable.isEmpty() && file.moveToTrash())
        return {true, {}};
    return {false, tr("\"%1\" could not be moved to the trash: %2\nHold Shift while deleting to delete it for good.")
                       .arg(name, trashable.isEmpty() ? reason : file.errorString())};
}

CLibraryFiles::Outcome CLibraryFiles::Rename(const QString& oldName, const QString& newName) const
{
    if (const QString problem = CLibraryEntryFile::NameProblem(newName); !problem.isEmpty())
        return {false, problem};
    const QString from = LibraryEntry::SymbolFilePath(m_folder, oldName);
    if (!NativeFile::IsFile(from))
        return {false, tr("\"%1\" is no longer in the library folder.").arg(oldName)};
    // Another entry of that name, its extension in whatever letter case,
    // would make two rows of one name.
    const QString existing = LibraryEntry::SymbolFilePath(m_folder, newName);
    if (NativeFile::Exists(existing) && !NativeFile::SameFile(existing, from))
        return {false, tr("There is already an entry named \"%1\".").arg(newName)};
    const QString to = QDir(m_folder).filePath(newName + QStringLiteral(".vls"));
    if (const QString reason = NativeFile::Rename(from, to); !reason.isEmpty())
        return {false, tr("\"%1\" could not be renamed: %2").arg(oldName, reason)};
    return {true, {}};
}
