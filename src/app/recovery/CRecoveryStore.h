#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

// The folder where running programs keep what their layouts' unsaved
// changes were at the last autosave: per program, "<id>.vlz" (the layout as
// Save writes it), "<id>.info" (its title, the user's path and the time)
// and "<id>.lock", which the program holds locked for as long as it runs.
// A lock that can be taken belongs to a program that is gone: what it kept
// is offered at the next start.
class CRecoveryStore
{
public:
    struct Entry
    {
        QString id;
        QString title;
        // The user's file; empty for an untitled layout.
        QString originalPath;
        QDateTime time;
    };

    // $XDG_STATE_HOME (else ~/.local/state) / Corvex KZ Corporation/Veldra2/recovery.
    static QString DefaultFolder();

    explicit CRecoveryStore(QString folder = DefaultFolder());

    const QString& Folder() const { return m_folder; }
    QString DocumentFile(const QString& id) const;
    QString InfoFile(const QString& id) const;
    QString LockFile(const QString& id) const;

    // What programs that are no longer running left, newest first; another
    // running program's entry is never listed.
    QList<Entry> Orphans() const;
    // Removes an entry's files; false when one stays.
    bool Discard(const QString& id) const;
    // Removes the lock files that programs which ended without exiting left
    // with nothing kept beside them. A lock younger than a minute is left
    // alone: its program may be starting and not have locked it yet.
    void PruneStaleLocks() const;

    // The info file's text and back.
    static QByteArray InfoText(const Entry& entry);
    static bool ParseInfo(const QByteArray& text, Entry& entry);

private:
    bool IsOrphan(const QString& id) const;

    QString m_folder;
};
