#pragma once

#include <QCoreApplication>
#include <QSaveFile>
#include <QString>

#include <functional>

// Writes a file beside its target and renames it over the target only when
// every byte is known to be on the disk. A full disk, a read-only folder or
// a failing device leaves the old file byte for byte as it was.
//
// Writes go straight to the file (no buffer of Qt's in between) and the
// file is synced before the rename, so a failure surfaces as a failed
// write or sync here rather than being lost in a late flush. A target that
// exists and is not a regular file (a FIFO, a device, a folder) is refused:
// renaming over it would silently replace it. A symbolic link to a regular
// file is followed and its target replaced.
class CSafeSave
{
    Q_DECLARE_TR_FUNCTIONS(CSafeSave)

public:
    // The bytes produced by `write` (which returns false to abandon the
    // save) replace the file at `path`; false, with the user's message in
    // `error`, when they could not.
    static bool Write(const QString& path, const std::function<bool(QIODevice&)>& write, QString* error = nullptr);
    static bool WriteBytes(const QString& path, const QByteArray& bytes, QString* error = nullptr);

private:
    explicit CSafeSave(const QString& path);
    CSafeSave(const CSafeSave&) = delete;
    CSafeSave& operator=(const CSafeSave&) = delete;

    // Opens the file beside the target; false when the target may not or
    // cannot be written.
    bool Open();
    // Syncs and renames over the target; false when any write failed or
    // the bytes could not be made durable.
    bool Commit();
    // Throws the written bytes away; the target stays as it was.
    void Cancel();
    bool Fail(const QString& reason);

    QString m_path;
    QSaveFile m_file;
    QString m_error;
};
