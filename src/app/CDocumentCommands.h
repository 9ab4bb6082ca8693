#pragma once

#include "view/ICommandTarget.h"

#include <QCoreApplication>
#include <QString>

#include <functional>

class CPlateRenderer;

class CAppSettings;
class CVeldraDoc;
class QWidget;

// The document's command table: undo and redo, exporting the plate,
// importing pictures, the print preview, inverting.
class CDocumentCommands : public ICommandTarget
{
    Q_DECLARE_TR_FUNCTIONS(CDocumentCommands)

public:
    // print: sends the Print command, for the preview's own Print button.
    CDocumentCommands(CVeldraDoc& doc, CAppSettings& settings, QWidget* window, std::function<void()> print = {});
    // The plate that Output to Bmp writes and the preview shows, when it is
    // not the layout itself (a record's copy); null from it: the layout.
    void SetPlateSource(std::function<CPlateRenderer*()> source) { m_plateSource = std::move(source); }

    bool OnCommand(CommandId id) override;
    bool OnUpdateCommand(CommandId id, CCommandState& state) override;

    // Adds a picture file to the layout; tells the user when it is not a
    // picture. False when nothing was added. engraveDark: turned to its
    // negative first.
    bool ImportFile(const QString& path, bool reportFailure, bool engraveDark = false);
    void ExportBitmapFile();
    // Import: the file dialog with the picture on the layout's plate.
    void ChooseAndImport();

    // The file-dialog filter of bitmap exports.
    static QStringList BitmapFilters();

private:
    CVeldraDoc& m_doc;
    CAppSettings& m_settings;
    QWidget* m_pWindow;
    std::function<void()> m_print;
    std::function<CPlateRenderer*()> m_plateSource;
};
