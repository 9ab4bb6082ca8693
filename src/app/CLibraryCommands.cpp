#include "CLibraryCommands.h"

#include "CVeldraApp.h"

#include "acquire/CPictureFileChooser.h"
#include "acquire/CPictureLoader.h"
#include "document/CPictureCommands.h"
#include "document/CPlateLook.h"
#include "library/add/CAddEntry.h"
#include "library/material/CMaterialSetup.h"
#include "library/LibraryEntry.h"
#include "library/window/CSymbolDlg.h"
#include "view/CCommandRouter.h"

#include <QMessageBox>

CLibraryCommands::CLibraryCommands(CVeldraApp& app, CVeldraDoc& doc, CCommandRouter& router, QWidget* window)
    : m_app(app), m_doc(doc), m_router(router), m_pWindow(window)
{
}

namespace {

int KindOfInsert(CommandId id)
{
    return int(id) - int(CommandId::InsertMaterial);
}

} // namespace

bool CLibraryCommands::OnCommand(CommandId id)
{
    switch (id) {
    case CommandId::MaterialSetup:
        MaterialSetup(false);
        return true;
    case CommandId::AddMaterialFile:
        AddFromChosenFile(CLibraryModel::material);
        return true;
    case CommandId::AddMaterialScan:
        AddFromScanner();
        return true;
    case CommandId::AddFrame:
        AddFromChosenFile(CLibraryModel::frame);
        return true;
    case CommandId::AddSymbol:
        AddFromChosenFile(CLibraryModel::symbol);
        return true;
    case CommandId::InsertMaterial:
    case CommandId::InsertFrame:
    case CommandId::InsertSymbol: {
        const int kind = KindOfInsert(id);
        std::optional<CPoint> dropped;
        if (const QString name = ChooseEntry(kind, m_pWindow, &dropped); !name.isEmpty())
            InsertEntry(kind, name, dropped);
        return true;
    }
    default:
        return false;
    }
}

bool CLibraryCommands::OnUpdateCommand(CommandId id, CCommandState& state)
{
    switch (id) {
    case CommandId::AddMaterialScan:
        state.enabled = bool(m_scanner);
        return true;
    case CommandId::MaterialSetup:
    case CommandId::AddMaterialFile:
    case CommandId::AddFrame:
    case CommandId::AddSymbol:
    case CommandId::InsertMaterial:
    case CommandId::InsertFrame:
    case CommandId::InsertSymbol:
        return true;
    default:
        return false;
    }
}

QString CLibraryCommands::Folder(int kind) const
{
    return m_app.LibraryFolder(CLibraryModel::Kind(kind));
}

QString CLibraryCommands::ChooseEntry(int kind, QWidget* parent, std::optional<CPoint>* dropped)
{
    CSymbolDlg::Services services;
    services.settings = &m_app.Settings();
    services.link = &m_link;
    services.send = [this](CommandId id) { m_router.Execute(id); };
    services.canSend = [this](CommandId id) { return m_router.Query(id).enabled; };
    services.addFromFile = [this](int dropKind, const QString& path) { AddFromFile(dropKind, path); };
    services.plate = CPlateLook::Of(m_doc);
    CSymbolDlg dialog(kind, Folder(kind), std::move(services), parent);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    if (dropped && dialog.DropPoint() && m_plateLocator)
        *dropped = m_plateLocator(*dialog.DropPoint());
    return dialog.ChosenName();
}

bool CLibraryCommands::InsertEntry(int kind, const QString& name, std::optional<CPoint> dropped)
{
    const QString path = LibraryEntry::SymbolFilePath(Folder(kind), name);
    if (CPictureCommands::InsertLibraryFile(m_doc, path, kind, dropped))
        return true;
    QMessageBox::warning(m_pWindow, QCoreApplication::applicationName(),
                         tr("\"%1\" could not be read from the library.").arg(name));
    return false;
}


QString CLibraryCommands::PluginFolder() const
{
    return CPictureLoader::PluginFolderFor(m_app.Settings().textDefaults.pluginFolder);
}

bool CLibraryCommands::AddFromChosenFile(int kind)
{
    const QString path = CPictureFileChooser::ChoosePictureFile(m_pWindow, PluginFolder(), AddTitle(kind));
    return !path.isEmpty() && AddFromFile(kind, path);
}

QString CLibraryCommands::AddTitle(int kind)
{
    switch (kind) {
    case CLibraryModel::material: return tr("Add Material");
    case CLibraryModel::frame: return tr("Add Frame");
    default: return tr("Add Symbol");
    }
}

QWidget* CLibraryCommands::DialogParent() const
{
    return m_link.OpenWindow() ? static_cast<QWidget*>(m_link.OpenWindow()) : m_pWindow;
}

bool CLibraryCommands::AddFromFile(int kind, const QString& path)
{
    if (!CAddEntry::OpenAddDialog(kind, path, m_doc, m_app.Settings(), Folder(kind), PluginFolder(), DialogParent()))
        return false;
    m_link.PostRefresh();
    return true;
}

bool CLibraryCommands::MaterialSetup(bool newDocument)
{
    return CMaterialSetup::Run(m_doc, m_app.Settings(), newDocument, Folder(CLibraryModel::material),
                               [this](QWidget* parent) { return ChooseEntry(CLibraryModel::material, parent); },
                               m_pWindow);
}

bool CLibraryCommands::AddFromScanner()
{
    if (!m_scanner)
        return false;
    QWidget* parent = DialogParent();
    std::optional<ScanResult> scan = m_scanner(parent);
    if (!scan || scan->image.IsEmpty())
        return false;
    if (!CAddEntry::AddScannedMaterial(scan->image, scan->dpi, m_doc, m_app.Settings(),
                                       Folder(CLibraryModel::material), parent))
        return false;
    m_link.PostRefresh();
    return true;
}
