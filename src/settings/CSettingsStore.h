#pragma once

#include "imaging/ColorRef.h"
#include "platform/CPoint.h"
#include "platform/CSize.h"
#include "platform/LOGFONT.h"

#include <QSettings>
#include <QString>

// The user's own settings: "Corvex KZ Corporation/Veldra2", one section per
// group, each value an integer or a string in one of the shared text forms.
// On Linux this is an INI file under $XDG_CONFIG_HOME, on Windows the
// per-user registry key of the same name.
//
// Every read answers the caller's default when the value is missing or
// cannot be read; nothing here fails loudly, because a damaged settings file
// must never keep the program from starting.
class CSettingsStore
{
public:
    CSettingsStore();
    ~CSettingsStore();
    CSettingsStore(const CSettingsStore&) = delete;
    CSettingsStore& operator=(const CSettingsStore&) = delete;

    int ReadInt(const QString& section, const QString& name, int defaultValue) const;
    void WriteInt(const QString& section, const QString& name, int value);

    QString ReadString(const QString& section, const QString& name, const QString& defaultValue = {}) const;
    void WriteString(const QString& section, const QString& name, const QString& value);

    CPoint ReadPoint(const QString& section, const QString& name, CPoint defaultValue) const;
    void WritePoint(const QString& section, const QString& name, CPoint value);
    CSize ReadSize(const QString& section, const QString& name, CSize defaultValue) const;
    void WriteSize(const QString& section, const QString& name, CSize value);

    COLORREF ReadColor(const QString& section, const QString& name, COLORREF defaultValue) const;
    void WriteColor(const QString& section, const QString& name, COLORREF value);

    LOGFONT ReadFont(const QString& section, const QString& name, const LOGFONT& defaultValue) const;
    void WriteFont(const QString& section, const QString& name, const LOGFONT& value);

    bool Contains(const QString& section, const QString& name) const;
    void DeleteValue(const QString& section, const QString& name);

    // Puts what was written on disk now; false when it could not be saved,
    // and then the file on disk is the one there was before.
    bool Flush();

    // Where the values live, for messages and tests.
    QString Location() const { return m_settings.fileName(); }

private:
    // Whether the file at path reads back with every value held here.
    bool HoldsEveryValue(const QString& path) const;
    static QString Key(const QString& section, const QString& name);
    // The stored value as one string, or a null string when there is none.
    QString StoredText(const QString& section, const QString& name) const;

    QSettings m_settings;
    bool m_bChanged = false;
};
