#include "CMainFrame.h"
#include "CVeldraApp.h"
#include "CommandLine.h"

#include <QApplication>

#include <cstdio>

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
    CVeldraApp app;
    app.Startup();
    CMainFrame frame;
    frame.show();
    const int result = application.exec();
    app.Exit();
    return result;
}
