#include "CRecoveryStore.h"

#include "platform/CInputFile.h"

#include <QDir>
#include <QFile>
#include <QUrl>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>

namespace {

const QString infoSuffix = QStringLiteral(".info");

} // namespace

QString CRecoveryStore::DefaultFolder()
{
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || QDir::isRelativePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return state + QStringLiteral("/Corvex KZ Corporation/Veldra2/recovery");
}

CRecoveryStore::CRecoveryStore(QString folder) : m_folder(std::move(folder))
{
}

QString CRecoveryStore::DocumentFile(const QString& id) const
{
    return m_folder + QLatin1Char('/') + id + QStringLiteral(".vlz");
}

QString CRecoveryStore::InfoFile(const QString& id) const
{
    return m_folder + QLatin1Char('/') + id + infoSuffix;
}

QString CRecoveryStore::LockFile(const QString& id) const
{
    return m_folder + QLatin1Char('/') + id + QStringLiteral(".lock");
}

QList<CRecoveryStore::Entry> CRecoveryStore::Orphans() const
{
    QList<Entry> orphans;
    const QStringList infos = QDir(m_folder).entryList({QLatin1Char('*') + infoSuffix}, QDir::Files);
    for (const QString& name : infos) {
        Entry entry;
        entry.id = name.chopped(infoSuffix.size());
        CInputFile info(InfoFile(entry.id));
        if (!IsOrphan(entry.id) || !QFile::exists(DocumentFile(entry.id)) || !info.Open()
            || !ParseInfo(info.File().read(64 * 1024), entry))
            continue;
        orphans << entry;
    }
    std::sort(orphans.begin(), orphans.end(), [](const Entry& a, const Entry& b) { return a.time > b.time; });
    return orphans;
}

// The running program keeps an exclusive lock on its lock file; the kernel
// lets go of it however the program ends.
bool CRecoveryStore::IsOrphan(const QString& id) const
{
    const QByteArray path = QFile::encodeName(LockFile(id));
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0)
        return true;
    const bool free = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    ::close(fd);
    return free;
}

void CRecoveryStore::PruneStaleLocks() const
{
    const QString lockSuffix = QStringLiteral(".lock");
    const QDateTime settled = QDateTime::currentDateTimeUtc().addSecs(-60);
    const QFileInfoList locks = QDir(m_folder).entryInfoList({QLatin1Char('*') + lockSuffix}, QDir::Files | QDir::System);
    for (const QFileInfo& lock : locks) {
        const QString id = lock.fileName().chopped(lockSuffix.size());
        if (lock.lastModified().toUTC() < settled && !QFile::exists(InfoFile(id)) && IsOrphan(id))
            QFile::remove(lock.filePath());
    }
}

bool CRecoveryStore::Discard(const QString& id) const
{
    bool removed = true;
    for (const QString& file : {DocumentFile(id), InfoFile(id), LockFile(id)})
        if (QFile::exists(file) && !QFile::remove(file))
            removed = false;
    return removed;
}

QByteArray CRecoveryStore::InfoText(const Entry& entry)
{
    return "title=" + QUrl::toPercentEncoding(entry.title) + "\npath=" + QUrl::toPercentEncoding(entry.originalPath)
           + "\ntime=" + entry.time.toUTC().toString(Qt::ISODateWithMs).toLatin1() + '\n';
}

bool CRecoveryStore::ParseInfo(const QByteArray& text, Entry& entry)
{
    bool hasTime = false;
    for (const QByteArray& line : text.split('\n')) {
        const qsizetype equals = line.indexOf('=');
        if (equals < 0)
            continue;
        const QByteArray key = line.left(equals);
        const QString value = QUrl::fromPercentEncoding(line.mid(equals + 1));
        if (key == "title")
            entry.title = value;
        else if (key == "path")
            entry.originalPath = value;
        else if (key == "time") {
            entry.time = QDateTime::fromString(value, Qt::ISODateWithMs);
            hasTime = entry.time.isValid();
        }
    }
    return hasTime;
}
