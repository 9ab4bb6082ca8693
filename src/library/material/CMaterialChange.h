#pragma once

#include "MaterialChoice.h"

#include <memory>

class CAppSettings;
class CDibObj;
class CVeldraDoc;

// What Material Setup starts from and how its choice goes into the
// document.
class CMaterialChange
{
public:
    // A new document starts from the last used values (the printable area
    // while no size was used yet; a size past the document's maximum in
    // either direction becomes the maximum in both); the command from the
    // document's own.
    static MaterialChoice Start(const CVeldraDoc& doc, const CAppSettings& settings, bool newDocument);

    // Puts the choice into the document: size and dots, shape, margins, the
    // outline (library: the object read from choice.path, which the caller
    // read before anything changed), every object refreshed; the last used
    // values remembered; one undo step. False when a built-in outline cannot be made (out
    // of memory): the shape stays as it was.
    static bool Apply(CVeldraDoc& doc, CAppSettings& settings, const MaterialChoice& choice,
                      std::unique_ptr<CDibObj> library);

private:
    static bool MakeOutline(CVeldraDoc& doc, CAppSettings& settings, const MaterialChoice& choice,
                            std::unique_ptr<CDibObj> library);
    static void Remember(CVeldraDoc& doc, CAppSettings& settings, const MaterialChoice& choice);
};
