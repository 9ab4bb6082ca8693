#include "CAddEntry.h"

#include "CAddMaterialDlg.h"
#include "CAddSymbolDlg.h"

#include "document/CPlateLook.h"
#include "document/CVeldraDoc.h"
#include "library/CLibraryModel.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace CAddEntry {

namespace {

std::unique_ptr<CAddEntryDlg> NewDialog(int kind, CVeldraDoc& doc, CAppSettings& settings, const QString& folder,
                                        QWidget* parent)
{
    if (kind == CLibraryModel::material)
        return std::make_unique<CAddMaterialDlg>(settings, doc.GetResolution(), folder, parent);
    auto dialog = std::make_unique<CAddSymbolDlg>(kind, settings, doc.GetResolution(), folder, parent);
    dialog->SetPlate(CPlateLook::Of(doc));
    return dialog;
}

bool Run(CAddEntryDlg& dialog)
{
    return dialog.IsReady() && dialog.exec() == QDialog::Accepted;
}

} // namespace

bool OpenAddDialog(int kind, const QString& picturePath, CVeldraDoc& doc, CAppSettings& settings,
                   const QString& folder, const QString& pluginFolder, QWidget* parent)
{
    if (kind < CLibraryModel::material || kind > CLibraryModel::symbol)
        return false;
    const std::unique_ptr<CAddEntryDlg> dialog = NewDialog(kind, doc, settings, folder, parent);
    QString error;
    if (!dialog->LoadFile(picturePath, pluginFolder, &error)) {
        QMessageBox::warning(parent, QCoreApplication::applicationName(), error);
        return false;
    }
    return Run(*dialog);
}

bool AddScannedMaterial(const CDibImage& picture, int dpi, CVeldraDoc& doc, CAppSettings& settings,
                        const QString& folder, QWidget* parent)
{
    CAddMaterialDlg dialog(settings, doc.GetResolution(), folder, parent);
    dialog.SetScannedPicture(picture, dpi);
    return Run(dialog);
}

} // namespace CAddEntry
