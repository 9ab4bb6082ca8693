#include "PrepkitTestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <acl/libacl.h>
#include <sys/acl.h>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace PrepkitTest
{
namespace
{
const char* const variables[] = {"VELDRA2_DATA_DIR", "XDG_CONFIG_HOME", "XDG_DATA_HOME"};
}

bool IsRoot()
{
    return ::geteuid() == 0;
}

void Fixture::SetUp()
{
    ASSERT_TRUE(m_root.isValid());
    // Other users must reach what the tests make for them.
    ASSERT_EQ(::chmod(QFile::encodeName(m_root.path()).constData(), 0755), 0);
    for (const char* name : variables) {
        if (qEnvironmentVariableIsSet(name))
            m_saved.emplace_back(name, qgetenv(name));
        else
            m_unset.push_back(name);
    }
    qputenv("VELDRA2_DATA_DIR", QFile::encodeName(DataFolder()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(Path(QStringLiteral("config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(Path(QStringLiteral("share"))));
}

void Fixture::TearDown()
{
    for (const auto& [name, value] : m_saved)
        qputenv(name, value);
    for (const char* name : m_unset)
        qunsetenv(name);
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool Exists(const QString& path)
{
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0;
}

bool IsLink(const QString& path)
{
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISLNK(status.st_mode);
}

bool IsFolder(const QString& path)
{
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISDIR(status.st_mode);
}

mode_t Mode(const QString& path)
{
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & 07777 : 0;
}

QString DefaultList(const QString& path)
{
    acl_t list = acl_get_file(QFile::encodeName(path).constData(), ACL_TYPE_DEFAULT);
    if (!list)
        return QStringLiteral("(unreadable)");
    QString text;
    if (acl_entries(list) > 0) {
        char* raw = acl_to_any_text(list, nullptr, ',', TEXT_ABBREVIATE);
        text = QString::fromLatin1(raw);
        acl_free(raw);
    }
    acl_free(list);
    return text;
}

int RunAs(int userId, const QString& command)
{
    const QString id = QString::number(userId);
    return QProcess::execute(QStringLiteral("setpriv"),
                             {QStringLiteral("--reuid=") + id, QStringLiteral("--regid=") + id,
                              QStringLiteral("--clear-groups"), QStringLiteral("sh"), QStringLiteral("-c"), command});
}

int RunForkedAs(int userId, const std::function<int()>& work)
{
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child < 0)
        return -1;
    if (child == 0) {
        const bool dropped = ::setgroups(0, nullptr) == 0 && ::setgid(gid_t(userId)) == 0
                             && ::setuid(uid_t(userId)) == 0 && ::geteuid() == uid_t(userId) && ::setuid(0) != 0;
        // No test framework or Qt clean-up in the copy: the parent does that.
        ::_exit(dropped ? work() : 125);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0)
        if (errno != EINTR)
            return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
} // namespace PrepkitTest
