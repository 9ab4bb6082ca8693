#include "CSafeSave.h"

#include <QFileInfo>

#include <cerrno>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

CSafeSave::CSafeSave(const QString& path) : m_path(path), m_file(path)
{
}

bool CSafeSave::Fail(const QString& reason)
{
    m_error = tr("Cannot save %1: %2").arg(QFileInfo(m_path).fileName(), reason);
    return false;
}

bool CSafeSave::Open()
{
    struct stat status {};
    // stat follows links: a link to a regular file is a regular file.
    if (::stat(QFile::encodeName(m_path).constData(), &status) == 0) {
        if (S_ISDIR(status.st_mode))
            return Fail(tr("it is a folder."));
        if (!S_ISREG(status.st_mode))
            return Fail(tr("it is not a regular file."));
    }
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Fail(m_file.errorString());
    return true;
}

bool CSafeSave::Commit()
{
    if (!m_file.isOpen())
        return Fail(tr("the file is not open."));
    if (m_file.error() != QFileDevice::NoError) {
        const QString reason = m_file.errorString();
        Cancel();
        return Fail(reason);
    }
    // A delayed allocation may fail only now, and a rename of a file whose
    // bytes are not on the disk can leave an empty file after a crash.
    if (::fsync(m_file.handle()) != 0) {
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        Cancel();
        return Fail(reason);
    }
    if (!m_file.commit())
        return Fail(m_file.errorString());
    return true;
}

void CSafeSave::Cancel()
{
    if (m_file.isOpen()) {
        m_file.cancelWriting();
        m_file.commit();
    }
}

bool CSafeSave::Write(const QString& path, const std::function<bool(QIODevice&)>& write, QString* error)
{
    CSafeSave save(path);
    bool ok = save.Open();
    if (ok && !write(save.m_file)) {
        // The device's own reason when a write failed, else the producer gave up.
        const QString reason = save.m_file.error() != QFileDevice::NoError ? save.m_file.errorString()
                                                                           : tr("the data could not be written.");
        save.Cancel();
        ok = save.Fail(reason);
    } else if (ok) {
        ok = save.Commit();
    }
    if (!ok && error)
        *error = save.m_error;
    return ok;
}

bool CSafeSave::WriteBytes(const QString& path, const QByteArray& bytes, QString* error)
{
    return Write(path, [&bytes](QIODevice& device) { return device.write(bytes) == bytes.size(); }, error);
}
