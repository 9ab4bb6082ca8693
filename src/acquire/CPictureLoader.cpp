#include "CPictureLoader.h"

#include "CJpegReader.h"
#include "CPluginList.h"

#include "imaging/CDibImage.h"
#include "platform/CInputFile.h"

#include <QCoreApplication>
#include <QDir>

bool CPictureLoader::LoadPicture(CDibImage& image, const QString& path, const QString& pluginFolder, QString* error)
{
    if (!CInputFile::CheckRegular(path, error))
        return false;
    if (CJpegReader::Load(image, path) || image.LoadBitmapFile(path))
        return true;
    if (!pluginFolder.isEmpty() && CPluginList(pluginFolder).Load(image, path))
        return true;
    if (error)
        *error = tr("%1\nUnexpected file format.").arg(path);
    return false;
}

QString CPictureLoader::OwnPluginFolder()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QStringList candidates{programFolder + QStringLiteral("/plugins"),
                                 programFolder + QStringLiteral("/../lib/veldra2/plugins"),
                                 QStringLiteral(VELDRA_BUILD_PLUGIN_DIR)};
    for (const QString& folder : candidates)
        if (QDir(folder).exists())
            return QDir(folder).canonicalPath();
    return {};
}

QString CPictureLoader::PluginFolderFor(const QString& setting)
{
    return setting.isEmpty() ? OwnPluginFolder() : setting;
}
