#include "CliSupport.h"

#include "CliCommands.h"

#include "settings/CSettingsStore.h"
#include "app/CVeldraApp.h"
#include "document/CDocumentFile.h"
#include "document/CVeldraDoc.h"
#include "output/CCupsConnection.h"
#include "output/CCupsPrinterSystem.h"

#include <QCoreApplication>

#include <cstdio>

namespace CliCommands {

QString Tr(const char* text)
{
    return QCoreApplication::translate("veldra2-cli", text);
}

int Fail(const QString& message)
{
    std::fprintf(stderr, "%s\n", qPrintable(message));
    return exitInput;
}

int Usage(const char* text)
{
    std::fprintf(stderr, "usage: veldra2-cli %s\n", text);
    return exitUsage;
}

void SayWhenTheSchedulerIsSlow()
{
    CCupsConnection::SetWaitNotice([](int boundSeconds) {
        std::fprintf(stderr, "%s\n",
                     qPrintable(Tr("Waiting for the print scheduler to answer (at most %1 s)...").arg(boundSeconds)));
    });
}

QString CouldNotStartPrintJob()
{
    const QString couldNot = Tr("Could not start print job.");
    const QString why = CCupsConnection::TakeLastFailure();
    return why.isEmpty() ? couldNot : couldNot + QLatin1Char(' ') + why;
}

CAppSettings UserSettings()
{
    const CSettingsStore store;
    CAppSettings settings;
    settings.Load(store);
    return settings;
}

void ApplyUserSettings(CVeldraDoc& doc)
{
    doc.SetSettings(UserSettings().DocumentSettings());
}

// Opens a document and sets its device as the program does.
bool OpenForOutput(CVeldraDoc& doc, const QString& path, int dpi, std::optional<CSize> printable, QString& error)
{
    ApplyUserSettings(doc);
    const CDocumentFile::Result opened = CDocumentFile::Open(doc, path);
    if (!opened.ok) {
        error = opened.message;
        return false;
    }
    const CSize area = printable ? *printable : doc.GetMaterialSize();
    doc.SetDevice(dpi, area.cx, area.cy);
    return true;
}

// The printer the program's Print without dialog would use: the one the
// user chose, else the first engraver there is.
QString DefaultQueue()
{
    const QString chosen = UserSettings().printer.device;
    if (!chosen.isEmpty())
        return chosen;
    for (const IPrinterSystem::Queue& queue : CCupsPrinterSystem().LocalPrinters()) {
        if (CVeldraApp::IsEngraverDriver(queue.driver))
            return queue.device;
    }
    return {};
}

Options::Options(const QStringList& arguments, const QStringList& known)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (!a.startsWith(QLatin1String("--"))) {
            positional << a;
            continue;
        }
        if (!known.contains(a) || i + 1 >= arguments.size()) {
            ok = false;
            return;
        }
        values[a] = arguments[++i];
    }
}

std::optional<int> Options::Int(const char* name, int fallback) const
{
    const auto found = values.find(QLatin1String(name));
    if (found == values.end())
        return fallback;
    bool valid = false;
    const int value = found->second.toInt(&valid);
    return valid ? std::optional<int>(value) : std::nullopt;
}

QString Options::Text(const char* name) const
{
    const auto found = values.find(QLatin1String(name));
    return found == values.end() ? QString() : found->second;
}

std::optional<CEngraverAdjustments> Options::Adjustments(const CEngraverAdjustments& layouts) const
{
    const std::optional<int> brightness = Int("--brightness", layouts.brightness);
    const std::optional<int> contrast = Int("--contrast", layouts.contrast);
    const std::optional<int> gamma = Int("--gamma", layouts.gamma);
    if (!brightness || !contrast || !gamma)
        return std::nullopt;
    return CEngraverAdjustments{*brightness, *contrast, *gamma}.Clamped();
}

} // namespace CliCommands
