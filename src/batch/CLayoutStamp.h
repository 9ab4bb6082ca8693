#pragma once

#include <QByteArray>

class CVeldraDoc;

// What a layout's plate is drawn from, as bytes that differ whenever it
// changed: the plate's device and material, and every object's place, size,
// visibility and name, texts with all their stored fields. Dragging an
// object or its handles changes the layout without telling anyone; a copy
// of the layout compares its stamp to see that it is out of date. Picture
// contents are not in it: they change only through commands that tell.
namespace CLayoutStamp {

QByteArray Of(const CVeldraDoc& doc);

} // namespace CLayoutStamp
