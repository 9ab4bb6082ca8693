#include "CPictureImport.h"

#include "CPictureLoader.h"

#include "document/CPictureCommands.h"
#include "imaging/CDibImage.h"
#include "platform/AnsiCodec.h"

#include <QCoreApplication>

#include <QFileInfo>

namespace CPictureImport {

bool ImportPicture(CVeldraDoc& doc, const QString& path, const QString& pluginFolder, CDibObj** object,
                   QString* error)
{
    // The picture is named after its file in the layout's code page; a
    // name it cannot hold is refused rather than stored with substitutes.
    const QString name = QFileInfo(path).fileName();
    if (!AnsiCodec::CanHold(name, 0)) {
        if (error)
            *error = QCoreApplication::translate("CPictureImport",
                                                 "%1\nA layout cannot keep these characters of the file's name: %2\n"
                                                 "Rename the file and import it again.")
                         .arg(path, AnsiCodec::Unheld(name, 0));
        return false;
    }
    CDibImage image;
    if (!CPictureLoader::LoadPicture(image, path, pluginFolder, error))
        return false;
    CDibObj* added = CPictureCommands::AddPicture(doc, image, name);
    if (object)
        *object = added;
    return true;
}

} // namespace CPictureImport
