#include "CDocumentCommands.h"

#include "settings/CAppSettings.h"
#include "CPreviewCommand.h"

#include "acquire/CPictureFileChooser.h"
#include "acquire/CPictureImport.h"
#include "acquire/CPictureLoader.h"
#include "document/CObjectClipboard.h"
#include "document/CPictureCommands.h"
#include "document/CPlateLook.h"
#include "document/CPlateRenderer.h"
#include "document/CVeldraDoc.h"

#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>

CDocumentCommands::CDocumentCommands(CVeldraDoc& doc, CAppSettings& settings, QWidget* window,
                                     std::function<void()> print)
    : m_doc(doc), m_settings(settings), m_pWindow(window), m_print(std::move(print))
{
}

bool CDocumentCommands::OnCommand(CommandId id)
{
    switch (id) {
    case CommandId::EditUndo:
        m_doc.Undo();
        return true;
    case CommandId::EditRedo:
        m_doc.Redo();
        return true;
    case CommandId::ExportBmp:
        ExportBitmapFile();
        return true;
    case CommandId::ExportClipboard:
        CObjectClipboard::ExportToClipboard(m_doc);
        return true;
    case CommandId::Import:
        ChooseAndImport();
        return true;
    case CommandId::Invert:
        CPictureCommands::Invert(m_doc);
        return true;
    case CommandId::FilePrintPreview:
        CPreviewCommand(m_doc, m_settings, m_pWindow, m_print).Run(m_plateSource ? m_plateSource() : nullptr);
        return true;
    default:
        return false;
    }
}

bool CDocumentCommands::OnUpdateCommand(CommandId id, CCommandState& state)
{
    switch (id) {
    case CommandId::EditUndo: state.enabled = m_doc.CanUndo(); return true;
    case CommandId::EditRedo: state.enabled = m_doc.CanRedo(); return true;
    case CommandId::ExportBmp:
    case CommandId::ExportClipboard:
        state.enabled = m_doc.GetObjectCount() > 0;
        return true;
    case CommandId::Import:
    case CommandId::FilePrintPreview: return true;
    case CommandId::Invert: state.SetCheck(m_doc.IsInverted()); return true;
    default:
        return false;
    }
}

void CDocumentCommands::ChooseAndImport()
{
    const CPlateLook plate = CPlateLook::Of(m_doc);
    bool engraveDark = m_settings.engraveDarkImports;
    const QString path = CPictureFileChooser::ChoosePictureFile(
        m_pWindow, CPictureLoader::PluginFolderFor(m_settings.textDefaults.pluginFolder), tr("Import"), &plate,
        &engraveDark);
    if (path.isEmpty())
        return;
    m_settings.engraveDarkImports = engraveDark;
    ImportFile(path, true, engraveDark);
}

bool CDocumentCommands::ImportFile(const QString& path, bool reportFailure, bool engraveDark)
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    QString error;
    const bool loaded = CPictureImport::ImportPicture(
        m_doc, path, CPictureLoader::PluginFolderFor(m_settings.textDefaults.pluginFolder), nullptr, &error,
        engraveDark);
    QGuiApplication::restoreOverrideCursor();
    if (!loaded && reportFailure)
        QMessageBox::warning(m_pWindow, QCoreApplication::applicationName(), error);
    return loaded;
}

QStringList CDocumentCommands::BitmapFilters()
{
    return {tr("Bitmap file (*.bmp *.dib *.rle)"), tr("All files (*)")};
}

void CDocumentCommands::ExportBitmapFile()
{
    QFileDialog dialog(m_pWindow);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("bmp"));
    dialog.setNameFilters(BitmapFilters());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    QString error;
    CPlateRenderer own(m_doc);
    CPlateRenderer* shown = m_plateSource ? m_plateSource() : nullptr;
    const bool saved = (shown ? *shown : own).ExportBitmapFile(dialog.selectedFiles().constFirst(), &error);
    QGuiApplication::restoreOverrideCursor();
    // A failed write is worth telling: the user believes the file exists.
    if (!saved)
        QMessageBox::warning(m_pWindow, QCoreApplication::applicationName(), error);
}
