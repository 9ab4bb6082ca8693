#pragma once

#include <QString>
#include <QStringList>

class CSettingsStore;

// The documents opened last, most recent first, as the File menu lists them.
// Entries whose file has gone stay until the user opens them and fails, as
// users expect of this list; only the menu text has to stay short.
class CRecentFileList
{
public:
    static constexpr int maxEntries = 8;

    int Count() const { return int(m_paths.size()); }
    const QStringList& Paths() const { return m_paths; }
    QString Path(int index) const { return m_paths.value(index); }

    // Puts path at the top; the same file already listed (under any name
    // that leads to it) moves there instead of appearing twice.
    void Add(const QString& path);
    void Remove(int index);

    // "&1 name.vlz": the file name, with as much of its folder as tells two
    // entries of the same name apart, '&' doubled for the menu.
    QString MenuText(int index) const;

    // Section "Recent File List", values "File1" ... "File8".
    void Load(const CSettingsStore& store);
    void Save(CSettingsStore& store) const;

private:
    // What two names of one file have in common.
    static QString Identity(const QString& path);
    int IndexOf(const QString& identity) const;
    void Insert(const QString& path, bool atTop);
    // The last depth parts of the entry's path.
    QString PathTail(int index, int depth) const;
    bool TailIsShared(int index, int depth) const;
    QString DisplayName(int index) const;

    QStringList m_paths;
};
