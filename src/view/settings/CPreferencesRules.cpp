#include "CPreferencesRules.h"

#include "settings/CAppSettings.h"
#include "objects/FontMapper.h"

CPreferencesRules::CPreferencesRules(int unit, const CTextDefaults& record, COLORREF systemWindowColor)
    : m_record(record)
    , m_crSystemWindow(systemWindowColor)
    , m_zoom(minimumZoom, maximumZoom, record.zoom)
    , m_marginX(unit, 0, maximumMargin, record.marginTopLeft.x)
    , m_marginY(unit, 0, maximumMargin, record.marginTopLeft.y)
    , m_undo(minimumUndo, maximumUndo, record.maxUndoCount)
    , m_autosave(0, maximumAutosaveMinutes, record.autosaveMinutes)
{
    LoadFields();
}

void CPreferencesRules::LoadFields()
{
    m_zoom.SetValue(m_record.zoom);
    m_marginX.SetValue(m_record.marginTopLeft.x);
    m_marginY.SetValue(m_record.marginTopLeft.y);
    m_undo.SetValue(m_record.maxUndoCount);
    m_autosave.SetValue(m_record.autosaveMinutes);
    m_preset = PresetOf(m_record.previewColor0, m_record.previewColor1);
    m_crOutsideButton = UsesSystemColor() ? m_crSystemWindow : m_record.outsideColor;
}

void CPreferencesRules::SetAdvanced(bool on, bool shiftAndCtrl)
{
    m_nLevel = !on ? 0 : shiftAndCtrl ? maximumLevel : 1;
}

QString CPreferencesRules::FaceName() const
{
    return FontMapper::FaceName(m_record.logFont);
}

CPreferencesRules::Preset CPreferencesRules::PresetOf(COLORREF off, COLORREF on)
{
    for (Preset preset : {presetColor1, presetColor2}) {
        if (PresetColors(preset) == std::pair(off, on))
            return preset;
    }
    return presetUserDefined;
}

std::pair<COLORREF, COLORREF> CPreferencesRules::PresetColors(Preset preset)
{
    if (preset == presetColor2)
        return {RGB(0xC0, 0xC0, 0xC0), RGB(0xF0, 0xF0, 0xF0)};
    return {RGB(0xC0, 0xC0, 0x40), RGB(0xFF, 0xFF, 0x80)};
}

void CPreferencesRules::ChoosePreview(Preset preset)
{
    m_preset = preset;
    if (preset == presetUserDefined)
        return;
    std::tie(m_record.previewColor0, m_record.previewColor1) = PresetColors(preset);
}

void CPreferencesRules::SetPreviewColors(COLORREF off, COLORREF on)
{
    if (m_preset != presetUserDefined)
        return;
    m_record.previewColor0 = off;
    m_record.previewColor1 = on;
}

void CPreferencesRules::SetUsesSystemColor(bool system)
{
    if (system) {
        m_record.outsideColor = colorNone;
        m_crOutsideButton = m_crSystemWindow;
    } else {
        m_record.outsideColor = m_crOutsideButton;
    }
}

void CPreferencesRules::SetOutsideButtonColor(COLORREF color)
{
    // While the system colour applies the button only shows it.
    if (UsesSystemColor())
        return;
    m_crOutsideButton = color;
    m_record.outsideColor = color;
}

void CPreferencesRules::ResetDefaults()
{
    const CTextDefaults defaults;
    m_record.logFont = CAppSettings::DefaultLogFont();
    m_record.zoom = defaults.zoom;
    m_record.unit = defaults.unit;
    m_record.marginTopLeft = defaults.marginTopLeft;
    m_record.previewColor0 = defaults.previewColor0;
    m_record.previewColor1 = defaults.previewColor1;
    m_record.outsideColor = defaults.outsideColor;
    m_record.maxUndoCount = defaults.maxUndoCount;
    m_record.autosaveMinutes = defaults.autosaveMinutes;
    if (m_nLevel == maximumLevel)
        m_record.pluginFolder.clear();
    LoadFields();
}

std::optional<CFieldRefusal> CPreferencesRules::Accept(const Texts& texts)
{
    if (const QString refusal = m_zoom.Take(texts.zoom); !refusal.isEmpty())
        return CFieldRefusal{zoomField, refusal};
    if (texts.autosave)
        if (const QString refusal = m_autosave.Take(*texts.autosave); !refusal.isEmpty())
            return CFieldRefusal{autosaveField, refusal};
    CTextDefaults record = m_record;
    record.zoom = m_zoom.Value();
    record.autosaveMinutes = m_autosave.Value();
    if (SectionEnabled(1)) {
        const CLengthField::Reading x = m_marginX.Read(texts.marginX);
        if (!x.Ok())
            return CFieldRefusal{marginXField, x.refusal};
        const CLengthField::Reading y = m_marginY.Read(texts.marginY);
        if (!y.Ok())
            return CFieldRefusal{marginYField, y.refusal};
        if (const QString refusal = m_undo.Take(texts.undo); !refusal.isEmpty())
            return CFieldRefusal{undoField, refusal};
        record.marginTopLeft = {x.valueMm100, y.valueMm100};
        record.maxUndoCount = m_undo.Value();
    }
    if (SectionEnabled(maximumLevel))
        record.pluginFolder = texts.folder;
    m_record = record;
    LoadFields();
    return std::nullopt;
}
