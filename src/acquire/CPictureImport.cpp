#include "CPictureImport.h"

#include "CPictureLoader.h"
#include "CVectorPicture.h"

#include "document/CPictureCommands.h"
#include "document/CVeldraDoc.h"
#include "imaging/CDibImage.h"
#include "objects/CDibObj.h"
#include "imaging/KeyedNegative.h"
#include "platform/AnsiCodec.h"

#include <QCoreApplication>

#include <QFileInfo>

#include <algorithm>

namespace {

QString PlacingProblem(const CVeldraDoc& doc, const QString& path)
{
    // Not a dot inside the margins: the fit comes to nothing.
    const CSize dots = doc.DocToDeviceSize(CPictureCommands::PrintableSize(doc));
    if (dots.cx <= 0 || dots.cy <= 0)
        return QCoreApplication::translate("CPictureImport",
                                           "The material leaves no room inside its margins for a picture.");
    return QCoreApplication::translate("CPictureImport", "%1 could not be placed on the plate.").arg(path);
}

} // namespace

namespace CPictureImport {

bool ImportPicture(CVeldraDoc& doc, const QString& path, const QString& pluginFolder, CDibObj** object,
                   QString* error, bool engraveDark)
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
    CDibObj* added = nullptr;
    if (const std::unique_ptr<CVectorPicture> drawing = CVectorPicture::Open(path)) {
        // Proportions to a thousandth of the drawing's own units.
        const QSizeF size = drawing->NaturalSize() * 1000;
        // Drawn from the file each time, so that a later size is drawn too.
        const CDibObj::Redraw draw = [path, engraveDark](CSize dots, CDibImage& image) {
            const std::unique_ptr<CVectorPicture> file = CVectorPicture::Open(path);
            if (!file || !file->Draw(dots, image))
                return false;
            if (engraveDark)
                KeyedNegative::Apply(image);
            return true;
        };
        added = CPictureCommands::AddDrawing(
            doc, {int(std::min(size.width(), 1e9)), int(std::min(size.height(), 1e9))}, draw, name);
        if (added)
            added->SetRedraw(draw);
    } else {
        CDibImage image;
        if (!CPictureLoader::LoadPicture(image, path, pluginFolder, error))
            return false;
        if (engraveDark)
            KeyedNegative::Apply(image);
        added = CPictureCommands::AddPicture(doc, image, name);
    }
    if (!added) {
        if (error)
            *error = PlacingProblem(doc, path);
        return false;
    }
    if (object)
        *object = added;
    return true;
}

} // namespace CPictureImport
