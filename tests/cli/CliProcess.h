#pragma once

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

// One run of veldra2-cli with the settings in a folder of the test's own
// and no display chosen (the tool must manage without).
struct CliProcessRun
{
    int exitCode = -1;
    QByteArray out, err;

    static CliProcessRun Of(const QTemporaryDir& dir, const QStringList& arguments)
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(VELDRA_CLI_PATH), arguments);
        process.waitForFinished(120000);
        return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
    }
};
