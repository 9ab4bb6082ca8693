#include "CSettingsCommands.h"

#include "settings/CAppSettings.h"
#include "settings/CSettingsStore.h"

#include "document/CVeldraDoc.h"
#include "document/UpdateHint.h"
#include "objects/CPenPainter.h"
#include "platform/MulDiv.h"
#include "view/settings/CGridSetupDlg.h"
#include "view/settings/CPenSetupDlg.h"
#include "view/settings/CPreferencesDlg.h"

#include <QMessageBox>

CSettingsCommands::CSettingsCommands(CAppSettings& settings, CVeldraDoc& doc, QWidget* window,
                                     std::function<void()> repaintView)
    : m_settings(settings)
    , m_doc(doc)
    , m_pWindow(window)
    , m_repaintView(std::move(repaintView))
    , m_penSetupRun([this](const CPenSetupRules::Pen& pen) { return RunPenSetupDialog(pen); })
    , m_gridSetupRun([this](const GridSettings& grid) { return RunGridSetupDialog(grid); })
    , m_preferencesRun([this](const CTextDefaults& record) { return RunPreferencesDialog(record); })
{
}

bool CSettingsCommands::OnCommand(CommandId id)
{
    switch (id) {
    case CommandId::PenSetup: PenSetup(); return true;
    case CommandId::GridSetup: GridSetup(); return true;
    case CommandId::Preferences: Preferences(); return true;
    default: return false;
    }
}

bool CSettingsCommands::OnUpdateCommand(CommandId id, CCommandState& state)
{
    switch (id) {
    case CommandId::PenSetup:
    case CommandId::GridSetup:
    case CommandId::Preferences:
        state.enabled = true;
        return true;
    default:
        return false;
    }
}

void CSettingsCommands::PenSetup()
{
    const std::optional<CPenSetupRules::Pen> pen = m_penSetupRun({m_settings.penWidth, m_settings.penColor});
    if (!pen)
        return;
    if (pen->width >= 0)
        m_settings.penWidth = pen->width;
    m_settings.penColor = pen->color;
    m_doc.SetSettings(m_settings.DocumentSettings());
    // A stroke in progress goes on with the new pen, measured in plate
    // pixels as a new pen would be.
    if (CPenPainter* tool = m_doc.PenTool())
        tool->SetPen(MulDiv(m_settings.penWidth, m_doc.GetResolution(), 2540), m_settings.penColor);
}

void CSettingsCommands::GridSetup()
{
    const std::optional<GridSettings> grid = m_gridSetupRun(m_settings.grid);
    if (!grid)
        return;
    m_settings.grid = *grid;
    if (m_repaintView)
        m_repaintView();
}

void CSettingsCommands::Preferences()
{
    const std::optional<CTextDefaults> record = m_preferencesRun(m_settings.GetTextDefaults());
    if (!record)
        return;
    CSettingsStore store;
    if (!m_settings.SetTextDefaults(*record, store))
        ReportFailure(tr("The settings could not be saved to %1.").arg(store.Location()));
    m_doc.SetSettings(m_settings.DocumentSettings());
    m_doc.RecalcMargins();
    m_doc.UpdateAllViews(nullptr, hintPreferences, nullptr);
}

int CSettingsCommands::DialogUnit() const
{
    return m_settings.inch ? CUnitFormat::inches : CUnitFormat::millimetres;
}

std::optional<CPenSetupRules::Pen> CSettingsCommands::RunPenSetupDialog(const CPenSetupRules::Pen& pen) const
{
    CPenSetupDlg dialog(DialogUnit(), pen, m_pWindow);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Result();
}

std::optional<GridSettings> CSettingsCommands::RunGridSetupDialog(const GridSettings& grid) const
{
    CGridSetupDlg dialog(DialogUnit(), grid, m_pWindow);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Result();
}

std::optional<CTextDefaults> CSettingsCommands::RunPreferencesDialog(const CTextDefaults& record) const
{
    CPreferencesDlg dialog(DialogUnit(), record, m_settings.systemWindowColor(), m_pWindow);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Result();
}

void CSettingsCommands::ReportFailure(const QString& message) const
{
    if (m_failureSink)
        m_failureSink(message);
    else
        QMessageBox::warning(m_pWindow, QCoreApplication::applicationName(), message);
}
