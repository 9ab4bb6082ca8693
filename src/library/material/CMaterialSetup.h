#pragma once

#include <QString>

#include <functional>

class CAppSettings;
class CVeldraDoc;
class QWidget;

// The Material Setup command, and the material setup of every new layout.
class CMaterialSetup {
public:
    // Asks the user for a material from the library: the chosen entry's name, or an empty string when cancelled.
    using MaterialChooser = std::function<QString(QWidget* parent)>;
    // Runs "Material Setup" over the document (newDocument: start from the last used values) and applies the
    // result; false when cancelled or
    // the outline could not be made.
    static bool Run(CVeldraDoc& doc, CAppSettings& settings, bool newDocument, const QString& materialFolder,
                    const MaterialChooser& chooseMaterial, QWidget* parent);
};
