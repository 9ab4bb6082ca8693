#pragma once

#include "platform/CPoint.h"
#include "platform/CRect.h"
#include "platform/CSize.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class CDibImage;
class CDibObj;
class CSymbolObj;
class CVeldraDoc;

// Document operations that put pictures on the plate or change them:
// each records its undo step and tells the views.
namespace CPictureCommands {

// The material inside its margins (0.01 mm); not positive where the
// margins leave no room.
CSize PrintableSize(const CVeldraDoc& doc);

// Fits a new picture into the printable area, keeps the full-resolution
// picture in a temporary file, and inserts it before the first picture;
// null where it cannot (no printable area of a dot, no memory).
CDibObj* AddPicture(CVeldraDoc& doc, CDibImage& image, const QString& name);
// The same for a drawing of those proportions, drawn at the dots it takes
// (no bitmap enlarged); the drawing at those dots is kept as its full
// resolution.
using DrawAt = std::function<bool(CSize dots, CDibImage& image)>;
CDibObj* AddDrawing(CVeldraDoc& doc, CSize proportions, const DrawAt& draw, const QString& name);

// A pasted object; a picture with a source file gets its own copy of it.
bool AddPasted(CVeldraDoc& doc, std::unique_ptr<CSymbolObj> object);

// A symbol file read into a new object named after the file (its name
// without folder and extension); null when it cannot be read or its name
// cannot be kept.
std::unique_ptr<CDibObj> ReadLibraryFile(const QString& path);

// A library entry read from its symbol file, named after the file; a
// symbol centred on a layout point when one is given (its size stays).
CDibObj* InsertLibraryFile(CVeldraDoc& doc, const QString& path, int kind, std::optional<CPoint> centre = {});

// Flattens objects of the document into one plate-sized picture as the
// plate shows them (in list order, whatever order they come in), in one
// undo step; black background instead of transparent when asked (Shift
// and Ctrl held).
CDibObj* MergeObjects(CVeldraDoc& doc, const std::vector<CSymbolObj*>& objects, bool blackBackground);

// What Crop Image and Rotate Image work on: a picture, a frame or a symbol
// (a frame or symbol may have to turn with the plate); not the material
// outline, the pen's layer nor a code.
bool IsTurnablePicture(const CSymbolObj& object);

// Quarter turns: 1 clockwise, 2 half, 3 counter-clockwise; 0 changes nothing.
bool RotatePicture(CVeldraDoc& doc, CDibObj& picture, int angleIndex);

// What the Trimming Picture dialog chose: its mode and rectangle (kept in
// the object for next time), the part of the full-resolution picture, and
// the size on the plate (0.01 mm).
struct TrimChoice
{
    int mode = 0;
    CRect displayRect;
    CRect pictureRect;
    CSize size;
};

// Replaces the picture by the chosen part of its full-resolution picture,
// sized and centred on the material; one undo step, none on failure.
bool Trim(CVeldraDoc& doc, CDibObj& picture, const CDibImage& full, const TrimChoice& choice);

// Has the user cut parts of a copy of the picture away; true when the
// cut copy is confirmed, which then replaces the picture.
using PictureCropper = std::function<bool(CDibImage& picture)>;

// Crop Image on a picture, frame or symbol: one undo step, the cut picture, its
// display copy and its layer row. False, and nothing changes, for any
// other object or when the user cancels.
bool Crop(CVeldraDoc& doc, CSymbolObj& object, const PictureCropper& crop);

void Invert(CVeldraDoc& doc);

// Where a fan text placed at a layout point faces, and how far out it sits.
struct FanPlacement
{
    float angle;
    float radius; // 0.1 mm
    bool invert;
};
FanPlacement PlaceFanText(int x, int y);

} // namespace CPictureCommands
