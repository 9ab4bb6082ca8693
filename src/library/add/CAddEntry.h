#pragma once

#include <QString>

class CAppSettings;
class CDibImage;
class CVeldraDoc;
class QWidget;

// The commands' way into the add dialogs: Add Material from a file or the
// scanner, Add Frame, Add Symbol, and a file dropped on the library window.
namespace CAddEntry {
// Loads a picture file and runs the add dialog of a kind (CLibraryModel::material/frame/symbol) over it;
// "Unexpected file format." and false when it cannot be loaded. True when an entry was written into folder.
bool OpenAddDialog(int kind, const QString& picturePath, CVeldraDoc& doc, CAppSettings& settings,
                   const QString& folder, const QString& pluginFolder, QWidget* parent);
// Add Material from a scanned picture taken at dpi dots per inch (the scanner comes later): the name "NewShape",
// the resolution edit shown, Width/Height read-only, Keep Aspect disabled.
bool AddScannedMaterial(const CDibImage& picture, int dpi, CVeldraDoc& doc, CAppSettings& settings,
                        const QString& folder, QWidget* parent);
}
