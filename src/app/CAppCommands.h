#pragma once

#include "view/ICommandTarget.h"

#include <QCoreApplication>
#include <QString>

class QWidget;

// What the application itself answers: About, Help, Exit, and the printer
// setup that belongs to the engraver's device.
class CAppCommands : public ICommandTarget
{
    Q_DECLARE_TR_FUNCTIONS(CAppCommands)

public:
    explicit CAppCommands(QWidget* window) : m_pWindow(window) {}

    bool OnCommand(CommandId id) override;
    bool OnUpdateCommand(CommandId id, CCommandState& state) override;

    // The manual shipped with the program: "manual/index.html" beside it,
    // or in the shared data folder of an installation.
    static QString ManualPath();

private:
    static QString FindManual();

    QWidget* m_pWindow;
};
