#include "CSafeSave.h"

#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
// The file a chain of links ends at; the path itself when it is no link.
QString FollowLinks(const QString& path)
{
    QString target = path;
    // As many as the system itself follows before it calls it a loop.
    for (int hops = 0; hops < 40 && QFileInfo(target).isSymLink(); ++hops)
        target = QFileInfo(target).symLinkTarget();
    return target;
}
} // namespace

CSafeSave::CSafeSave(const QString& path, Links links) : m_path(path), m_links(links)
{
}

CSafeSave::~CSafeSave()
{
    Cancel();
    if (m_folder >= 0)
        ::close(m_folder);
}

bool CSafeSave::Fail(const QString& reason)
{
    m_error = tr("Cannot save %1: %2").arg(QFileInfo(m_path).fileName(), reason);
    return false;
}

bool CSafeSave::FailWithSystemError()
{
    return Fail(QString::fromLocal8Bit(std::strerror(errno)));
}

bool CSafeSave::OpenFolder(const QString& target)
{
    const QFileInfo info(target);
    m_name = QFile::encodeName(info.fileName());
    if (m_name.isEmpty())
        return Fail(tr("it is a folder."));
    m_folder = ::open(QFile::encodeName(info.absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    return m_folder >= 0 || FailWithSystemError();
}

bool CSafeSave::Open()
{
    const QString target = m_links == Links::follow ? FollowLinks(m_path) : m_path;
    if (!OpenFolder(target))
        return false;
    struct stat status {};
    const bool exists = ::fstatat(m_folder, m_name.constData(), &status, AT_SYMLINK_NOFOLLOW) == 0;
    if (!exists && errno != ENOENT)
        return FailWithSystemError();
    if (exists && S_ISLNK(status.st_mode))
        return Fail(tr("it is a symbolic link."));
    if (exists && S_ISDIR(status.st_mode))
        return Fail(tr("it is a folder."));
    if (exists && !S_ISREG(status.st_mode))
        return Fail(tr("it is not a regular file."));
    // A file replaced keeps its permissions; a new one gets the usual ones.
    return CreateNewFile(exists ? status.st_mode & 07777 : 0666, exists);
}

bool CSafeSave::CreateNewFile(mode_t mode, bool keepMode)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray name =
            '.' + m_name + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        // Until it has its final permissions nobody else may open it.
        const int fd = ::openat(m_folder, name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                                keepMode ? 0600 : mode);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd < 0)
            return FailWithSystemError();
        m_newName = name;
        if ((keepMode && ::fchmod(fd, mode) != 0)) {
            ::close(fd);
            return FailWithSystemError();
        }
        if (!m_file.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
            ::close(fd);
            return Fail(m_file.errorString());
        }
        return true;
    }
    return Fail(tr("no new file could be made beside it."));
}

bool CSafeSave::Commit()
{
    if (!m_file.isOpen())
        return Fail(tr("the file is not open."));
    if (m_file.error() != QFileDevice::NoError)
        return Fail(m_file.errorString());
    // A delayed allocation may fail only now, and a rename of a file whose
    // bytes are not on the disk can leave an empty file after a crash.
    if (::fsync(m_file.handle()) != 0)
        return FailWithSystemError();
    m_file.close();
    if (m_file.error() != QFileDevice::NoError)
        return Fail(m_file.errorString());
    // The rename replaces whatever holds the name by now, a link included.
    if (::renameat(m_folder, m_newName.constData(), m_folder, m_name.constData()) != 0)
        return FailWithSystemError();
    m_newName.clear();
    return true;
}

void CSafeSave::Cancel()
{
    if (m_file.isOpen())
        m_file.close();
    if (!m_newName.isEmpty()) {
        const int saved = errno;
        ::unlinkat(m_folder, m_newName.constData(), 0);
        errno = saved;
        m_newName.clear();
    }
}

bool CSafeSave::Write(const QString& path, const std::function<bool(QIODevice&)>& write, QString* error, Links links)
{
    CSafeSave save(path, links);
    bool ok = save.Open();
    if (ok && !write(save.m_file)) {
        // The device's own reason when a write failed, else the producer gave up.
        const QString reason = save.m_file.error() != QFileDevice::NoError ? save.m_file.errorString()
                                                                           : tr("the data could not be written.");
        ok = save.Fail(reason);
    } else if (ok) {
        ok = save.Commit();
    }
    // Whatever was not renamed into place goes.
    save.Cancel();
    if (!ok && error)
        *error = save.m_error;
    return ok;
}

bool CSafeSave::WriteBytes(const QString& path, const QByteArray& bytes, QString* error, Links links)
{
    return Write(path, [&bytes](QIODevice& device) { return device.write(bytes) == bytes.size(); }, error, links);
}
