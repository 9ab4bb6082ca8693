#pragma once

#include "MessageSink.h"

#include <QString>

// What the installer asks of Prepkit, behind the two C entry points.
class CPrepkit
{
public:
    static constexpr char applicationName[] = "Veldra2";
    static constexpr char noRootMessage[] = "No root path name is specified.";
    static constexpr char noFolderMessage[] = "No folder is named.";
    static constexpr char wholeSystemMessage[] = "Prepkit does not open the whole system to every user.";

    explicit CPrepkit(MessageSink report = WriteToStandardError);

    // Moves the installation's data from `root` into the data folder, points
    // the per-user library paths at it and opens it to every user. False as
    // well when anything that should have moved was left behind.
    bool DoIt(const char* root) const;
    // Opens everything below `folder` to every user. Every failure, and
    // every file left as it was, is named with its reason.
    bool ModifyAccessPermission(const char* folder) const;

    // The folder the per-machine data folders live in; tests move it.
    void SetMachineBase(const QString& folder) { m_machineBase = folder; }

private:
    MessageSink m_report;
    QString m_machineBase; // empty: the data folder's own default
};
