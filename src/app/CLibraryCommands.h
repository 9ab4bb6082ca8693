#pragma once

#include "library/window/CLibraryWindowLink.h"
#include "view/ICommandTarget.h"

#include "acquire/scan/ScanTypes.h"

#include "platform/CPoint.h"

#include <QCoreApplication>
#include <QPoint>
#include <QString>

#include <functional>
#include <optional>

class CAppSettings;
class CCommandRouter;
class CVeldraApp;
class CVeldraDoc;
class QWidget;

// The library's commands: inserting a material, frame or symbol from its
// library window, adding entries to the libraries from picture files, and
// Material Setup. Holds the layout's link to the open library window.
class CLibraryCommands : public ICommandTarget
{
    Q_DECLARE_TR_FUNCTIONS(CLibraryCommands)

public:
    CLibraryCommands(CVeldraApp& app, CVeldraDoc& doc, CCommandRouter& router, QWidget* window);

    bool OnCommand(CommandId id) override;
    bool OnUpdateCommand(CommandId id, CCommandState& state) override;

    // The library window of a kind as a chooser: the chosen entry's name, or
    // an empty string when it was cancelled; where it was dropped on the
    // plate when it was dragged there.
    QString ChooseEntry(int kind, QWidget* parent, std::optional<CPoint>* dropped = nullptr);
    // Puts the library entry of a kind and name on the plate (a symbol
    // centred where it was dropped, if it was); tells the user when its
    // file cannot be read.
    bool InsertEntry(int kind, const QString& name, std::optional<CPoint> dropped = {});
    // The layout point under a screen point, when the plate is there.
    using PlateLocator = std::function<std::optional<CPoint>(QPoint global)>;
    void SetPlateLocator(PlateLocator locator) { m_plateLocator = std::move(locator); }
    // Asks for a picture file and opens the add dialog of a kind on it.
    bool AddFromChosenFile(int kind);
    // The add dialog of a kind on a picture file; the open library window
    // lists the new entry afterwards.
    bool AddFromFile(int kind, const QString& path);
    // Add Material from the scanner: the scan, then the add dialog with the
    // scanner's formula for the size.
    bool AddFromScanner();
    using Scanner = std::function<std::optional<ScanResult>(QWidget* parent)>;
    void SetScanner(Scanner scanner) { m_scanner = std::move(scanner); }
    // "Material Setup" over the layout; newDocument: from the last used
    // values, as every new layout starts.
    bool MaterialSetup(bool newDocument);

    const CLibraryWindowLink& Link() const { return m_link; }

private:
    QString Folder(int kind) const;
    QString PluginFolder() const;
    // The library window when one is open, else the main window.
    QWidget* DialogParent() const;
    // The picture dialog's title for an entry of that kind.
    static QString AddTitle(int kind);

    CVeldraApp& m_app;
    CVeldraDoc& m_doc;
    CCommandRouter& m_router;
    QWidget* m_pWindow;
    CLibraryWindowLink m_link;
    Scanner m_scanner;
    PlateLocator m_plateLocator;
};
