#pragma once

#include <QString>
#include <QTemporaryDir>

#include <memory>

// The test program's own CUPS scheduler (scripts/cups-test-server.sh),
// started the first time a test needs it and stopped at the end. It points
// libcups at itself through CUPS_SERVER, and keeps the user's and root's
// lpoptions (HOME, CUPS_SERVERROOT) in its folder, never the machine's.
class CupsTestServer
{
public:
    static CupsTestServer& Instance();
    ~CupsTestServer();

    // Only the first call starts it; false (see Failure) when it cannot run.
    bool EnsureStarted();
    void Stop();
    const QString& Failure() const { return m_strFailure; }

    // The lpoptions files libcups reads: the system-wide one (which root
    // also writes) and the user's.
    QString SystemOptionsFile() const;
    QString UserOptionsFile() const;
    // Forgets every option written so far.
    void ClearOptions() const;

private:
    CupsTestServer() = default;
    bool Start();
    QString Path(const QString& name) const;

    std::unique_ptr<QTemporaryDir> m_pDir;
    bool m_bTried = false;
    bool m_bRunning = false;
    QString m_strFailure;
};
