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

// Puts a library entry on the plate: one-of-a-kind entries (materials,
// frames) replace the existing one; frames are centred and sized to the
// printable area.
bool InsertLibraryObject(CVeldraDoc& doc, std::unique_ptr<CDibObj> object, int kind);

} // namespace CMaterialShapes
