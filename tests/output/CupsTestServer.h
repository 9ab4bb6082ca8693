#pragma once

#include <QString>
#include <QTemporaryDir>

#include <map>
#include <memory>
#include <utility>
#include <vector>

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

    const QString& Socket() const { return m_strSocket; }
    // Stops the scheduler's process where it is (it keeps its socket and
    // answers nothing) or lets it go on; true when the signal went.
    bool Freeze(bool frozen) const;
    // Runs one of the scheduler's admin tools (cupsdisable, cupsreject, ...)
    // on it; true when the tool succeeded.
    bool Admin(const QString& tool, const QStringList& arguments) const;
    // Waits until the job has left the queue; false after 30 s.
    bool WaitForJob(int jobId) const;
    // The jobs the scheduler has (CUPS_WHICHJOBS_ALL, _ACTIVE, _COMPLETED)
    // as id and state.
    std::vector<std::pair<int, int>> Jobs(int which) const;
    // The newest job's id; 0 before any.
    int LatestJobId() const;
    // What the engraver queue's backend got for a job: the document and
    // the options line.
    QByteArray JobOutput(int jobId) const;
    QByteArray JobOptions(int jobId) const;
    // The job's document as it was handed to the scheduler.
    QByteArray SpooledDocument(int jobId) const;
    // The titles of a queue's jobs, by job number.
    std::map<int, QString> JobTitles(const QString& queue) const;

private:
    CupsTestServer() = default;
    bool Start();
    QString Path(const QString& name) const;

    std::unique_ptr<QTemporaryDir> m_pDir;
    bool m_bTried = false;
    bool m_bRunning = false;
    QString m_strSocket;
    QString m_strFailure;
};
