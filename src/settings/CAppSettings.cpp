#include "CAppSettings.h"

#include "platform/AnsiCodec.h"

#include "CSettingsStore.h"
#include "SettingTextForms.h"

#include <QGuiApplication>
#include <QLocale>
#include <QPalette>

#include <algorithm>

namespace
{
const QString printerSection = QStringLiteral("Printer");
const QString settingsSection = QStringLiteral("Settings");
const QString fontSection = QStringLiteral("Font");
const QString pathSection = QStringLiteral("Path");
const QString windowSection = QStringLiteral("Window");
const QString materialSection = QStringLiteral("Material");
const QString scannerSection = QStringLiteral("Scanner");

// The value names of one window placement.
struct PlacementNames
{
    QString position;
    QString size;
    QString showCmd;
};

const PlacementNames previewNames{"PreviewDlgPos", "PreviewDlgSize", "PreviewDlgCmd"};
const PlacementNames symbolNames{"SymbolDlgPos", "SymbolDlgSize", "SymbolDlgCmd"};
const PlacementNames mainWindowNames{"Position", "Size", "ShowCmd"};

void ReadPlacement(const CSettingsStore& store, const PlacementNames& names, CAppSettings::WindowPlacement& placement)
{
    placement.position = store.ReadPoint(windowSection, names.position, placement.position);
    placement.size = store.ReadSize(windowSection, names.size, placement.size);
    placement.showCmd = store.ReadInt(windowSection, names.showCmd, placement.showCmd);
}

void WritePlacement(CSettingsStore& store, const PlacementNames& names, const CAppSettings::WindowPlacement& placement)
{
    store.WritePoint(windowSection, names.position, placement.position);
    store.WriteSize(windowSection, names.size, placement.size);
    store.WriteInt(windowSection, names.showCmd, placement.showCmd);
}

bool SystemMeasureIsInches()
{
    return QLocale::system().measurementSystem() != QLocale::MetricSystem;
}

COLORREF SystemWindowColor()
{
    // Without a GUI application (the command-line tool) there is no palette
    // to ask; white is what a window would show.
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return RGB(0xFF, 0xFF, 0xFF);
    const QColor color = QGuiApplication::palette().color(QPalette::Window);
    return RGB(color.red(), color.green(), color.blue());
}

// Translatable so that a language can start with a face that has its script.
//: The font of new text objects: height, width, escapement, orientation,
//: weight, italic, underline, strike-out, character set, output precision,
//: clip precision, quality, pitch and family, then the face name.
const char builtInFontText[] = QT_TRANSLATE_NOOP("CAppSettings", "-32,0,0,0,400,0,0,0,0,3,2,1,34,Arial");
} // namespace

CAppSettings::CAppSettings()
    : systemMeasureIsInches(SystemMeasureIsInches), systemWindowColor(SystemWindowColor)
{
    textDefaults.newText = DefaultNewText();
    textDefaults.logFont = DefaultLogFont();
    ResolveDerived();
}

QString CAppSettings::DefaultNewText()
{
    return tr("New Text");
}

LOGFONT CAppSettings::DefaultLogFont()
{
    // A catalog that garbles the text must not leave new text without a font.
    const QString text = QCoreApplication::translate("CAppSettings", builtInFontText);
    if (const std::optional<LOGFONT> font = SettingTextForms::ParseFont(text))
        return *font;
    return *SettingTextForms::ParseFont(QString::fromLatin1(builtInFontText));
}

void CAppSettings::Load(const CSettingsStore& store)
{
    LoadPrinter(store);
    LoadSettingsSection(store);
    LoadFontSection(store);
    textDefaults.pluginFolder = store.ReadString(pathSection, "SPI", textDefaults.pluginFolder);
    LoadWindowSection(store);
    LoadMaterialSection(store);
    scanSource = store.ReadString(scannerSection, "Source", scanSource);
    scanMode = store.ReadString(scannerSection, "Mode", scanMode);
    ResolveDerived();
}

void CAppSettings::SaveScanSource(CSettingsStore& store) const
{
    store.WriteString(scannerSection, "Source", scanSource);
}

