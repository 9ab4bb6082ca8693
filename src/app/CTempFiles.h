#pragma once

#include <QString>
#include <QStringList>

// Scratch files for pictures on their way between the program and plug-ins,
// scanners or the clipboard. They live in the system's temporary folder under
// names starting "$VD", readable by their owner only, until the program ends.
class CTempFiles
{
public:
    CTempFiles() = default;
    ~CTempFiles();
    CTempFiles(const CTempFiles&) = delete;
    CTempFiles& operator=(const CTempFiles&) = delete;

    // The path of a new empty file, or an empty string when none could be made.
    QString NewTempFile();
    void DeleteAll();

    const QStringList& Names() const { return m_names; }

private:
    QStringList m_names;
};
