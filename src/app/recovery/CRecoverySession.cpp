#include "CRecoverySession.h"

#include "document/CDocumentFile.h"
#include "platform/CSafeSave.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

CRecoverySession::CRecoverySession(CRecoveryStore store) : m_store(std::move(store))
{
    m_id = QStringLiteral("%1-%2").arg(::getpid()).arg(QDateTime::currentMSecsSinceEpoch());
    Lock();
}

CRecoverySession::~CRecoverySession()
{
    if (!IsReady())
        return;
    Remove();
    QFile::remove(m_store.LockFile(m_id));
    ::close(m_lockFd);
}

// The folder holds the user's layouts: it is the user's alone.
bool CRecoverySession::Lock()
{
    if (!QDir().mkpath(m_store.Folder()))
        return false;
    ::chmod(QFile::encodeName(m_store.Folder()).constData(), 0700);
    const QByteArray path = QFile::encodeName(m_store.LockFile(m_id));
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    m_lockFd = fd;
    return true;
}

bool CRecoverySession::Write(CVeldraDoc& doc, const QString& title, const QString& originalPath, QString* error)
{
    if (!IsReady()) {
        if (error)
            *error = tr("The recovery folder %1 cannot be used.").arg(m_store.Folder());
        return false;
    }
    const CDocumentFile::Result written = CDocumentFile::Write(doc, m_store.DocumentFile(m_id));
    if (!written.ok) {
        if (error)
            *error = written.message;
        return false;
    }
    const CRecoveryStore::Entry entry{m_id, title, originalPath, QDateTime::currentDateTimeUtc()};
    return CSafeSave::WriteBytes(m_store.InfoFile(m_id), CRecoveryStore::InfoText(entry), error);
}

void CRecoverySession::Remove()
{
    QFile::remove(m_store.InfoFile(m_id));
    QFile::remove(m_store.DocumentFile(m_id));
}

bool CRecoverySession::HasKept() const
{
    return QFile::exists(m_store.InfoFile(m_id));
}
