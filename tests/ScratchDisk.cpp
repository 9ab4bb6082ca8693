#include "ScratchDisk.h"

#include <QByteArray>
#include <QFile>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

ScratchDisk::ScratchDisk(int sizeKiB)
{
    if (!IsRoot() || !m_folder.isValid())
        return;
    const QByteArray options = "size=" + QByteArray::number(sizeKiB) + "k";
    m_bMounted = ::mount("tmpfs", QFile::encodeName(m_folder.path()).constData(), "tmpfs", 0, options.constData()) == 0;
}

ScratchDisk::~ScratchDisk()
{
    if (m_bMounted)
        ::umount2(QFile::encodeName(m_folder.path()).constData(), MNT_DETACH);
}

QString ScratchDisk::Path(const QString& name) const
{
    return m_folder.filePath(name);
}

void ScratchDisk::Fill()
{
    const int fd = ::open(QFile::encodeName(Path(QStringLiteral("filler"))).constData(), O_WRONLY | O_CREAT | O_APPEND, 0600);
    if (fd < 0)
        return;
    // Large blocks first, then single bytes for what is left of the last page.
    for (const std::size_t block : {std::size_t(4096), std::size_t(1)}) {
        const QByteArray bytes(qsizetype(block), 'f');
        while (::write(fd, bytes.constData(), block) == ssize_t(block)) {
        }
    }
    ::close(fd);
}

bool ScratchDisk::MakeReadOnly()
{
    return m_bMounted
        && ::mount("tmpfs", QFile::encodeName(m_folder.path()).constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0;
}

bool ScratchDisk::IsRoot()
{
    return ::geteuid() == 0;
}

bool ScratchDisk::MakeDeviceNode(const QString& path)
{
    return ::mknod(QFile::encodeName(path).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0;
}

bool ScratchDisk::MakeFifo(const QString& path)
{
    return ::mkfifo(QFile::encodeName(path).constData(), 0644) == 0;
}
