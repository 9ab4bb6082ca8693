// Image record bodies from strangers: every outcome is a loaded image or an
// archive exception, never a crash or an allocation the bytes cannot back.
#include "imaging/CDibImage.h"
#include "platform/CArchive.h"

#include <QBuffer>

#include <cstdint>
#include <new>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    CArchive ar(buffer, CArchive::load);
    CDibImage image;
    try {
        image.Serialize(ar);
    } catch (const CArchiveException&) {
        return 0;
    } catch (const std::bad_alloc&) {
        return 0;
    }
    // A loaded image must be whole: read every pixel and store it again.
    unsigned sum = 0;
    for (int y = 0; y < image.Height(); ++y)
        for (std::size_t x = 0; x < image.Stride(); ++x)
            sum += image.Row(y)[x];
    QByteArray out;
    QBuffer outBuffer(&out);
    outBuffer.open(QIODevice::WriteOnly);
    CArchive store(outBuffer, CArchive::store);
    image.Serialize(store);
    store.Flush();
    return int(sum & 0);
}
