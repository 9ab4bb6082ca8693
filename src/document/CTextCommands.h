#pragma once

#include "platform/CPoint.h"

class CSymbolObj;
class CVeldraDoc;
class IObjectEditor;

// Placing text objects and editing any object's properties: each hands the
// object to the user through an editor and changes the document only when
// the user confirms.
namespace CTextCommands {

// A text block (block) or horizontal text centred at a plate pixel.
bool AddText(CVeldraDoc& doc, CPoint device, bool block, IObjectEditor& editor);
// A fan text around a plate pixel, facing away from the plate centre.
bool AddFanText(CVeldraDoc& doc, CPoint device, IObjectEditor& editor);
// True when the user confirmed; the object is then changed and undoable.
bool EditObjectProperties(CVeldraDoc& doc, CSymbolObj& object, IObjectEditor& editor);

} // namespace CTextCommands
