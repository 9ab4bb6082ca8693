#include "CObjectClipboard.h"

#include "CPictureCommands.h"
#include "CPlateRenderer.h"
#include "CVeldraDoc.h"

#include "imaging/AlphaKey.h"
#include "imaging/CBitmapReader.h"
#include "imaging/CDibImage.h"
#include "objects/CSymbolObj.h"
#include "objects/ObjectClasses.h"
#include "platform/CArchive.h"
#include "platform/CArchiveException.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QPainter>

namespace CObjectClipboard {

namespace {

// The clipboard of another program may offer anything; a bitmap larger
// than this is refused rather than allocated.
constexpr qint64 maxImagePixels = qint64(16384) * 16384;

bool FromQImage(const QImage& source, CDibImage& image)
{
    if (source.isNull() || qint64(source.width()) * source.height() > maxImagePixels)
        return false;
    // A picture with alpha keeps its transparent parts as the key; any
    // other is copied as it is, a pixel of the key's colour moved off it.
    return image.CreateFromRgb888(AlphaKey::Flatten(source));
}

// The same reader as for bitmap files on disk: it honours the pixel offset
// of the file header, which other programs use to leave a gap (a colour
// profile, padding) between the header and the pixels.
bool FromBitmapFile(const QByteArray& bytes, CDibImage& image)
{
    if (!CBitmapReader::ReadFile(bytes, image) || !image.ConvertDepth(24))
        return false;
    image.ReplaceColour(transparentKey, keyReplacement);
    return true;
}

} // namespace

QByteArray ObjectBytes(CVeldraDoc& doc, const CSymbolObj& object)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    CArchive ar(buffer, CArchive::store);
    ar.m_pDocument = &doc;
    ar.WriteObject(&object);
    ar.Close();
    return buffer.data();
}

std::unique_ptr<CSymbolObj> ReadObject(CVeldraDoc& doc, const QByteArray& bytes)
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    try {
        CArchive ar(buffer, CArchive::load, &ObjectClasses());
        ar.m_pDocument = &doc;
        std::unique_ptr<CObject> object = ar.ReadOwnedObject(&CSymbolObj::classInfo);
        if (auto* placed = dynamic_cast<CSymbolObj*>(object.get())) {
            object.release();
            return std::unique_ptr<CSymbolObj>(placed);
        }
    } catch (const std::exception&) {
        // Damaged or foreign bytes: nothing is pasted.
    }
    return nullptr;
}

std::unique_ptr<QMimeData> MakeBitmapData(const CDibImage& image)
{
    auto data = std::make_unique<QMimeData>();
    data->setData(QString::fromLatin1(bitmapMimeType), image.ToBitmapFile());
    data->setImageData(image.ToQImage());
    return data;
}

std::unique_ptr<QMimeData> MakeObjectData(CVeldraDoc& doc, CSymbolObj& object)
{
    CDibImage* image = object.GetImage(false);
    auto data = image && !image->IsEmpty() ? MakeBitmapData(*image) : std::make_unique<QMimeData>();
    data->setData(QString::fromLatin1(objectMimeType), ObjectBytes(doc, object));
    return data;
}

bool CanPaste(const QMimeData* data)
{
    return data
        && (data->hasFormat(QString::fromLatin1(objectMimeType)) || data->hasFormat(QString::fromLatin1(bitmapMimeType))
            || data->hasImage());
}

bool ReadImage(const QMimeData* data, CDibImage& image)
{
    if (!data)
        return false;
    if (data->hasFormat(QString::fromLatin1(bitmapMimeType))
        && FromBitmapFile(data->data(QString::fromLatin1(bitmapMimeType)), image))
        return true;
    return data->hasImage() && FromQImage(qvariant_cast<QImage>(data->imageData()), image);
}

bool PasteBitmap(CVeldraDoc& doc, const QMimeData* data)
{
    CDibImage image;
    if (!ReadImage(data, image))
        return false;
    return CPictureCommands::AddPicture(doc, image, QStringLiteral("Clipboard Data")) != nullptr;
}

bool Paste(CVeldraDoc& doc, const QMimeData* data)
{
    if (!data)
        return false;
    if (data->hasFormat(QString::fromLatin1(objectMimeType)))
        return CPictureCommands::AddPasted(doc, ReadObject(doc, data->data(QString::fromLatin1(objectMimeType))));
    return PasteBitmap(doc, data);
}

bool ExportToClipboard(CVeldraDoc& doc)
{
    CDibImage plate;
    const CSize size = doc.GetDeviceSize();
    if (!plate.Create(size.cx, size.cy, 24))
        return false;
    CPlateRenderer(doc).RenderPlate(plate, CPlateRenderer::output);
    QGuiApplication::clipboard()->setMimeData(MakeBitmapData(plate).release());
    return true;
}

} // namespace CObjectClipboard
