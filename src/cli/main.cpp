#include "app/CommandLine.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    // Headless by nature: without a chosen platform, draw offscreen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    CommandLine commandLine(QStringLiteral("veldra2-cli"),
                            QStringLiteral("Reads, checks and renders plate documents without a window."));
    switch (commandLine.Parse(arguments)) {
    case CommandLine::Action::ShowHelp:
        std::fputs(qPrintable(commandLine.HelpText()), stdout);
        return 0;
    case CommandLine::Action::ShowVersion:
        std::fputs(qPrintable(commandLine.VersionText()), stdout);
        return 0;
    case CommandLine::Action::UsageError:
    case CommandLine::Action::Run:
        break;
    }
    std::fputs(qPrintable(commandLine.HelpText()), stderr);
    return 2;
}
