#pragma once

#include <QString>
#include <stdexcept>

// An archive stream that is not what its reader expects. Open and save turn
// these into the program's messages.
class CArchiveException : public std::runtime_error
{
public:
    // genericException: the bytes contradict themselves (sizes that do not
    // agree, a run that overflows its block).
    enum Cause { genericException, endOfFile, badIndex, badClass, badSchema };

    explicit CArchiveException(Cause cause);
    Cause m_cause;
};

// The stream underneath failed (disk full, read error, ...).
class CFileException : public std::runtime_error
{
public:
    explicit CFileException(const QString& message);
    QString m_strMessage;
};
