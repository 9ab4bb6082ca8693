#include "CInputFile.h"

#include "NativePath.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString SystemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// The user's words for a path that is there but is not a regular file.
QString KindReason(mode_t mode)
{
    if (S_ISDIR(mode))
        return CInputFile::tr("it is a folder, not a file.");
    return CInputFile::tr("it is not a regular file.");
}

} // namespace

CInputFile::CInputFile(const QString& path) : m_path(path)
{
}

CInputFile::~CInputFile()
{
    // Once the QFile has the descriptor it closes it itself.
    if (m_fd >= 0 && !m_file.isOpen())
        ::close(m_fd);
}

bool CInputFile::Fail(const QString& reason)
{
    m_error = tr("Cannot open %1: %2").arg(m_path, reason);
    return false;
}

bool CInputFile::Open()
{
    if (m_path.isEmpty())
        return Fail(SystemReason(ENOENT));
    // O_NONBLOCK keeps the open of a FIFO with no writer from waiting.
    m_fd = ::open(NativePath::Encode(m_path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (m_fd < 0) {
        const int error = errno;
        if (error == ENOENT)
            m_error = tr("%1\nCannot find this file.\nPlease verify that the correct path and file name are given.").arg(m_path);
        else
            Fail(SystemReason(error));
        return false;
    }
    struct stat status {};
    if (::fstat(m_fd, &status) != 0)
        return Fail(SystemReason(errno));
    if (!S_ISREG(status.st_mode))
        return Fail(KindReason(status.st_mode));
    // Reads from here on may wait for the disk like any other file.
    ::fcntl(m_fd, F_SETFL, ::fcntl(m_fd, F_GETFL) & ~O_NONBLOCK);
    if (!m_file.open(m_fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return Fail(m_file.errorString());
    return true;
}

bool CInputFile::CheckRegular(const QString& path, QString* error)
{
    CInputFile file(path);
    const bool ok = file.Open();
    if (!ok && error)
        *error = file.ErrorText();
    return ok;
}
