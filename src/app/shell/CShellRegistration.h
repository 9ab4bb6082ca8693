#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

// Makes the desktop know our documents: a per-user desktop entry that opens
// ".vlz" files with this program, the MIME type that names them (by glob and
// by the file's magic text), and the program icon the entry points at. The
// files are written only when their content differs, so a normal start
// touches nothing. The previous version's MIME package is removed, because
// its type would otherwise still claim our files.
//
// Nothing here may keep the program from starting: failures only answer
// false, and the cache tools run detached.
class CShellRegistration
{
public:
    // Starts a helper program (by name, looked up on PATH) without waiting.
    using Launcher = std::function<void(const QString& program, const QStringList& arguments)>;

    static const QString documentType;     // "application/x-veldra2-document"
    static const QString oldDocumentType;  // the previous version's type

    // programPath: the program the desktop entry starts (absolute).
    // dataHome: the user's $XDG_DATA_HOME; empty for the usual one.
    explicit CShellRegistration(QString programPath, QString dataHome = {});

    // Tests watch the cache tools instead of running them.
    void SetLauncher(Launcher launcher) { m_launcher = std::move(launcher); }

    // Deletes the previous version's MIME package when it is there and still
    // declares its type; a file of that name that says something else is
    // not ours and stays. True when a package was removed.
    bool RemoveOldAssociation();

    // Writes what differs of the desktop entry, the MIME package and the
    // icon, then refreshes the caches of the folders that changed. False
    // when a file could not be written.
    bool Register();

    QString DesktopEntryPath() const;
    QString MimePackagePath() const;
    QString OldMimePackagePath() const;
    QString IconPath() const;

    // The texts as they are installed with the program, the Exec line
    // pointing at programPath.
    static QByteArray DesktopEntryText(const QString& programPath);
    static QByteArray MimePackageText();
    static QByteArray IconText();

    // True when programPath was installed with its desktop entry (a package
    // or "cmake --install"): the installation has registered the program for
    // every user, and the program itself must not add a per-user copy.
    static bool IsInstalled(const QString& programPath);

    // programPath as one argument of a desktop entry's Exec line.
    static QString ExecArgument(const QString& programPath);

private:
    enum class WriteResult { unchanged, written, failed };
    static WriteResult WriteIfDifferent(const QString& path, const QByteArray& content);
    static bool DeclaresType(const QString& packagePath, const QString& type);
    void RefreshCache(const QString& tool, const QString& folder, const QString& cacheName, bool changed);

    QString m_programPath;
    QString m_dataHome;
    Launcher m_launcher;
};
