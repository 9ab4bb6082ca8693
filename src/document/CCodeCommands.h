#pragma once

#include "codes/CCodeMatrix.h"
#include "codes/CCodeDefinition.h"

#include "platform/CPoint.h"

class CDibObj;
class CVeldraDoc;

// Document operations on codes: each records its undo step and tells the
// views.
namespace CCodeCommands {

// A new code on top of the layout, centred on `centre` (layout units),
// its modules from `matrix`.
CDibObj* AddCode(CVeldraDoc& doc, const CCodeDefinition& definition, const CCodeMatrix& matrix, CPoint centre);

} // namespace CCodeCommands
