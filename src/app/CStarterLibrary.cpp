#include "CStarterLibrary.h"

#include "CDataFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// The starter entries' names, for the catalogs: they are copied under the
// names of the user's language, so that they sort and show as the user
// reads them.
[[maybe_unused]] const char* const starterNames[] = {
    QT_TRANSLATE_NOOP("CStarterLibrary", "Hexagon"),
    QT_TRANSLATE_NOOP("CStarterLibrary", "Oval"),
    QT_TRANSLATE_NOOP("CStarterLibrary", "Round"),
    QT_TRANSLATE_NOOP("CStarterLibrary", "Rounded rectangle"),
    QT_TRANSLATE_NOOP("CStarterLibrary", "Shield"),
    QT_TRANSLATE_NOOP("CStarterLibrary", "Tag with hole"),
    QT_TRANSLATE_NOOP("CStarterLibrary", "Beaded"),
    QT_TRANSLATE_NOOP("CStarterLibrary", "Dashed"),
    QT_TRANSLATE_NOOP("CStarterLibrary", "Dotted"),
    QT_TRANSLATE_NOOP("CStarterLibrary", "Double"),
    QT_TRANSLATE_NOOP("CStarterLibrary", "Ornamental corners"),
    QT_TRANSLATE_NOOP("CStarterLibrary", "Rounded"),
    QT_TRANSLATE_NOOP("CStarterLibrary", "Single"),
    QT_TRANSLATE_NOOP("CStarterLibrary", "Thick and thin"),
    QT_TRANSLATE_NOOP("CStarterLibrary", "Arrow"),
    QT_TRANSLATE_NOOP("CStarterLibrary", "Check mark"),
    QT_TRANSLATE_NOOP("CStarterLibrary", "Cross mark"),
    QT_TRANSLATE_NOOP("CStarterLibrary", "First aid"),
    QT_TRANSLATE_NOOP("CStarterLibrary", "Gear"),
    QT_TRANSLATE_NOOP("CStarterLibrary", "Heart"),
    QT_TRANSLATE_NOOP("CStarterLibrary", "High voltage"),
    QT_TRANSLATE_NOOP("CStarterLibrary", "Information"),
    QT_TRANSLATE_NOOP("CStarterLibrary", "Prohibited"),
    QT_TRANSLATE_NOOP("CStarterLibrary", "Star"),
    QT_TRANSLATE_NOOP("CStarterLibrary", "Turn arrow"),
    QT_TRANSLATE_NOOP("CStarterLibrary", "Warning"),
};

// A translated name a library could not keep falls back to the English one.
QString LocalFileName(const QFileInfo& file)
{
    const QByteArray english = file.completeBaseName().toUtf8();
    const QString name = QCoreApplication::translate("CStarterLibrary", english.constData()).trimmed();
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.startsWith(QLatin1Char('.')))
        return file.fileName();
    return name + QStringLiteral(".vls");
}

} // namespace

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
        const QString copy = to.filePath(LocalFileName(file));
        if (QFile::copy(file.filePath(), copy))
            ++copied;
    }
    return copied;
}
