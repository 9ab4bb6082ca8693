#include "CStarterLibrary.h"

#include "CDataFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString CStarterLibrary::SourceFolder(const QString& programFolder, const QString& kindName)
{
    const QDir program(programFolder);
    for (const QString& candidate : {program.filePath(kindName),
                                     program.filePath(QStringLiteral("../share/veldra2/") + kindName)}) {
        if (QFileInfo(candidate).isDir())
            return QDir::cleanPath(candidate);
    }
    return {};
}

int CStarterLibrary::Install(const QString& source, const QString& target, const CDataFolder& dataFolder)
{
    // A link or a file of that name counts as there: nothing is put through it.
    if (QFileInfo(target).exists() || QFileInfo(target).isSymLink() || source.isEmpty())
        return -1;
    if (!dataFolder.CreateSubfolder(target))
        return -1;
    int copied = 0;
    const QDir from(source), to(target);
    for (const QFileInfo& file : from.entryInfoList({QStringLiteral("*.vls")}, QDir::Files, QDir::Name)) {
        const QString copy = to.filePath(file.fileName());
        if (QFile::copy(file.filePath(), copy))
            ++copied;
    }
    return copied;
}
