#include "CPathRewriter.h"

#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

namespace
{
// The program's settings store reads its file from where XDG_CONFIG_HOME
// says now, not from where Qt first looked; so do we, or the two could part.
QSettings::Format PrepareNativeFormat()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    return QSettings::NativeFormat;
}
} // namespace

QString CPathRewriter::MovedPaths(const QString& value, const QString& root, const QString& dataFolder)
{
    // Each path of a hand-written list on its own: one that lies in the root
    // is the root itself or starts with it and a "/"; "/x/inst2" does not
    // lie in "/x/inst", nor does a path that merely holds the root.
    QStringList paths = value.split(u',');
    for (QString& path : paths) {
        if (path == root || path.startsWith(root + u'/'))
            path.replace(0, root.size(), dataFolder);
    }
    return paths.join(u',');
}

bool CPathRewriter::RewritePaths(const QString& root, const QString& dataFolder)
{
    if (root.isEmpty())
        return false;
    QSettings settings(PrepareNativeFormat(), QSettings::UserScope, QStringLiteral("Corvex KZ Corporation"),
                       QStringLiteral("Veldra2"));
    if (settings.status() != QSettings::NoError)
        return false;
    bool changed = false;
    for (const char* name : {"Mask", "Frame", "Symbol"}) {
        const QString key = QStringLiteral("Path/") + QLatin1String(name);
        const QVariant value = settings.value(key);
        if (!value.isValid())
            continue;
        // A path with a comma written by hand comes back as a list.
        QString text = value.typeId() == QMetaType::QStringList ? value.toStringList().join(u',') : value.toString();
        const QString rewritten = MovedPaths(text, root, dataFolder);
        if (rewritten == text)
            continue;
        settings.setValue(key, rewritten);
        changed = true;
    }
    if (!changed)
        return true;
    settings.sync();
    return settings.status() == QSettings::NoError;
}
