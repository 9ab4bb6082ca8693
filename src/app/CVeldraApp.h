#pragma once

#include "settings/CAppSettings.h"
#include "CTempFiles.h"

#include "library/CLibraryModel.h"

#include <memory>

class CDataFolder;
class CVeldraDoc;
class IPrinter;
class IPrinterSystem;

// The application object without its windows: it owns the user's settings
// for the whole run (read at start, written at exit), the chosen printer,
// and the temporary files it deletes at exit.
class CVeldraApp
{
public:
    // printers: the machine's printers; null when the program has none to ask.
    explicit CVeldraApp(const IPrinterSystem* printers = nullptr);
    ~CVeldraApp();

    // Start-up without windows: the data folder, settings, then the engraver
    // lookup.
    void Startup();
    // Exit without windows: printer choice, settings, temporary files.
    bool Exit();

    CAppSettings& Settings() { return m_settings; }
    const CAppSettings& Settings() const { return m_settings; }
    // The machine's printers, or null when the program has none to ask.
    const IPrinterSystem* Printers() const { return m_pPrinters; }
    // The printer the documents talk to, or null.
    IPrinter* CurrentPrinter() const { return m_pPrinter.get(); }
    // The user chose another printer: it is stored at once and becomes the
    // one documents talk to (reattach them: the old one is gone).
    void ChoosePrinter(const QString& queue);
    // Hands the settings, printer and text defaults to a document.
    void Attach(CVeldraDoc& doc);
    QString NewTempFile() { return m_tempFiles.NewTempFile(); }
    // The shared data folder made sure of at start, and the library folder
    // of one kind ("Mask", "Frame", "Symbol") in it.
    const QString& DataFolder() const { return m_dataFolder; }
    QString LibraryFolder(CLibraryModel::Kind kind) const;

    static bool IsEngraverDriver(const QString& driver);
    static CPrinterChoice ChoiceOf(const QString& queue);

private:
    void FindEngraver();
    void InstallStarterLibrary(const CDataFolder& dataFolder) const;
    void SelectStoredPrinter();

    const IPrinterSystem* m_pPrinters;
    CAppSettings m_settings;
    CTempFiles m_tempFiles;
    std::unique_ptr<IPrinter> m_pPrinter;
    QString m_dataFolder;
};
