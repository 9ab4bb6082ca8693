#include "CScanCommands.h"

#include "settings/CAppSettings.h"
#include "settings/CSettingsStore.h"

#include "acquire/scan/CScanSession.h"
#include "acquire/scanning/CScanDlg.h"
#include "acquire/scanning/CScanSourceDlg.h"
#include "document/CPictureCommands.h"
#include "imaging/ColorRef.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QMessageBox>

CScanCommands::CScanCommands(CAppSettings& settings, CVeldraDoc& doc, QWidget* window)
    : m_settings(settings), m_doc(doc), m_pWindow(window)
{
}

bool CScanCommands::OnCommand(CommandId id)
{
    switch (id) {
    case CommandId::SelectSource: SelectSource(); return true;
    case CommandId::Acquire: Acquire(); return true;
    default: return false;
    }
}

bool CScanCommands::OnUpdateCommand(CommandId id, CCommandState&)
{
    return id == CommandId::SelectSource || id == CommandId::Acquire;
}

QList<ScanDeviceInfo> CScanCommands::FindDevices(QWidget* parent) const
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    QString error;
    const QList<ScanDeviceInfo> devices = CScanSession::Devices(&error);
    QGuiApplication::restoreOverrideCursor();
    if (devices.isEmpty())
        QMessageBox::information(parent, QCoreApplication::applicationName(),
                                 error.isEmpty() ? tr("No scanner was found. Check that it is connected and "
                                                      "switched on, and that SANE knows it (scanimage -L).")
                                                 : error);
    return devices;
}

bool CScanCommands::SelectSource()
{
    const QList<ScanDeviceInfo> devices = FindDevices(m_pWindow);
    if (devices.isEmpty())
        return false;
    CScanSourceDlg dialog(devices, m_settings.scanSource, m_pWindow);
    if (dialog.exec() != QDialog::Accepted || dialog.Chosen().isEmpty())
        return false;
    m_settings.scanSource = dialog.Chosen();
    CSettingsStore store;
    m_settings.SaveScanSource(store);
    return true;
}

std::optional<ScanResult> CScanCommands::Scan(QWidget* parent)
{
    QString device = m_settings.scanSource;
    if (device.isEmpty()) {
        const QList<ScanDeviceInfo> devices = FindDevices(parent);
        if (devices.isEmpty())
            return std::nullopt;
        device = devices.first().name;
    }
    CScanDlg dialog(device, m_settings.scanDpi, m_settings.scanMode, parent);
    if (!dialog.IsReady()) {
        QMessageBox::warning(parent, QCoreApplication::applicationName(),
                             tr("The scanner \"%1\" could not be opened: %2").arg(device, dialog.Error()));
        return std::nullopt;
    }
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    // The next scan starts from this one's resolution and mode.
    m_settings.scanDpi = dialog.Resolutions()->currentData().toInt();
    m_settings.scanMode = dialog.Modes()->currentText();
    CSettingsStore store;
    m_settings.SaveScanChoices(store);
    return dialog.TakeResult();
}

bool CScanCommands::Acquire()
{
    std::optional<ScanResult> scan = Scan(m_pWindow);
    if (!scan || scan->image.IsEmpty())
        return false;
    // A scan has no transparency: a pixel of the key's colour is moved off it.
    scan->image.ReplaceColour(transparentKey, keyReplacement);
    // The name layouts have always stored for a scanned picture.
    return CPictureCommands::AddPicture(m_doc, scan->image, QStringLiteral("Twain Data")) != nullptr;
}
