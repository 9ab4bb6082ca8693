// What another program may put on the clipboard: the bytes offered as our
// own object format and as a bitmap file. An object that reads must paste
// into a document, copy back out and read again to the same bytes; a bitmap
// that reads must be a 24-bit picture of a sane size.
#include "document/CObjectClipboard.h"
#include "document/CVeldraDoc.h"
#include "imaging/CDibImage.h"
#include "objects/CSymbolObj.h"

#include <QGuiApplication>
#include <QMimeData>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void Fail(const char* what)
{
    std::fprintf(stderr, "fuzz_clipboard: %s\n", what);
    std::abort();
}

void CheckObject(CVeldraDoc& doc, const QByteArray& bytes)
{
    std::unique_ptr<CSymbolObj> object = CObjectClipboard::ReadObject(doc, bytes);
    if (!object)
        return;
    const QByteArray copied = CObjectClipboard::ObjectBytes(doc, *object);
    std::unique_ptr<CSymbolObj> again = CObjectClipboard::ReadObject(doc, copied);
    if (!again)
        Fail("an object read from the clipboard does not read back");
    if (CObjectClipboard::ObjectBytes(doc, *again) != copied)
        Fail("an object changed on its way through the clipboard");
}

void CheckBitmap(const QByteArray& bytes)
{
    QMimeData data;
    data.setData(QString::fromLatin1(CObjectClipboard::bitmapMimeType), bytes);
    CDibImage image;
    if (!CObjectClipboard::ReadImage(&data, image))
        return;
    if (image.BitCount() != 24 || image.Width() <= 0 || image.Height() <= 0 || image.Width() > 32767
        || image.Height() > 32767)
        Fail("a pasted bitmap is not a sane 24-bit picture");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static CVeldraDoc* doc = [] {
        auto* d = new CVeldraDoc;
        d->SetMaterialSize({9000, 9000});
        d->SetDevice(254, 9000, 9000);
        return d;
    }();
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    CheckObject(*doc, bytes);
    CheckBitmap(bytes);
    return 0;
}
