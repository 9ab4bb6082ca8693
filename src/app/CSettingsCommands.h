#pragma once

#include "settings/CTextDefaults.h"

#include "settings/GridSettings.h"
#include "view/ICommandTarget.h"
#include "view/settings/CPenSetupRules.h"

#include <QCoreApplication>

#include <functional>
#include <optional>

class CAppSettings;
class CVeldraDoc;
class QWidget;

// Pen Setup, Grid Setup and Preferences: each runs its dialog on a copy of
// the settings and, on OK, puts the result into the settings and into what
// already uses them (the document, a pen in use, the view). Cancel changes
// nothing.
class CSettingsCommands : public ICommandTarget
{
    Q_DECLARE_TR_FUNCTIONS(CSettingsCommands)

public:
    // A dialog run: the edited values, or nothing when it was cancelled.
    using PenSetupRun = std::function<std::optional<CPenSetupRules::Pen>(const CPenSetupRules::Pen&)>;
    using GridSetupRun = std::function<std::optional<GridSettings>(const GridSettings&)>;
    using PreferencesRun = std::function<std::optional<CTextDefaults>(const CTextDefaults&)>;

    // repaintView: redraws the view after the grid changed.
    CSettingsCommands(CAppSettings& settings, CVeldraDoc& doc, QWidget* window, std::function<void()> repaintView);

    bool OnCommand(CommandId id) override;
    bool OnUpdateCommand(CommandId id, CCommandState& state) override;

    // The modal dialogs by default; tests answer in their place.
    void SetPenSetupRun(PenSetupRun run) { m_penSetupRun = std::move(run); }
    void SetGridSetupRun(GridSetupRun run) { m_gridSetupRun = std::move(run); }
    void SetPreferencesRun(PreferencesRun run) { m_preferencesRun = std::move(run); }
    // Where a failure to save is told; a message box by default.
    void SetFailureSink(std::function<void(const QString&)> sink) { m_failureSink = std::move(sink); }

    void PenSetup();
    void GridSetup();
    void Preferences();

private:
    int DialogUnit() const;
    std::optional<CPenSetupRules::Pen> RunPenSetupDialog(const CPenSetupRules::Pen& pen) const;
    std::optional<GridSettings> RunGridSetupDialog(const GridSettings& grid) const;
    std::optional<CTextDefaults> RunPreferencesDialog(const CTextDefaults& record) const;
    void ReportFailure(const QString& message) const;

    CAppSettings& m_settings;
    CVeldraDoc& m_doc;
    QWidget* m_pWindow;
    std::function<void()> m_repaintView;
    PenSetupRun m_penSetupRun;
    GridSetupRun m_gridSetupRun;
    PreferencesRun m_preferencesRun;
    std::function<void(const QString&)> m_failureSink;
};
