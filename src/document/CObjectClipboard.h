#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

class CDibImage;
class CSymbolObj;
class CVeldraDoc;
class QMimeData;

// What the layout puts on the clipboard and takes back: one placed object
// in the program's own format (an archive stream of the object, pictures
// with their source path and trimming), its display image as a bitmap for
// other programs, and the whole plate as a bitmap.
namespace CObjectClipboard {

inline constexpr const char* objectMimeType = "application/x-veldra-object";
inline constexpr const char* bitmapMimeType = "image/bmp";

// The object's archive stream, written with the document attached.
QByteArray ObjectBytes(CVeldraDoc& doc, const CSymbolObj& object);
// One object read back, or null when the bytes are not one.
std::unique_ptr<CSymbolObj> ReadObject(CVeldraDoc& doc, const QByteArray& bytes);

// The private format, and the display image (when the object has one) as a
// bitmap file and as an image.
std::unique_ptr<QMimeData> MakeObjectData(CVeldraDoc& doc, CSymbolObj& object);
// A bitmap as a bitmap file and as an image.
std::unique_ptr<QMimeData> MakeBitmapData(const CDibImage& image);

bool CanPaste(const QMimeData* data);
// The private format first; otherwise any image becomes a new picture
// named "Clipboard Data". True when something was added.
bool Paste(CVeldraDoc& doc, const QMimeData* data);
bool PasteBitmap(CVeldraDoc& doc, const QMimeData* data);

// The offered image as a 24-bit picture; false when there is none.
bool ReadImage(const QMimeData* data, CDibImage& image);

// The plate rendered for output, as a bitmap on the clipboard.
bool ExportToClipboard(CVeldraDoc& doc);

} // namespace CObjectClipboard
