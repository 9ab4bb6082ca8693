#pragma once

#include "CPrinterChoice.h"
#include "CTextDefaults.h"

#include "document/CDocumentSettings.h"
#include "objects/CTextAttributes.h"
#include "GridSettings.h"
#include "imaging/ColorRef.h"
#include "platform/CPoint.h"
#include "platform/CRect.h"
#include "platform/CSize.h"

#include <QCoreApplication>
#include <QString>

#include <functional>

class CSettingsStore;

// Every user setting the program keeps, as plain members that the parts
// using them read and change directly. Loaded once at start; changes stay in
// memory and are saved at exit, except the text defaults, which are saved
// the moment a dialog hands them back. Lengths are in 0.01 mm.
class CAppSettings
{
    Q_DECLARE_TR_FUNCTIONS(CAppSettings)

public:
    // A window's normal (restored) rectangle and how it was shown.
    struct WindowPlacement
    {
        CPoint position;
        CSize size;
        int showCmd = 1;

        CRect NormalRect() const { return {position.x, position.y, position.x + size.cx, position.y + size.cy}; }
        void SetNormalRect(const CRect& rect)
        {
            position = {rect.left, rect.top};
            size = {rect.Width(), rect.Height()};
        }
    };

    // Bitmaps below this side are never worth limiting to.
    static constexpr int minimumDeviceSizeLimit = 1800;

    CAppSettings();

    CPrinterChoice printer;

    bool layerListShown = false;
    int penWidth = 1;
    COLORREF penColor = RGB(0, 0, 0);
    GridSettings grid;
    int previewZoom = 1;
    COLORREF clipColor = RGB(0, 0, 0xFF);
    int clipRange = 20;
    // "Engrave the dark parts" as last chosen for each way a picture comes in.
    bool engraveDarkFrames = false;
    bool engraveDarkSymbols = false;
    bool engraveDarkImports = false;
    // Largest side of a device bitmap, in pixels.
    int deviceSizeLimit = minimumDeviceSizeLimit;

    CTextDefaults textDefaults;
    // Until the user chooses a zoom in the preferences, a layout opens
    // fitted to the window.
    bool zoomChosen = false;

    // Top-left corners on the screen; -1,-1 until a dialog was placed.
    CPoint trimmingDlgPos{-1, -1};
    CPoint symbolPropDlgPos{-1, -1};
    CPoint textPropDlgPos{-1, -1};
    CPoint layerListDlgPos{-1, -1};
    WindowPlacement previewDlg{{0, 0}, {0, 0}, 1};
    WindowPlacement symbolDlg{{0, 0}, {0, 0}, 1};
    // Written by the main window itself when it closes, not at exit.
    WindowPlacement mainWindow{{-1, -1}, {-1, -1}, 1};

    // 0,0: use the printable area.
    CSize materialSize{0, 0};
    int materialShapeIndex = 0;
    QString materialShapeFileName;
    int scanDpi = 300;
    // The scan window's last mode ("Gray", "Color", ...); empty: the device's.
    QString scanMode;
    // The SANE device chosen with Select Source; empty: the first there is.
    QString scanSource;

    // Worked out from the unit and the outside colour after every change
    // of the text defaults.
    bool inch = false;
    COLORREF resolvedOutsideColor = RGB(0xFF, 0xFF, 0xFF);

    // The system preferences that "follow the system" refers to; tests put
    // their own in.
    std::function<bool()> systemMeasureIsInches;
    std::function<COLORREF()> systemWindowColor;

    void Load(const CSettingsStore& store);
    // Everything the exit saves; false when the store could not be written.
    bool SaveAtExit(CSettingsStore& store) const;

    void LoadPrinter(const CSettingsStore& store);
    void SavePrinter(CSettingsStore& store) const;
    void SaveMainWindowPlacement(CSettingsStore& store) const;
    // Saved the moment the user chooses, like the printer.
    void SaveScanSource(CSettingsStore& store) const;
    // The last scan's resolution and mode.
    void SaveScanChoices(CSettingsStore& store) const;

    // What documents and new text objects take from these settings.
    CDocumentSettings DocumentSettings() const;
    CTextAttributes TextAttributes() const;

    CTextDefaults GetTextDefaults() const { return textDefaults; }
    // Takes the record, works out what depends on it and saves it at once.
    bool SetTextDefaults(const CTextDefaults& record, CSettingsStore& store);

    void ResolveDerived();

    static QString DefaultNewText();
    static LOGFONT DefaultLogFont();

private:
    void LoadSettingsSection(const CSettingsStore& store);
    void LoadFontSection(const CSettingsStore& store);
    void LoadWindowSection(const CSettingsStore& store);
    void LoadMaterialSection(const CSettingsStore& store);
    void SaveExitSettings(CSettingsStore& store) const;
    void SaveWindowSection(CSettingsStore& store) const;
    void SaveMaterialSection(CSettingsStore& store) const;
    void SaveFontSection(CSettingsStore& store) const;
    void SaveTextDefaultSettings(CSettingsStore& store) const;
};
