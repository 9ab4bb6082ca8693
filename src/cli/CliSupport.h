#pragma once

#include "settings/CAppSettings.h"
#include "platform/CEngraverAdjustments.h"
#include "platform/CSize.h"

#include <QString>
#include <QStringList>

#include <map>
#include <optional>

class CVeldraDoc;

// What the tool's commands share: messages, exit codes on failure, the
// user's settings, and "--name value" options.
namespace CliCommands {

QString Tr(const char* text);
// Prints the message on standard error; the exit code of an input failure.
int Fail(const QString& message);
// Prints the command's usage on standard error; the usage exit code.
int Usage(const char* text);

CAppSettings UserSettings();
// Documents here work with the same settings as the program's.
void ApplyUserSettings(CVeldraDoc& doc);

// Opens a document and sets its device as the program does (printable:
// the material unless given).
bool OpenForOutput(CVeldraDoc& doc, const QString& path, int dpi, std::optional<CSize> printable, QString& error);
// The printer the program's Print without dialog would use: the one the
// user chose, else the first engraver there is.
QString DefaultQueue();

// Tells on standard error when the print scheduler keeps a command
// waiting, and how long it will wait at most.
void SayWhenTheSchedulerIsSlow();
// "Could not start print job." with the scheduler's reason when it gave
// one (it did not answer in time, say).
QString CouldNotStartPrintJob();

// "--name value" options after the positional arguments.
struct Options
{
    QStringList positional;
    std::map<QString, QString> values;
    bool ok = true;

    Options(const QStringList& arguments, const QStringList& known);
    // The option's number, the fallback when absent, nothing when it is
    // not a number.
    std::optional<int> Int(const char* name, int fallback) const;
    QString Text(const char* name) const;
    // --brightness, --contrast and --gamma over the layout's own values,
    // clamped; nothing when one is not a number.
    std::optional<CEngraverAdjustments> Adjustments(const CEngraverAdjustments& layouts) const;
};

} // namespace CliCommands
