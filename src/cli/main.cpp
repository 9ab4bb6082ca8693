#include "CliCommands.h"

#include "app/CommandLine.h"
#include "platform/NativePath.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <map>

namespace {

const std::map<QString, std::function<int(const QStringList&)>>& Commands()
{
    static const std::map<QString, std::function<int(const QStringList&)>> commands{
        {QStringLiteral("info"), CliCommands::Info},
        {QStringLiteral("resave"), CliCommands::Resave},
        {QStringLiteral("render"), CliCommands::Render},
        {QStringLiteral("preview"), CliCommands::Preview},
        {QStringLiteral("import"), CliCommands::Import},
        {QStringLiteral("library"), CliCommands::Library},
        {QStringLiteral("print"), CliCommands::Print},
        {QStringLiteral("batch"), CliCommands::Batch},
        {QStringLiteral("code"), CliCommands::Code},
    };
    return commands;
}

// The offscreen platform asks for a runtime folder and complains on
// standard error when there is none; scripts read our messages there.
void QuietRuntimeDirectory()
{
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    const QByteArray folder = QDir::tempPath().toLocal8Bit() + "/veldra2-runtime-" + QByteArray::number(getuid());
    if (::mkdir(folder.constData(), 0700) == 0 || QFileInfo(QString::fromLocal8Bit(folder)).isDir())
        qputenv("XDG_RUNTIME_DIR", folder);
}

} // namespace

int main(int argc, char* argv[])
{
    // Headless by nature: without a chosen platform, draw offscreen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QuietRuntimeDirectory();

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << NativePath::Decode(QByteArray(argv[i]));
    CommandLine commandLine(QStringLiteral("veldra2-cli"),
                            QStringLiteral("Reads, checks and renders plate documents without a window."));
    commandLine.AddPositional(QStringLiteral("info FILE"),
                              QStringLiteral("Describe a document (.vlz) or symbol file (.vls) as JSON."));
    commandLine.AddPositional(QStringLiteral("resave IN.vlz OUT.vlz"), QStringLiteral("Load a document and save it again."));
    commandLine.AddPositional(QStringLiteral("render FILE.vlz OUT.bmp [--mode output|screen] [--dpi N] [--printable W,H]"),
                              QStringLiteral("Render the plate into a 24-bit bitmap file."));
    commandLine.AddPositional(QStringLiteral("preview FILE.vlz OUT.bmp [--zoom 1|2|4] [--brightness B] [--contrast C] [--gamma G]"),
                              QStringLiteral("Write the engraving preview of the plate as a bitmap file."));
    commandLine.AddPositional(QStringLiteral("import PICTURE... OUT.vlz --material W,H [--dpi N]"),
                              QStringLiteral("Make a document of pictures on a rectangular material (0.01 mm)."));
    commandLine.AddPositional(QStringLiteral("library FOLDER --kind material|frame|symbol"),
                              QStringLiteral("Refresh a library folder's index and list its entries as JSON."));
    commandLine.AddPositional(QStringLiteral("print FILE.vlz [--printer QUEUE] [--copies N] [--brightness B] [--contrast C] "
                                             "[--gamma G] [--to-file OUT]"),
                              QStringLiteral("Print the layout as the program's Print does (the chosen printer, else the "
                                             "engraver) and show the job's number; --to-file writes the job instead."));
    commandLine.AddPositional(QStringLiteral("batch FILE.vlz [--data DATA.csv | --count N] [--records A-B] "
                                             "(--render OUTDIR [--name PATTERN] | --print [--printer QUEUE])"),
                              QStringLiteral("Fill the layout's fields ({Column}, {#}, {serial}, {date}) from each record "
                                             "and write one bitmap per record (named by the pattern's fields, default "
                                             "{#}) or send one print job per record."));
    commandLine.AddPositional(QStringLiteral("code IN.vlz OUT.vlz --type datamatrix|datamatrix-rect|qr|code128|"
                                             "gs1-datamatrix|gs1-128 --data TEXT [--module MM] [--at X,Y] [--ecc L|M|Q|H]"),
                              QStringLiteral("Add a code to the layout: module size in mm (default 0.5, whole dots at the "
                                             "layout's resolution), position in mm from the plate's centre (default the "
                                             "centre). The data may hold the fields texts hold."));
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
    QStringList positional = commandLine.Positional();
    const auto command = positional.isEmpty() ? Commands().end() : Commands().find(positional.front());
    if (command == Commands().end()) {
        std::fputs(qPrintable(commandLine.HelpText()), stderr);
        return CliCommands::exitUsage;
    }
    positional.removeFirst();
    QGuiApplication application(argc, argv);
    QGuiApplication::setOrganizationName(QStringLiteral("Corvex KZ Corporation"));
    QGuiApplication::setApplicationName(QStringLiteral("Veldra2"));
    return command->second(positional);
}
