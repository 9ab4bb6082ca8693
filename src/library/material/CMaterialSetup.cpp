#include "CMaterialSetup.h"

#include "CLibraryMaterial.h"
#include "CMaterialChange.h"
#include "CMaterialSetupDlg.h"

#include "settings/CAppSettings.h"
#include "document/CVeldraDoc.h"
#include "library/LibraryEntry.h"
#include "objects/CDibObj.h"

#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>

namespace {

QString CannotReadMessage(const QString& path)
{
    return QCoreApplication::translate("CMaterialSetup", "The material \"%1\" cannot be read. The material was not changed.")
        .arg(QDir::toNativeSeparators(path));
}

} // namespace

bool CMaterialSetup::Run(CVeldraDoc& doc, CAppSettings& settings, bool newDocument, const QString& materialFolder,
                         const MaterialChooser& chooseMaterial, QWidget* parent)
{
    const auto chooseFile = [&](QWidget* dialog) {
        const QString name = chooseMaterial ? chooseMaterial(dialog) : QString();
        return name.isEmpty() ? QString() : LibraryEntry::SymbolFilePath(materialFolder, name);
    };
    const CSize maximum{CVeldraDoc::maxMaterialSide, CVeldraDoc::maxMaterialSide};
    CMaterialSetupDlg dialog(settings.inch ? CUnitFormat::inches : CUnitFormat::millimetres,
                             CMaterialChange::Start(doc, settings, newDocument), maximum, chooseFile, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    // OK applies what the dialog shows, even where it matches the recorded
    // values: the plate may show another outline (a library material put
    // there by hand).
    const MaterialChoice choice = dialog.Result();
    // Read again, and before anything changes: the file may have been
    // replaced or removed while the dialog was open.
    std::unique_ptr<CDibObj> library;
    if (choice.IsLibrary() && !(library = CLibraryMaterial::Read(choice.path))) {
        QMessageBox::warning(parent, QCoreApplication::applicationName(), CannotReadMessage(choice.path));
        return false;
    }
    const bool applied = CMaterialChange::Apply(doc, settings, choice, std::move(library));
    // A new layout starts with its plate: nothing to undo, nothing to save.
    if (newDocument) {
        doc.ClearUndo();
        doc.SetModifiedFlag(false);
    }
    return applied;
}
