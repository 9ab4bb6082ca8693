#pragma once

#include <QCoreApplication>
#include <QFile>
#include <QString>

// Opens a file for reading only when it is a regular file. A FIFO would
// block the open (and then the program) forever, a device could be read
// without end and a folder is never a picture or a document: each is
// refused with a message that says what the path is. The open itself does
// not block, and the kind is checked on the opened handle, so a path
// swapped for a FIFO between a check and the open cannot hang us either.
class CInputFile
{
    Q_DECLARE_TR_FUNCTIONS(CInputFile)

public:
    explicit CInputFile(const QString& path);
    CInputFile(const CInputFile&) = delete;
    CInputFile& operator=(const CInputFile&) = delete;
    ~CInputFile();

    bool Open();
    // Why Open failed, for the user.
    const QString& ErrorText() const { return m_error; }

    // The opened file, with blocking reads.
    QFile& File() { return m_file; }

    // Whether `path` names a regular file (following links), with the
    // reason when not: for callers that must hand a path on, not a handle.
    static bool CheckRegular(const QString& path, QString* error = nullptr);

private:
    bool Fail(const QString& reason);

    QString m_path;
    QFile m_file;
    int m_fd = -1;
    QString m_error;
};
