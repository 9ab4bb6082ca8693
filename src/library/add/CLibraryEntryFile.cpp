#include "CLibraryEntryFile.h"

#include "library/LibraryEntry.h"
#include "objects/CDibObj.h"
#include "platform/AnsiCodec.h"
#include "platform/NativeFile.h"


QString CLibraryEntryFile::PathFor(const QString& folder, const QString& name)
{
    return folder + QLatin1Char('/') + name + QStringLiteral(".vls");
}

QString CLibraryEntryFile::NameProblem(const QString& name)
{
    if (name.isEmpty())
        return tr("Please enter a name.");
    // A "/" would put the file into another folder, or nowhere.
    if (name.contains(QLatin1Char('/')))
        return tr("A name cannot contain \"/\".");
    // The folder listing leaves hidden files out: such an entry would never show.
    if (name.startsWith(QLatin1Char('.')))
        return tr("A name cannot begin with \".\".");
    // The library lists its entries by names in the Western code page.
    if (!AnsiCodec::CanHold(name, 0))
        return tr("A library cannot keep these characters of the name: %1").arg(AnsiCodec::Unheld(name, 0));
    // The index keeps at most 255 bytes of a name.
    if (name.size() >= LibraryEntry::nameSize)
        return tr("A name can have at most %1 characters.").arg(LibraryEntry::nameSize - 1);
    return {};
}

bool CLibraryEntryFile::Exists(const QString& folder, const QString& name)
{
    // A link that leads nowhere is something there all the same.
    return NativeFile::Exists(PathFor(folder, name)) || NativeFile::Exists(LibraryEntry::SymbolFilePath(folder, name));
}

CLibraryEntryFile::Result CLibraryEntryFile::Write(CDibObj& entry, const QString& folder, const QString& name)
{
    if (const QString problem = NameProblem(name); !problem.isEmpty())
        return {Outcome::refused, problem};
    if (Exists(folder, name))
        return {Outcome::exists, tr("File already exists")};
    QString error;
    if (!entry.WriteSymbolFile(PathFor(folder, name), &error))
        return {Outcome::refused, error};
    return {Outcome::written, {}};
}
