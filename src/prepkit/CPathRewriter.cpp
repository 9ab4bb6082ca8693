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
        if (!text.contains(root))
            continue;
        text.replace(root, dataFolder);
        settings.setValue(key, text);
        changed = true;
    }
    if (!changed)
        return true;
    settings.sync();
    return settings.status() == QSettings::NoError;
}
