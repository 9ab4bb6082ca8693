#pragma once

#include "CAppSettings.h"
#include "CTempFiles.h"

#include <memory>

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

    // Start-up without windows: settings, then the engraver lookup.
    void Startup();
    // Exit without windows: printer choice, settings, temporary files.
    bool Exit();

    CAppSettings& Settings() { return m_settings; }
    const CAppSettings& Settings() const { return m_settings; }
    // The printer the documents talk to, or null.
    IPrinter* CurrentPrinter() const { return m_pPrinter.get(); }
    // Hands the settings, printer and text defaults to a document.
    void Attach(CVeldraDoc& doc);
    QString NewTempFile() { return m_tempFiles.NewTempFile(); }

    static bool IsEngraverDriver(const QString& driver);

private:
    void FindEngraver();
    void SelectStoredPrinter();

    const IPrinterSystem* m_pPrinters;
    CAppSettings m_settings;
    CTempFiles m_tempFiles;
    std::unique_ptr<IPrinter> m_pPrinter;
};
