#include "CAppCommands.h"

#include "CAboutDlg.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>
#include <QWidget>

QString CAppCommands::ManualPath()
{
    // Asked on every refresh of the menus: looked up once.
    static const QString path = FindManual();
    return path;
}

QString CAppCommands::FindManual()
{
    const QString program = QCoreApplication::applicationFilePath();
    const QFileInfo info(program);
    const QStringList candidates = {
        info.absolutePath() + QStringLiteral("/manual/index.html"),
        info.absolutePath() + QStringLiteral("/../share/veldra2/manual/index.html"),
    };
    for (const QString& candidate : candidates) {
        if (QFileInfo::exists(candidate))
            return QDir::cleanPath(candidate);
    }
    return {};
}

bool CAppCommands::OnCommand(CommandId id)
{
    switch (id) {
    case CommandId::About:
    {
        CAboutDlg about(m_pWindow);
        about.exec();
        return true;
    }
    case CommandId::Help:
        // Without a browser to hand the manual to, the user would see
        // nothing at all: say where the manual is, to open by hand.
        if (!QDesktopServices::openUrl(QUrl::fromLocalFile(ManualPath())))
            QMessageBox::information(m_pWindow, QCoreApplication::applicationName(),
                                     tr("No web browser could be started to show the manual.\n"
                                        "It is at %1").arg(QDir::toNativeSeparators(ManualPath())));
        return true;
    case CommandId::AppExit:
        m_pWindow->close();
        return true;
    default:
        return false;
    }
}

bool CAppCommands::OnUpdateCommand(CommandId id, CCommandState& state)
{
    switch (id) {
    case CommandId::About:
    case CommandId::AppExit:
        return true;
    case CommandId::Help:
        state.enabled = !ManualPath().isEmpty();
        return true;
    default:
        return false;
    }
}
