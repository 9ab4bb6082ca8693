#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
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
// renaming over it would silently replace it.
//
// A symbolic link to a regular file is followed and its target replaced, as
// a user saving a document through a link of their own expects. In a folder
// other users can write (the shared libraries) a link is refused instead:
// one planted there would have the write land on whatever file the writer
// may change. The new file is made afresh (never opened through a name
// someone could have placed) and renamed over the name, so a link slipped
// in meanwhile is replaced, not written through.
class CSafeSave
{
    Q_DECLARE_TR_FUNCTIONS(CSafeSave)

public:
    enum class Links { follow, refuse };

    // The bytes produced by `write` (which returns false to abandon the
    // save) replace the file at `path`; false, with the user's message in
    // `error`, when they could not.
    static bool Write(const QString& path, const std::function<bool(QIODevice&)>& write, QString* error = nullptr,
                      Links links = Links::follow);
    static bool WriteBytes(const QString& path, const QByteArray& bytes, QString* error = nullptr,
                           Links links = Links::follow);

private:
    CSafeSave(const QString& path, Links links);
    ~CSafeSave();
    CSafeSave(const CSafeSave&) = delete;
    CSafeSave& operator=(const CSafeSave&) = delete;

    // Opens a new file beside the target; false when the target may not or
    // cannot be written.
    bool Open();
    // The open folder the file goes into and the target's name in it.
    bool OpenFolder(const QString& target);
    bool CreateNewFile(mode_t mode, bool keepMode);
    // Syncs and renames over the target; false when any write failed or
    // the bytes could not be made durable.
    bool Commit();
    // Throws the written bytes away; the target stays as it was.
    void Cancel();
    bool Fail(const QString& reason);
    bool FailWithSystemError();

    QString m_path;
    Links m_links;
    int m_folder = -1;
    QByteArray m_name;
    QByteArray m_newName; // empty while there is no new file
    QFile m_file;
    QString m_error;
};
