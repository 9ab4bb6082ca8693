#include "CommandLine.h"

#include "Version.h"

#include <QCoreApplication>

CommandLine::CommandLine(QString programName, QString description)
    : m_programName(std::move(programName)), m_description(std::move(description))
{
}

void CommandLine::AddPositional(const QString& name, const QString& description)
{
    m_positionalHelp << QStringLiteral("  %1\n      %2").arg(name, description);
}

CommandLine::Action CommandLine::Parse(const QStringList& arguments)
{
    m_positional.clear();
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h"))
            return Action::ShowHelp;
        if (argument == QLatin1String("--version") || argument == QLatin1String("-v"))
            return Action::ShowVersion;
        m_positional << argument;
    }
    return Action::Run;
}

QString CommandLine::HelpText() const
{
    QString text = QStringLiteral("Usage: %1 [options]").arg(m_programName);
    if (!m_positionalHelp.isEmpty())
        text += QStringLiteral(" [arguments]");
    text += QStringLiteral("\n%1\n\nOptions:\n  -h, --help       %2\n  -v, --version    %3\n")
                .arg(m_description,
                     QCoreApplication::translate("CommandLine", "Show this help and exit."),
                     QCoreApplication::translate("CommandLine", "Show the version and exit."));
    if (!m_positionalHelp.isEmpty())
        text += QStringLiteral("\nArguments:\n") + m_positionalHelp.join(QLatin1Char('\n')) + QLatin1Char('\n');
    return text;
}

QString CommandLine::VersionText() const
{
    return QStringLiteral("%1 %2\n").arg(m_programName, QStringLiteral(VELDRA_VERSION_TEXT));
}
