#include "CLibraryCommands.h"

#include "CVeldraApp.h"

#include "document/CPictureCommands.h"
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
    case CommandId::InsertMaterial:
    case CommandId::InsertFrame:
    case CommandId::InsertSymbol: {
        const int kind = KindOfInsert(id);
        if (const QString name = ChooseEntry(kind, m_pWindow); !name.isEmpty())
            InsertEntry(kind, name);
        return true;
    }
    default:
        return false;
    }
}

bool CLibraryCommands::OnUpdateCommand(CommandId id, CCommandState&)
{
    switch (id) {
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

QString CLibraryCommands::ChooseEntry(int kind, QWidget* parent)
{
    CSymbolDlg::Services services;
    services.settings = &m_app.Settings();
    services.link = &m_link;
    services.send = [this](CommandId id) { m_router.Execute(id); };
    services.canSend = [this](CommandId id) { return m_router.Query(id).enabled; };
    CSymbolDlg dialog(kind, Folder(kind), std::move(services), parent);
    return dialog.exec() == QDialog::Accepted ? dialog.ChosenName() : QString();
}

bool CLibraryCommands::InsertEntry(int kind, const QString& name)
{
    const QString path = LibraryEntry::SymbolFilePath(Folder(kind), name);
    if (CPictureCommands::InsertLibraryFile(m_doc, path, kind))
        return true;
    QMessageBox::warning(m_pWindow, QCoreApplication::applicationName(),
                         tr("\"%1\" could not be read from the library.").arg(name));
    return false;
}

