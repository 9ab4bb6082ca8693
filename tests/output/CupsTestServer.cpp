#include "CupsTestServer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QThread>

#include <cups/cups.h>

#include <algorithm>

#include <signal.h>

namespace {

// The socket's path must fit a Unix socket address (108 bytes with its
// "/run/cups.sock"); a deep build folder gives way to the temporary folder.
QString ServerFolderTemplate()
{
    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/cups-XXXXXX");
    return beside.size() < 80 ? beside : QDir::tempPath() + QStringLiteral("/veldra-cups-XXXXXX");
}

} // namespace

CupsTestServer& CupsTestServer::Instance()
{
    static CupsTestServer server;
    return server;
}

CupsTestServer::~CupsTestServer()
{
    Stop();
}

bool CupsTestServer::EnsureStarted()
{
    if (!m_bTried) {
        m_bTried = true;
        m_bRunning = Start();
    }
    return m_bRunning;
}

QString CupsTestServer::Path(const QString& name) const
{
    return m_pDir->filePath(name);
}

bool CupsTestServer::Start()
{
    m_pDir = std::make_unique<QTemporaryDir>(ServerFolderTemplate());
    if (!m_pDir->isValid()) {
        m_strFailure = QStringLiteral("no folder for the scheduler: ") + m_pDir->errorString();
        return false;
    }
    QProcess script;
    // Should this program die before stopping it, the scheduler follows.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("VELDRA_CUPS_OWNER_PID"), QString::number(QCoreApplication::applicationPid()));
    script.setProcessEnvironment(environment);
    script.start(QStringLiteral("bash"), {QStringLiteral(VELDRA_CUPS_TEST_SERVER), QStringLiteral("start"), m_pDir->path()});
    if (!script.waitForFinished(60000) || script.exitStatus() != QProcess::NormalExit || script.exitCode() != 0) {
        const QString why = script.error() == QProcess::FailedToStart
                                ? script.errorString()
                                : QString::fromLocal8Bit(script.readAllStandardError()).trimmed();
        m_strFailure = QStringLiteral("the private CUPS scheduler did not start: ") + why;
        return false;
    }
    m_strSocket = QString::fromLocal8Bit(script.readAllStandardOutput()).trimmed().section(QLatin1Char('\n'), -1);
    QDir().mkpath(Path(QStringLiteral("home")));
    QDir().mkpath(Path(QStringLiteral("client")));
    // Before the first libcups call of the program: libcups reads these once.
    qputenv("CUPS_SERVER", QFile::encodeName(m_strSocket));
    qputenv("HOME", QFile::encodeName(Path(QStringLiteral("home"))));
    qputenv("CUPS_SERVERROOT", QFile::encodeName(Path(QStringLiteral("client"))));
    return true;
}

void CupsTestServer::Stop()
{
    if (!m_bRunning)
        return;
    m_bRunning = false;
    QProcess::execute(QStringLiteral("bash"), {QStringLiteral(VELDRA_CUPS_TEST_SERVER), QStringLiteral("stop"), m_pDir->path()});
}

QString CupsTestServer::SystemOptionsFile() const
{
    return Path(QStringLiteral("client/lpoptions"));
}

QString CupsTestServer::UserOptionsFile() const
{
    return Path(QStringLiteral("home/.cups/lpoptions"));
}

void CupsTestServer::ClearOptions() const
{
    QFile::remove(SystemOptionsFile());
    QFile::remove(UserOptionsFile());
}

bool CupsTestServer::Freeze(bool frozen) const
{
    QFile pidFile(Path(QStringLiteral("run/cupsd.pid")));
    const pid_t pid = pidFile.open(QIODevice::ReadOnly) ? pid_t(pidFile.readAll().trimmed().toInt()) : 0;
    return m_bRunning && pid > 0 && ::kill(pid, frozen ? SIGSTOP : SIGCONT) == 0;
}

bool CupsTestServer::Admin(const QString& tool, const QStringList& arguments) const
{
    QProcess process;
    process.start(tool, QStringList{QStringLiteral("-h"), m_strSocket} + arguments);
    return process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

std::vector<std::pair<int, int>> CupsTestServer::Jobs(int which) const
{
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, nullptr, 0, which);
    std::vector<std::pair<int, int>> list;
    for (int i = 0; i < count; ++i)
        list.emplace_back(jobs[i].id, int(jobs[i].state));
    cupsFreeJobs(count, jobs);
    return list;
}

int CupsTestServer::LatestJobId() const
{
    int latest = 0;
    for (const auto& [id, state] : Jobs(CUPS_WHICHJOBS_ALL))
        latest = std::max(latest, id);
    return latest;
}

bool CupsTestServer::WaitForJob(int jobId) const
{
    for (int attempt = 0; attempt < 600; ++attempt) {
        const std::vector<std::pair<int, int>> active = Jobs(CUPS_WHICHJOBS_ACTIVE);
        if (std::none_of(active.begin(), active.end(), [jobId](const auto& job) { return job.first == jobId; }))
            return true;
        QThread::msleep(50);
    }
    return false;
}

QByteArray CupsTestServer::JobOutput(int jobId) const
{
    QFile file(Path(QStringLiteral("jobs/job-%1.prn").arg(jobId)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray CupsTestServer::JobOptions(int jobId) const
{
    QFile file(Path(QStringLiteral("jobs/job-%1.options").arg(jobId)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray CupsTestServer::SpooledDocument(int jobId) const
{
    QFile file(Path(QStringLiteral("spool/d%1-001").arg(jobId, 5, 10, QLatin1Char('0'))));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::map<int, QString> CupsTestServer::JobTitles(const QString& queue) const
{
    std::map<int, QString> titles;
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs(&jobs, queue.toUtf8().constData(), 0, CUPS_WHICHJOBS_ALL);
    for (int i = 0; i < count; ++i)
        titles[jobs[i].id] = QString::fromUtf8(jobs[i].title);
    cupsFreeJobs(count, jobs);
    return titles;
}
