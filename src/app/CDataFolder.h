#pragma once

#include "CAccessAttributes.h"

#include <QString>

// The per-machine folder that holds the libraries every user of the computer
// may change: "/var/lib/Corvex KZ Corporation/<application>", made with
// everyone's full rights. The program makes sure of it at every start and
// Prepkit when the installer runs.
//
// VELDRA2_DATA_DIR names another folder (tests, private installations). When
// the machine folder cannot be made or written (a user's program started
// before anything was installed), the user's own
// "$XDG_DATA_HOME/Corvex KZ Corporation/<application>" stands in; being one
// user's, that one is made with ordinary rights, not opened to all.
class CDataFolder
{
public:
    static constexpr char companyName[] = "Corvex KZ Corporation";
    static constexpr char overrideVariable[] = "VELDRA2_DATA_DIR";

    // Whether the user's own folder may stand in for a machine folder that
    // cannot be made or written. The program's may; an installer's, which
    // opens the folder to every user, must not.
    enum class Fallback { usersOwn, none };

    // Makes sure the data folder of the application exists and keeps its
    // path. Folders that already exist keep their rights. On failure Path()
    // still holds the folder the program should have used.
    bool Create(const QString& applicationName, Fallback fallback = Fallback::usersOwn);
    // Where the data folder is, without a trailing slash.
    const QString& Path() const { return m_path; }

    // True when the path already is a folder (not a link to one); otherwise
    // makes it, its parent being there, with everyone's full rights.
    bool CreateSubfolder(const QString& path) const;

    // Why the folder at `path` cannot serve as a shared data folder, in words
    // for an installer's log: a link in its place, something else there, or
    // the system's reason it cannot be made or written.
    static QString WhyUnusable(const QString& path);

    // The folder the per-machine data folders live in; tests move it.
    void SetMachineBase(const QString& folder) { m_machineBase = folder; }

private:
    bool MakeSureOfShared(const QString& path) const;
    static bool IsUsableFolder(const QString& path);

    QString m_applicationName;
    QString m_machineBase = QStringLiteral("/var/lib");
    CAccessAttributes m_attributes;
    QString m_path;
};
