#pragma once

#include <QString>
#include <QStringList>

// What a program's command line asked for before any window or document
// exists: help, the version, or to go on with the remaining arguments.
class CommandLine
{
public:
    enum class Action { Run, ShowHelp, ShowVersion };

    CommandLine(QString programName, QString description);

    // Adds one positional argument's description to the help text.
    void AddPositional(const QString& name, const QString& description);

    Action Parse(const QStringList& arguments);
    QStringList Positional() const { return m_positional; }
    QString HelpText() const;
    QString VersionText() const;

private:
    QString m_programName;
    QString m_description;
    QStringList m_positionalHelp;
    QStringList m_positional;
};
