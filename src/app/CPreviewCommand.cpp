#include "CPreviewCommand.h"

#include "settings/CAppSettings.h"

#include "document/CPlateRenderer.h"
#include "document/CVeldraDoc.h"
#include "output/preview/CPreviewDlg.h"

#include <QGuiApplication>

CPreviewCommand::CPreviewCommand(CVeldraDoc& doc, CAppSettings& settings, QWidget* window, std::function<void()> print)
    : m_doc(doc), m_settings(settings), m_pWindow(window), m_print(std::move(print))
{
}

bool CPreviewCommand::Run(CPlateRenderer* shown)
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    CPlateRenderer own(m_doc);
    const std::vector<std::uint8_t> grey = (shown ? *shown : own).PreviewImage();
    QGuiApplication::restoreOverrideCursor();
    const CSize size = m_doc.GetDeviceSize();
    const CEngraverAdjustments start = m_doc.Adjustments().Get();

    CPreviewDlg dialog({grey, size.cx, size.cy}, m_settings.previewZoom, m_settings.textDefaults.previewColor0,
                       m_settings.textDefaults.previewColor1, m_settings.previewDlg, m_pWindow);
    dialog.SetAdjustments(start);
    dialog.SetPrintHandler([this](const CEngraverAdjustments& values) {
        m_doc.Adjustments().Set(values);
        if (m_print)
            m_print();
        return m_doc.Adjustments().Get();
    });
    const bool confirmed = dialog.exec() == QDialog::Accepted;
    CEngraverAdjustments result = start;
    if (confirmed) {
        result = dialog.Adjustments();
        m_settings.previewZoom = dialog.Zoom();
        m_doc.SetModifiedFlag();
    }
    // Also after Cancel: Print may have left the dialog's values with the engraver.
    m_doc.Adjustments().Set(result);
    return confirmed;
}
