#include "CTempFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>

CTempFiles::~CTempFiles()
{
    DeleteAll();
}

namespace
{
// QDir::tempPath() answers an empty path when TMPDIR names a folder that is
// not there; taken as it is, the files would go to the root folder. The
// working folder is the fallback then, made absolute so the names we keep
// stay valid when it changes.
QString TempFolder()
{
    const QString folder = QDir::tempPath();
    return folder.isEmpty() ? QDir::currentPath() : folder;
}
} // namespace

QString CTempFiles::NewTempFile()
{
    QTemporaryFile file(TempFolder() + QStringLiteral("/$VDXXXXXX"));
    // We hand out the name and delete the file ourselves at exit.
    file.setAutoRemove(false);
    if (!file.open())
        return {};
    const QString name = file.fileName();
    // QTemporaryFile already creates it so; said here because the pictures
    // in it are the user's.
    if (!file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        file.close();
        QFile::remove(name);
        return {};
    }
    file.close();
    m_names.append(name);
    return name;
}

void CTempFiles::DeleteAll()
{
    for (const QString& name : std::as_const(m_names))
        QFile::remove(name);
    m_names.clear();
}
