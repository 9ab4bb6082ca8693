#include "CSettingsStore.h"

#include "SettingTextForms.h"

#include <QFile>
#include <QStandardPaths>
#include <QStringList>

#include <unistd.h>

namespace
{
// Qt works out the per-user folder once per process and keeps it. Setting it
// again from the environment each time lets XDG_CONFIG_HOME, as it stands
// now, decide which file is used (tests point it at a private folder).
QSettings::Format PrepareNativeFormat()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
#endif
    return QSettings::NativeFormat;
}
} // namespace

CSettingsStore::CSettingsStore()
    : m_settings(PrepareNativeFormat(), QSettings::UserScope,
                 QStringLiteral("Corvex KZ Corporation"), QStringLiteral("Veldra2"))
{
}

CSettingsStore::~CSettingsStore()
{
    // What was written goes to disk through the same checks as Flush,
    // not through Qt's unchecked write when the settings object goes.
    if (m_bChanged)
        Flush();
}

QString CSettingsStore::Key(const QString& section, const QString& name)
{
    return section + u'/' + name;
}

QString CSettingsStore::StoredText(const QString& section, const QString& name) const
{
    const QVariant value = m_settings.value(Key(section, name));
    if (!value.isValid() || (!value.canConvert<QString>() && value.typeId() != QMetaType::QStringList))
        return {};
    // The INI form hands back an unquoted "10,20" as a list of its parts;
    // joined again it is the text that was written by hand. Our own writes
    // come back as one quoted string.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(u',');
    QString text = value.toString();
    if (text.isNull())
        text = QLatin1String("");
    return text;
}

int CSettingsStore::ReadInt(const QString& section, const QString& name, int defaultValue) const
{
    const QString text = StoredText(section, name);
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : defaultValue;
}

void CSettingsStore::WriteInt(const QString& section, const QString& name, int value)
{
    m_bChanged = true;
    m_settings.setValue(Key(section, name), value);
}

QString CSettingsStore::ReadString(const QString& section, const QString& name, const QString& defaultValue) const
{
    const QString text = StoredText(section, name);
    return text.isNull() ? defaultValue : text;
}

void CSettingsStore::WriteString(const QString& section, const QString& name, const QString& value)
{
    // Always a string, never a list: the registry keeps it as one text and
    // the INI form quotes it, so commas survive either way.
    m_bChanged = true;
    m_settings.setValue(Key(section, name), QVariant(value.isNull() ? QLatin1String("") : value));
}

CPoint CSettingsStore::ReadPoint(const QString& section, const QString& name, CPoint defaultValue) const
{
    return SettingTextForms::ParsePoint(StoredText(section, name)).value_or(defaultValue);
}

void CSettingsStore::WritePoint(const QString& section, const QString& name, CPoint value)
{
    WriteString(section, name, SettingTextForms::FormatPoint(value));
}

CSize CSettingsStore::ReadSize(const QString& section, const QString& name, CSize defaultValue) const
{
    return SettingTextForms::ParseSize(StoredText(section, name)).value_or(defaultValue);
}

void CSettingsStore::WriteSize(const QString& section, const QString& name, CSize value)
{
    WriteString(section, name, SettingTextForms::FormatSize(value));
}

COLORREF CSettingsStore::ReadColor(const QString& section, const QString& name, COLORREF defaultValue) const
{
    return SettingTextForms::ParseColor(StoredText(section, name)).value_or(defaultValue);
}

void CSettingsStore::WriteColor(const QString& section, const QString& name, COLORREF value)
{
    WriteString(section, name, SettingTextForms::FormatColor(value));
}

LOGFONT CSettingsStore::ReadFont(const QString& section, const QString& name, const LOGFONT& defaultValue) const
{
    return SettingTextForms::ParseFont(StoredText(section, name)).value_or(defaultValue);
}

void CSettingsStore::WriteFont(const QString& section, const QString& name, const LOGFONT& value)
{
    WriteString(section, name, SettingTextForms::FormatFont(value));
}

bool CSettingsStore::Contains(const QString& section, const QString& name) const
{
    return m_settings.contains(Key(section, name));
}

void CSettingsStore::DeleteValue(const QString& section, const QString& name)
{
    m_bChanged = true;
    m_settings.remove(Key(section, name));
}

bool CSettingsStore::Flush()
{
    // Qt renames its new file over the old one even when its last write
    // failed (a full disk), which would leave the user with no settings.
    // The old file stays reachable under a second name, which costs no
    // space, until the new one is known to hold every value.
    const QString path = m_settings.fileName();
    const QByteArray file = QFile::encodeName(path);
    const QByteArray kept = QFile::encodeName(path + QStringLiteral(".previous"));
    ::unlink(kept.constData());
    const bool keeping = ::link(file.constData(), kept.constData()) == 0;
    m_settings.sync();
    m_bChanged = false;
    const bool ok = m_settings.status() == QSettings::NoError && HoldsEveryValue(path);
    // Renaming a name over another name of the same file does nothing, so
    // the second name goes separately in every case.
    if (keeping && !ok)
        ::rename(kept.constData(), file.constData());
    if (keeping)
        ::unlink(kept.constData());
    return ok;
}

bool CSettingsStore::HoldsEveryValue(const QString& path) const
{
    // Read through a name of its own: Qt answers a second reader of the
    // same name from memory, not from the disk.
    const QString check = path + QStringLiteral(".check");
    QFile::remove(check);
    if (!QFile::link(path, check) && !QFile::copy(path, check))
        return false;
    bool same = true;
    {
        const QSettings written(check, QSettings::IniFormat);
        const QStringList keys = m_settings.allKeys();
        same = written.status() == QSettings::NoError && written.allKeys().size() == keys.size();
        for (int i = 0; same && i < keys.size(); ++i)
            same = written.value(keys[i]).toString() == m_settings.value(keys[i]).toString();
    }
    QFile::remove(check);
    return same;
}
