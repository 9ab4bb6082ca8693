#pragma once

#include "platform/CPoint.h"

class CDibObj;
class CVeldraDoc;

// The drawing pen and the fill tool on the document's pen layer: a
// plate-sized picture, transparent where nothing was drawn, kept right
// behind the material outline. Points are plate pixels.
namespace CPenCommands {

// The pen layer (index 0, or 1 behind a material outline), made when
// create is set and there is none of the plate's size.
CDibObj* GetPenLayer(CVeldraDoc& doc, bool create);

bool BeginStroke(CVeldraDoc& doc, CPoint point, bool erase);
CPoint ContinueStroke(CVeldraDoc& doc, CPoint point);
// True when the layer changed.
bool EndStroke(CVeldraDoc& doc, CPoint point);
bool FillAt(CVeldraDoc& doc, CPoint point, bool rightButton);
int PenWidthPixels(const CVeldraDoc& doc);

} // namespace CPenCommands
