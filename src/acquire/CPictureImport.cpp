#include "CPictureImport.h"

#include "CPictureLoader.h"

#include "document/CPictureCommands.h"
#include "imaging/CDibImage.h"

#include <QFileInfo>

namespace CPictureImport {

bool ImportPicture(CVeldraDoc& doc, const QString& path, const QString& pluginFolder, CDibObj** object)
{
    CDibImage image;
    if (!CPictureLoader::LoadPicture(image, path, pluginFolder))
        return false;
    CDibObj* added = CPictureCommands::AddPicture(doc, image, QFileInfo(path).fileName());
    if (object)
        *object = added;
    return true;
}

} // namespace CPictureImport
