// Reads the picture formats Qt's image readers offer (PNG, GIF, TIFF, WebP,
// ...) for the program's picture import. A pixel less than half opaque
// comes back in the transparent key colour, which the plate never shows.
#include "VeldraImagePlugin.h"

#include "imaging/AlphaKey.h"

#include <QImage>
#include <QImageReader>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

void Put32(unsigned char* p, unsigned v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<unsigned char>(v >> (8 * i));
}

// JPEG and bitmap files are the program's own to read.
bool IsOwnFormat(const QByteArray& format)
{
    return format == "jpeg" || format == "jpg" || format == "bmp";
}

// The formats the readers of this Qt offer, the program's own left out.
QList<QByteArray> OfferedFormats()
{
    QList<QByteArray> formats;
    for (const QByteArray& format : QImageReader::supportedImageFormats())
        if (!IsOwnFormat(format))
            formats.append(format);
    return formats;
}

int CopyOut(const QByteArray& text, char* buffer, int bufferLength)
{
    const int length = std::min<int>(int(text.size()), bufferLength - 1);
    std::memcpy(buffer, text.constData(), std::size_t(length));
    buffer[length] = '\0';
    return length;
}

} // namespace

extern "C" int GetPluginInfo(int infoNumber, char* buffer, int bufferLength)
{
    if (!buffer || bufferLength < 1 || infoNumber < 0)
        return 0;
    if (infoNumber == 0)
        return bufferLength < 5 ? 0 : CopyOut("00IN", buffer, bufferLength);
    // Each format is one kind of file: its pattern, then its description.
    const QList<QByteArray> formats = OfferedFormats();
    const int kind = (infoNumber - 2) / 2;
    if (infoNumber < 2 || kind >= formats.size())
        return 0;
    const QByteArray& format = formats[kind];
    if (infoNumber % 2 == 0)
        return CopyOut("*." + format, buffer, bufferLength);
    return CopyOut(format.toUpper() + " picture", buffer, bufferLength);
}

extern "C" int IsSupported(const char* path, void*)
{
    QImageReader reader(QString::fromUtf8(path));
    return reader.canRead() && !IsOwnFormat(reader.format()) ? 1 : 0;
}

extern "C" int GetPicture(const char* path, long, unsigned int, void** info, void** bits, VeldraProgressCallback, long)
{
    if (!info || !bits)
        return 1;
    QImageReader reader(QString::fromUtf8(path));
    QImage read = reader.read();
    if (read.isNull())
        return 1;
    const QImage flat = AlphaKey::Flatten(read);
    if (flat.isNull())
        return 1;
    const int width = flat.width(), height = flat.height();
    const std::size_t stride = (std::size_t(width) * 3 + 3) & ~std::size_t(3);
    auto* header = static_cast<unsigned char*>(std::calloc(1, 40));
    auto* pixels = static_cast<unsigned char*>(std::calloc(stride, std::size_t(height)));
    if (!header || !pixels) {
        std::free(header);
        std::free(pixels);
        return 1;
    }
    Put32(header, 40);
    Put32(header + 4, unsigned(width));
    Put32(header + 8, unsigned(height));
    header[12] = 1;  // planes
    header[14] = 24; // bits
    for (int y = 0; y < height; ++y) {
        const uchar* in = flat.constScanLine(y);
        unsigned char* out = pixels + stride * std::size_t(height - 1 - y);
        for (int x = 0; x < width; ++x, in += 3, out += 3) {
            out[0] = in[2];
            out[1] = in[1];
            out[2] = in[0];
        }
    }
    *info = header;
    *bits = pixels;
    return 0;
}
