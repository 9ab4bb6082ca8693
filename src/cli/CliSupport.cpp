#include "CliSupport.h"

#include "CliCommands.h"

#include "app/CSettingsStore.h"
#include "document/CVeldraDoc.h"

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

} // namespace CliCommands
