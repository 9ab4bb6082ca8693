#pragma once

#include <memory>

class CDibObj;
class CVeldraDoc;

// The material outline and library entries placed on the plate.
namespace CMaterialShapes {

enum Shape { rectangle = 0, diamond = 1, ellipse = 2 };
enum Kind { material = 0, frame = 1, symbol = 2 };

// Replaces the material object for a built-in shape: none for the
// rectangle, a 1-bit picture (black inside, white outside) of the material
// size in dots for the diamond and the ellipse. False when out of memory.
bool MakeMaterialShape(CVeldraDoc& doc, int shape);

// Draws the built-in outline (diamond, ellipse) again when its picture no
// longer has the material's size in dots, as after a change of device:
// stretched, a 1-bit outline gets ragged edges. The same object keeps its
// place; no undo step, the layout is not marked modified. True when redrawn.
bool RedrawMaterialShape(CVeldraDoc& doc);

// Puts a library entry on the plate: one-of-a-kind entries (materials,
// frames) replace the existing one; frames are centred and sized to the
// printable area. Each removal and insertion is recorded for undo; a
// material's caller groups them with the plate settings.
bool InsertLibraryObject(CVeldraDoc& doc, std::unique_ptr<CDibObj> object, int kind);

} // namespace CMaterialShapes
