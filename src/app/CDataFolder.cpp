#include "CDataFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace
{
QString WithoutTrailingSlashes(QString path)
{
    while (path.size() > 1 && path.endsWith(u'/'))
        path.chop(1);
    return path;
}
} // namespace

bool CDataFolder::Create(const QString& applicationName, Fallback fallback)
{
    m_applicationName = applicationName;
    m_path.clear();
    if (applicationName.isEmpty() || applicationName.contains(u'/') || applicationName == QLatin1String(".")
        || applicationName == QLatin1String(".."))
        return false;
    m_attributes.Build(CAccessAttributes::fullControlMask);

    // A folder named from outside is taken as it is: falling back from it
    // would put a test's or a private installation's files somewhere else.
    const QString chosen = qEnvironmentVariable(overrideVariable);
    if (!chosen.isEmpty()) {
        m_path = WithoutTrailingSlashes(chosen);
        QDir().mkpath(QFileInfo(m_path).path());
        return MakeSureOfShared(m_path);
    }

    const QString company = WithoutTrailingSlashes(m_machineBase) + u'/' + QLatin1String(companyName);
    const QString machine = company + u'/' + applicationName;
    if (MakeSureOfShared(company) && MakeSureOfShared(machine)) {
        m_path = machine;
        return true;
    }
    if (fallback == Fallback::none) {
        m_path = machine;
        return false;
    }

    const QString userData = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (userData.isEmpty())
        return false;
    m_path = userData + u'/' + QLatin1String(companyName) + u'/' + applicationName;
    QDir().mkpath(m_path);
    return IsUsableFolder(m_path);
}

bool CDataFolder::MakeSureOfShared(const QString& path) const
{
    return CreateSubfolder(path) && IsUsableFolder(path);
}

bool CDataFolder::CreateSubfolder(const QString& path) const
{
    if (!m_attributes.IsValid())
        return false;
    const QByteArray encoded = QFile::encodeName(WithoutTrailingSlashes(path));
    struct stat status {};
    if (::lstat(encoded.constData(), &status) == 0)
        return S_ISDIR(status.st_mode);
    if (errno != ENOENT)
        return false;

    const qsizetype slash = encoded.lastIndexOf('/');
    const QByteArray parent = slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : encoded.left(slash);
    const QByteArray name = encoded.mid(slash + 1);
    const int parentFd = ::open(parent.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (parentFd < 0)
        return false;
    // Someone else making it at the same moment is as good as making it.
    const bool made = m_attributes.CreateFolderAt(parentFd, name.constData())
                      || (errno == EEXIST && ::fstatat(parentFd, name.constData(), &status, AT_SYMLINK_NOFOLLOW) == 0
                          && S_ISDIR(status.st_mode));
    ::close(parentFd);
    return made;
}

// A link standing in for the folder does not count: in a folder every user
// may write, it could point anywhere.
bool CDataFolder::IsUsableFolder(const QString& path)
{
    const QByteArray encoded = QFile::encodeName(path);
    struct stat status {};
    return ::lstat(encoded.constData(), &status) == 0 && S_ISDIR(status.st_mode)
           && ::faccessat(AT_FDCWD, encoded.constData(), W_OK | X_OK, AT_EACCESS) == 0;
}

QString CDataFolder::WhyUnusable(const QString& path)
{
    // The nearest part of the path that is there tells why the rest is not.
    QString existing = WithoutTrailingSlashes(path);
    struct stat status {};
    while (::lstat(QFile::encodeName(existing).constData(), &status) != 0 && existing.contains(u'/')) {
        if (errno != ENOENT)
            return QStringLiteral("It cannot be made or written: ") + QString::fromLocal8Bit(std::strerror(errno)) + u'.';
        existing = existing.left(existing.lastIndexOf(u'/'));
        if (existing.isEmpty())
            existing = QStringLiteral("/");
    }
    const QString where = existing == path ? QStringLiteral("It") : existing;
    if (S_ISLNK(status.st_mode))
        return where + QStringLiteral(" is a symbolic link; a data folder is never reached through one.");
    if (!S_ISDIR(status.st_mode))
        return where + QStringLiteral(" is not a folder.");
    if (::faccessat(AT_FDCWD, QFile::encodeName(existing).constData(), W_OK | X_OK, AT_EACCESS) != 0)
        return QStringLiteral("It cannot be made or written: ") + QString::fromLocal8Bit(std::strerror(errno)) + u'.';
    return QStringLiteral("It cannot be made or written.");
}
