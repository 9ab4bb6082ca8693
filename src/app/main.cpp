#include "CDocumentManager.h"
#include "CLanguageCatalogs.h"
#include "CMainFrame.h"
#include "CResourceCatalog.h"
#include "CStartupCommands.h"
#include "recovery/CRecoveryLink.h"
#include "settings/CSettingsStore.h"
#include "CVeldraApp.h"
#include "CommandLine.h"
#include "shell/CRecentFileList.h"
#include "shell/CShellRegistration.h"

#include "document/CVeldraDoc.h"
#include "output/CCupsPrinterSystem.h"
#include "view/CVeldraView.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

namespace {

// Tells the desktop that .vlz files are ours; never stops the start. An
// installed program leaves that to its installation.
void RegisterDocumentType()
{
    if (CShellRegistration::IsInstalled(QCoreApplication::applicationFilePath()))
        return;
    CShellRegistration registration(QCoreApplication::applicationFilePath());
    registration.RemoveOldAssociation();
    registration.Register();
}

} // namespace

int main(int argc, char* argv[])
{
    // Help and version must answer without a display, so they are handled
    // before the application object connects to one.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    CommandLine commandLine(QStringLiteral("veldra2"),
                            QStringLiteral("Lays out and engraves metal plates."));
    commandLine.AddPositional(QStringLiteral("FILE"), QStringLiteral("A document (.vlz) to open."));
    switch (commandLine.Parse(arguments)) {
    case CommandLine::Action::ShowHelp:
        std::fputs(qPrintable(commandLine.HelpText()), stdout);
        return 0;
    case CommandLine::Action::ShowVersion:
        std::fputs(qPrintable(commandLine.VersionText()), stdout);
        return 0;
    case CommandLine::Action::Run:
        break;
    }

    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Corvex KZ Corporation"));
    QApplication::setApplicationName(QStringLiteral("Veldra2"));
    // A catalog of texts beside the program replaces the built-in ones,
    // whatever the user's language.
    CResourceCatalog catalog;
    CLanguageCatalogs languages;
    if (!catalog.Install(CResourceCatalog::PathFor(QCoreApplication::applicationFilePath())))
        languages.Install();
    // The machine's printers, through which the engraver is found.
    CCupsPrinterSystem printers;
    CVeldraApp app(&printers);
    app.Startup();
    CRecentFileList recent;
    recent.Load(CSettingsStore());
    RegisterDocumentType();

    CVeldraDoc doc;
    app.Attach(doc);
    const QString file = commandLine.Positional().value(0);
    // The logo greets a plain start, not one that opens a file.
    CMainFrame frame(app, doc, recent, file.isEmpty());
    frame.show();
    frame.OpenOnStart(file);
    // Once the window is up: what programs that ended without exiting left.
    QTimer::singleShot(0, &frame, [&frame] { frame.Recovery().OfferRecovery(); });
    CStartupCommands::Schedule(frame.Router(), &frame,
                               [&frame, &doc](int object) { frame.View().SetSelection(doc.GetObjectAt(object)); });
    const int result = application.exec();
    {
        CSettingsStore store;
        recent.Save(store);
    }
    app.Exit();
    return result;
}