void CAppSettings::SaveScanChoices(CSettingsStore& store) const
{
    store.WriteString(scannerSection, "Mode", scanMode);
    store.WriteInt(materialSection, "ScanDPI", scanDpi);
}

void CAppSettings::LoadPrinter(const CSettingsStore& store)
{
    printer = CPrinterChoice::FromText(store.ReadString(printerSection, "Device"));
}

void CAppSettings::LoadSettingsSection(const CSettingsStore& store)
{
    layerListShown = store.ReadInt(settingsSection, "LayerListDlg", layerListShown) != 0;
    penWidth = store.ReadInt(settingsSection, "PenWidth", penWidth);
    penColor = store.ReadColor(settingsSection, "PenColor", penColor);
    grid.pitch = store.ReadPoint(settingsSection, "GridPitch", grid.pitch);
    grid.color = store.ReadColor(settingsSection, "GridColor", grid.color);
    grid.centerColor = store.ReadColor(settingsSection, "GridCenterColor", grid.centerColor);
    grid.shown = store.ReadInt(settingsSection, "ShowGrid", grid.shown) != 0;
    previewZoom = store.ReadInt(settingsSection, "PreviewZoom", previewZoom);
    clipColor = store.ReadColor(settingsSection, "ClipColor", clipColor);
    clipRange = store.ReadInt(settingsSection, "ClipRange", clipRange);
    // The built-in limit is the floor: a smaller stored one would only make
    // plates fail that the program can render.
    engraveDarkFrames = store.ReadInt(settingsSection, "EngraveDarkFrame", engraveDarkFrames) != 0;
    engraveDarkSymbols = store.ReadInt(settingsSection, "EngraveDarkSymbol", engraveDarkSymbols) != 0;
    engraveDarkImports = store.ReadInt(settingsSection, "EngraveDarkImport", engraveDarkImports) != 0;
    const int storedLimit = store.ReadInt(settingsSection, "DeviceSizeLimit", deviceSizeLimit);
    if (storedLimit > minimumDeviceSizeLimit)
        deviceSizeLimit = storedLimit;

    CTextDefaults& t = textDefaults;
    t.baseColor = store.ReadColor(settingsSection, "BaseColor", t.baseColor);
    t.outsideColor = store.ReadColor(settingsSection, "OutsideColor", t.outsideColor);
    t.previewColor0 = store.ReadColor(settingsSection, "PreviewColor0", t.previewColor0);
    t.previewColor1 = store.ReadColor(settingsSection, "PreviewColor1", t.previewColor1);
    t.maxUndoCount = store.ReadInt(settingsSection, "MaxUndoCount", t.maxUndoCount);
    t.autosaveMinutes = std::clamp(store.ReadInt(settingsSection, "AutosaveMinutes", t.autosaveMinutes), 0, 1440);
    t.zoom = store.ReadInt(settingsSection, "Zoom", t.zoom);
    zoomChosen = store.Contains(settingsSection, QStringLiteral("Zoom"));
    t.unit = store.ReadInt(settingsSection, "Unit", t.unit);
    t.marginTopLeft = store.ReadPoint(settingsSection, "MarginTopLeft", t.marginTopLeft);
}

void CAppSettings::LoadFontSection(const CSettingsStore& store)
{
    CTextDefaults& t = textDefaults;
    // The translations are in place by now, which they may not have been
    // when this object was made.
    t.newText = store.ReadString(fontSection, "NewText", DefaultNewText());
    t.logFont = store.ReadFont(fontSection, "LogFont", DefaultLogFont());
    t.fillBackground = store.ReadInt(fontSection, "FillBackground", t.fillBackground) != 0;
    t.drawFrame = store.ReadInt(fontSection, "DrawFrame", t.drawFrame);
    t.fontColor = store.ReadColor(fontSection, "FontColor", t.fontColor);
    t.bkgndColor = store.ReadColor(fontSection, "BkgndColor", t.bkgndColor);
    t.frameColor = store.ReadColor(fontSection, "FrameColor", t.frameColor);
    t.bkgndMargin = store.ReadPoint(fontSection, "BkgndMargin", t.bkgndMargin);
    t.multiLineFormat = store.ReadInt(fontSection, "MultiLineFormat", t.multiLineFormat);
    t.antialias = store.ReadInt(fontSection, "Antialias", t.antialias) != 0;
}

