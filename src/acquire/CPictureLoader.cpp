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
    if (CJpegReader::Load(image, path) || image.LoadBitmapFile(path)) {
        // These formats have no transparency: a pixel that happens to have
        // the key's colour is moved off it, or it would be a hole.
        if (image.BitCount() == 24 || image.ConvertDepth(24))
            image.ReplaceColour(transparentKey, keyReplacement);
        return true;
    }
    // A plug-in hands transparent pixels back in the key colour.
    if (!pluginFolder.isEmpty() && CPluginList(pluginFolder).Load(image, path))
        return image.BitCount() == 24 || image.ConvertDepth(24);
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
