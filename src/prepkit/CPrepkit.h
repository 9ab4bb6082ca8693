#pragma once

#include "MessageSink.h"

// What the installer asks of Prepkit, behind the two C entry points.
class CPrepkit
{
public:
    static constexpr char applicationName[] = "Veldra2";
    static constexpr char noRootMessage[] = "No root path name is specified.";

    explicit CPrepkit(MessageSink report = WriteToStandardError);

    // Moves the installation's data from `root` into the data folder, points
    // the per-user library paths at it and opens it to every user. False as
    // well when anything that should have moved was left behind.
    bool DoIt(const char* root) const;
    // Opens everything below `folder` to every user.
    bool ModifyAccessPermission(const char* folder) const;

private:
    MessageSink m_report;
};
