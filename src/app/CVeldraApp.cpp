#include "CVeldraApp.h"

#include "CDataFolder.h"
#include "settings/CSettingsStore.h"
#include "CStarterLibrary.h"

#include "document/CVeldraDoc.h"
#include "output/CCupsPrinter.h"
#include "platform/IPrinterSystem.h"

#include <QCoreApplication>
#include <QFileInfo>

CVeldraApp::CVeldraApp(const IPrinterSystem* printers)
    : m_pPrinters(printers)
{
}

CVeldraApp::~CVeldraApp() = default;

bool CVeldraApp::IsEngraverDriver(const QString& driver)
{
    return CCupsPrinter::IsEngraverName(driver);
}

void CVeldraApp::Startup()
{
    // A folder that could not be made still names where the libraries belong;
    // the library windows then simply find nothing there.
    CDataFolder dataFolder;
    const bool created = dataFolder.Create(QStringLiteral("Veldra2"));
    m_dataFolder = dataFolder.Path();
    if (created)
        InstallStarterLibrary(dataFolder);

    CSettingsStore store;
    m_settings.Load(store);
    if (m_settings.printer.IsNone()) {
        FindEngraver();
        if (!m_settings.printer.IsNone())
            m_settings.SavePrinter(store);
    }
    SelectStoredPrinter();
}

void CVeldraApp::ChoosePrinter(const QString& queue)
{
    m_settings.printer = ChoiceOf(queue);
    CSettingsStore store;
    m_settings.SavePrinter(store);
    SelectStoredPrinter();
}

// The form the choice has always been stored in: the spooler's name for the
// driver, the queue, and a blank port.
CPrinterChoice CVeldraApp::ChoiceOf(const QString& queue)
{
    return CPrinterChoice::FromText(QStringLiteral("winspool,%1, ").arg(queue));
}

// With no printer chosen yet, the first engraver among the local printers.
void CVeldraApp::FindEngraver()
{
    if (!m_pPrinters)
        return;
    for (const IPrinterSystem::Queue& queue : m_pPrinters->LocalPrinters()) {
        if (IsEngraverDriver(queue.driver)) {
            m_settings.printer = ChoiceOf(queue.device);
            return;
        }
    }
}

// A stored choice without a port part selects no printer.
void CVeldraApp::SelectStoredPrinter()
{
    m_pPrinter.reset();
    if (!m_pPrinters || m_settings.printer.IsNone())
        return;
    m_pPrinter = m_pPrinters->Open(m_settings.printer.device);
}

// A library folder met for the first time gets the entries that came with
// the program.
void CVeldraApp::InstallStarterLibrary(const CDataFolder& dataFolder) const
{
    const QString program = QCoreApplication::applicationDirPath();
    for (const auto kind : {CLibraryModel::material, CLibraryModel::frame, CLibraryModel::symbol}) {
        const QString folder = LibraryFolder(kind);
        CStarterLibrary::Install(CStarterLibrary::SourceFolder(program, QFileInfo(folder).fileName()), folder,
                                 dataFolder);
    }
}

QString CVeldraApp::LibraryFolder(CLibraryModel::Kind kind) const
{
    switch (kind) {
    case CLibraryModel::material: return m_dataFolder + QStringLiteral("/Mask");
    case CLibraryModel::frame: return m_dataFolder + QStringLiteral("/Frame");
    case CLibraryModel::symbol: return m_dataFolder + QStringLiteral("/Symbol");
    }
    return {};
}

void CVeldraApp::Attach(CVeldraDoc& doc)
{
    doc.SetSettings(m_settings.DocumentSettings());
    doc.Adjustments().SetPrinter(m_pPrinter.get());
    doc.SetTempFileSource([this] { return m_tempFiles.NewTempFile(); });
}

bool CVeldraApp::Exit()
{
    CSettingsStore store;
    const bool saved = m_settings.SaveAtExit(store);
    m_tempFiles.DeleteAll();
    return saved;
}
