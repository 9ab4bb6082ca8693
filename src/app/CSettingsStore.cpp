#include "CSettingsStore.h"

#include "SettingTextForms.h"

#include <QStandardPaths>
#include <QStringList>

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
    m_settings.remove(Key(section, name));
}

bool CSettingsStore::Flush()
{
    m_settings.sync();
    return m_settings.status() == QSettings::NoError;
}