void CAppSettings::LoadWindowSection(const CSettingsStore& store)
{
    trimmingDlgPos = store.ReadPoint(windowSection, "TrimmingDlgPos", trimmingDlgPos);
    symbolPropDlgPos = store.ReadPoint(windowSection, "SymbolPropDlgPos", symbolPropDlgPos);
    textPropDlgPos = store.ReadPoint(windowSection, "TextPropDlgPos", textPropDlgPos);
    layerListDlgPos = store.ReadPoint(windowSection, "LayerListDlgPos", layerListDlgPos);
    ReadPlacement(store, previewNames, previewDlg);
    ReadPlacement(store, symbolNames, symbolDlg);
    ReadPlacement(store, mainWindowNames, mainWindow);
}

void CAppSettings::LoadMaterialSection(const CSettingsStore& store)
{
    materialSize = store.ReadSize(materialSection, "Size", materialSize);
    materialShapeIndex = store.ReadInt(materialSection, "ShapeIndex", materialShapeIndex);
    materialShapeFileName = store.ReadString(materialSection, "ShapeFileName", materialShapeFileName);
    scanDpi = store.ReadInt(materialSection, "ScanDPI", scanDpi);
}

void CAppSettings::ResolveDerived()
{
    const int unit = textDefaults.unit;
    inch = unit == 0 ? systemMeasureIsInches() : unit > 1;
    resolvedOutsideColor = textDefaults.outsideColor != colorNone ? textDefaults.outsideColor : systemWindowColor();
}

bool CAppSettings::SaveAtExit(CSettingsStore& store) const
{
    SavePrinter(store);
    SaveWindowSection(store);
    SaveExitSettings(store);
    SaveMaterialSection(store);
    return store.Flush();
}

void CAppSettings::SavePrinter(CSettingsStore& store) const
{
    store.WriteString(printerSection, "Device", printer.ToText());
}

void CAppSettings::SaveMainWindowPlacement(CSettingsStore& store) const
{
    WritePlacement(store, mainWindowNames, mainWindow);
}

void CAppSettings::SaveWindowSection(CSettingsStore& store) const
{
    store.WritePoint(windowSection, "TrimmingDlgPos", trimmingDlgPos);
    store.WritePoint(windowSection, "SymbolPropDlgPos", symbolPropDlgPos);
    store.WritePoint(windowSection, "TextPropDlgPos", textPropDlgPos);
    store.WritePoint(windowSection, "LayerListDlgPos", layerListDlgPos);
    WritePlacement(store, previewNames, previewDlg);
    WritePlacement(store, symbolNames, symbolDlg);
}

void CAppSettings::SaveExitSettings(CSettingsStore& store) const
{
    store.WriteInt(settingsSection, "LayerListDlg", layerListShown);
    store.WriteInt(settingsSection, "PenWidth", penWidth);
    store.WriteColor(settingsSection, "PenColor", penColor);
    store.WritePoint(settingsSection, "GridPitch", grid.pitch);
    store.WriteColor(settingsSection, "GridColor", grid.color);
    store.WriteColor(settingsSection, "GridCenterColor", grid.centerColor);
    store.WriteInt(settingsSection, "ShowGrid", grid.shown);
    store.WriteInt(settingsSection, "PreviewZoom", previewZoom);
    store.WriteColor(settingsSection, "ClipColor", clipColor);
    store.WriteInt(settingsSection, "ClipRange", clipRange);
    store.WriteInt(settingsSection, "DeviceSizeLimit", deviceSizeLimit);
    store.WriteInt(settingsSection, "EngraveDarkFrame", engraveDarkFrames);
    store.WriteInt(settingsSection, "EngraveDarkSymbol", engraveDarkSymbols);
    store.WriteInt(settingsSection, "EngraveDarkImport", engraveDarkImports);
}

