#pragma once

#include "view/controls/CFieldRefusal.h"
#include "CIntegerField.h"
#include "CLengthField.h"

#include "settings/CTextDefaults.h"

#include <optional>
#include <utility>

// What the preferences dialog does with its copy of the text defaults
// record: three disclosure levels (0 zoom, unit and font; 1 adds margins,
// preview and outside colours and the undo depth; 2 adds the plug-in
// folder), the preview colour presets, the outside colour that may follow
// the system, and the limits of the typed numbers. Fields of a level that
// is not shown are not read.
class CPreferencesRules
{
public:
    static constexpr int minimumZoom = 25;
    static constexpr int maximumZoom = 1600;
    static constexpr int maximumMargin = 5000; // 0.01 mm
    static constexpr int minimumUndo = 1;
    static constexpr int maximumUndo = 32767;
    static constexpr int maximumLevel = 2;
    static constexpr int maximumAutosaveMinutes = 1440;

    enum Field { zoomField, marginXField, marginYField, undoField, autosaveField };
    enum Preset { presetColor1, presetColor2, presetUserDefined };

    // The typed fields as the dialog holds them.
    struct Texts
    {
        QString zoom;
        QString marginX;
        QString marginY;
        QString undo;
        QString folder;
        // Not read when absent.
        std::optional<QString> autosave;
    };

    CPreferencesRules(int unit, const CTextDefaults& record, COLORREF systemWindowColor);

    int Level() const { return m_nLevel; }
    // The "Advanced" switch: on opens level 1, or level 2 when Shift and
    // Ctrl are held as it is switched on; off goes back to level 0.
    void SetAdvanced(bool on, bool shiftAndCtrl);
    bool SectionEnabled(int level) const { return level <= m_nLevel; }

    QString ZoomText() const { return m_zoom.Text(); }
    QString MarginXText() const { return m_marginX.Text(); }
    QString MarginYText() const { return m_marginY.Text(); }
    QString UndoText() const { return m_undo.Text(); }
    QString AutosaveText() const { return m_autosave.Text(); }
    const QString& Folder() const { return m_record.pluginFolder; }
    bool InchUnit() const { return m_marginX.Format().IsInch(); }

    // 0 follows the system, 1 millimetres, 2 inches.
    int UnitSetting() const { return m_record.unit; }
    void SetUnitSetting(int unit) { m_record.unit = unit; }

    const LOGFONT& Font() const { return m_record.logFont; }
    void SetFont(const LOGFONT& font) { m_record.logFont = font; }
    QString FaceName() const;

    Preset PreviewChoice() const { return m_preset; }
    void ChoosePreview(Preset preset);
    COLORREF PreviewOffColor() const { return m_record.previewColor0; }
    COLORREF PreviewOnColor() const { return m_record.previewColor1; }
    // Only a user-defined pair takes chosen colours.
    void SetPreviewColors(COLORREF off, COLORREF on);
    bool PreviewButtonsEnabled() const { return SectionEnabled(1) && m_preset == presetUserDefined; }
    static Preset PresetOf(COLORREF off, COLORREF on);
    // The (off, on) pair of preset 1 or 2.
    static std::pair<COLORREF, COLORREF> PresetColors(Preset preset);

    bool UsesSystemColor() const { return m_record.outsideColor == colorNone; }
    void SetUsesSystemColor(bool system);
    COLORREF OutsideButtonColor() const { return m_crOutsideButton; }
    void SetOutsideButtonColor(COLORREF color);
    bool OutsideButtonEnabled() const { return SectionEnabled(1) && !UsesSystemColor(); }

    void SetFolder(const QString& folder) { m_record.pluginFolder = folder; }

    // The defaults of everything this dialog shows; the plug-in folder
    // only when its section is open.
    void ResetDefaults();

    // Reads the fields of the open levels; nothing is kept when one is
    // refused.
    std::optional<CFieldRefusal> Accept(const Texts& texts);
    const CTextDefaults& Result() const { return m_record; }

private:
    void LoadFields();

    CTextDefaults m_record;
    COLORREF m_crSystemWindow;
    int m_nLevel = 0;
    CIntegerField m_zoom;
    CLengthField m_marginX;
    CLengthField m_marginY;
    CIntegerField m_undo;
    CIntegerField m_autosave;
    Preset m_preset = presetUserDefined;
    COLORREF m_crOutsideButton = 0;
};
