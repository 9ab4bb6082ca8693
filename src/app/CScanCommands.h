#pragma once

#include "acquire/scan/ScanTypes.h"
#include "view/ICommandTarget.h"

#include <QCoreApplication>

#include <optional>

class CAppSettings;
class CVeldraDoc;
class QWidget;

// The scanner's commands: Select Source, and Acquire, which places the
// scanned picture in the layout as "Twain Data". Scanning itself is open to
// Add Material from the scanner.
class CScanCommands : public ICommandTarget
{
    Q_DECLARE_TR_FUNCTIONS(CScanCommands)

public:
    CScanCommands(CAppSettings& settings, CVeldraDoc& doc, QWidget* window);

    bool OnCommand(CommandId id) override;
    bool OnUpdateCommand(CommandId id, CCommandState& state) override;

    // The scanners there are; tells the user when there are none.
    QList<ScanDeviceInfo> FindDevices(QWidget* parent) const;
    bool SelectSource();
    // Our scan window over the chosen scanner (else the first); the picture
    // and its resolution, or nothing when cancelled or failed (the user was
    // told why).
    std::optional<ScanResult> Scan(QWidget* parent);
    bool Acquire();

private:
    CAppSettings& m_settings;
    CVeldraDoc& m_doc;
    QWidget* m_pWindow;
};