void CAppSettings::SaveMaterialSection(CSettingsStore& store) const
{
    store.WriteSize(materialSection, "Size", materialSize);
    store.WriteInt(materialSection, "ShapeIndex", materialShapeIndex);
    store.WriteString(materialSection, "ShapeFileName", materialShapeFileName);
    store.WriteInt(materialSection, "ScanDPI", scanDpi);
}

bool CAppSettings::SetTextDefaults(const CTextDefaults& record, CSettingsStore& store)
{
    textDefaults = record;
    zoomChosen = true;
    ResolveDerived();
    SaveFontSection(store);
    SaveTextDefaultSettings(store);
    store.WriteString(pathSection, "SPI", textDefaults.pluginFolder);
    return store.Flush();
}

void CAppSettings::SaveFontSection(CSettingsStore& store) const
{
    const CTextDefaults& t = textDefaults;
    store.WriteString(fontSection, "NewText", t.newText);
    store.WriteFont(fontSection, "LogFont", t.logFont);
    store.WriteInt(fontSection, "FillBackground", t.fillBackground);
    store.WriteInt(fontSection, "DrawFrame", t.drawFrame);
    store.WriteColor(fontSection, "FontColor", t.fontColor);
    store.WriteColor(fontSection, "BkgndColor", t.bkgndColor);
    store.WriteColor(fontSection, "FrameColor", t.frameColor);
    store.WritePoint(fontSection, "BkgndMargin", t.bkgndMargin);
    store.WriteInt(fontSection, "MultiLineFormat", t.multiLineFormat);
    store.WriteInt(fontSection, "Antialias", t.antialias);
}

void CAppSettings::SaveTextDefaultSettings(CSettingsStore& store) const
{
    const CTextDefaults& t = textDefaults;
    store.WriteColor(settingsSection, "BaseColor", t.baseColor);
    // "None" is the value's absence, so the system colour keeps applying.
    if (t.outsideColor == colorNone)
        store.DeleteValue(settingsSection, "OutsideColor");
    else
        store.WriteColor(settingsSection, "OutsideColor", t.outsideColor);
    store.WriteColor(settingsSection, "PreviewColor0", t.previewColor0);
    store.WriteColor(settingsSection, "PreviewColor1", t.previewColor1);
    store.WriteInt(settingsSection, "MaxUndoCount", t.maxUndoCount);
    store.WriteInt(settingsSection, "AutosaveMinutes", t.autosaveMinutes);
    store.WriteInt(settingsSection, "Zoom", t.zoom);
    store.WriteInt(settingsSection, "Unit", t.unit);
    store.WritePoint(settingsSection, "MarginTopLeft", t.marginTopLeft);
}

CDocumentSettings CAppSettings::DocumentSettings() const
{
    CDocumentSettings settings;
    settings.deviceSizeLimit = deviceSizeLimit;
    settings.materialSize = materialSize;
    settings.marginTopLeft = {textDefaults.marginTopLeft.x, textDefaults.marginTopLeft.y};
    settings.maxUndoCount = textDefaults.maxUndoCount;
    settings.baseColor = textDefaults.baseColor;
    settings.layerListShown = layerListShown;
    settings.outsideColor = resolvedOutsideColor;
    settings.penWidth = penWidth;
    settings.penColor = penColor;
    return settings;
}

CTextAttributes CAppSettings::TextAttributes() const
{
    CTextAttributes attributes;
    attributes.text = AnsiCodec::Encode(textDefaults.newText, textDefaults.logFont.lfCharSet);
    attributes.font = textDefaults.logFont;
    attributes.fillBackground = textDefaults.fillBackground ? 1 : 0;
    attributes.drawFrame = textDefaults.drawFrame;
    attributes.fontColor = textDefaults.fontColor;
    attributes.bkgndColor = textDefaults.bkgndColor;
    attributes.frameColor = textDefaults.frameColor;
    attributes.bkgndMargin = {textDefaults.bkgndMargin.x, textDefaults.bkgndMargin.y};
    attributes.multiLineFormat = textDefaults.multiLineFormat;
    attributes.antialias = textDefaults.antialias ? 1 : 0;
    return attributes;
}
