#pragma once

#include <QString>

class CDibObj;
class CVeldraDoc;

// Importing a picture file onto the plate.
namespace CPictureImport {

// Loads the file and adds it as a picture named after the file. True when
// the file loaded, even if adding it failed; object receives the new
// picture when one was added, error the user's message when none loaded.
// engraveDark: the picture turned to its negative first (a dark drawing
// whose lines are to engrave).
bool ImportPicture(CVeldraDoc& doc, const QString& path, const QString& pluginFolder, CDibObj** object = nullptr,
                   QString* error = nullptr, bool engraveDark = false);

} // namespace CPictureImport
