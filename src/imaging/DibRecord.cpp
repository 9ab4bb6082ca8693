#include "DibRecord.h"

#include "CDibImage.h"
#include "DibLayout.h"
#include "PackBits.h"

#include "platform/CArchive.h"

#include <cstring>
#include <memory>

using namespace DibLayout;

namespace {

constexpr std::int32_t maxInfoSize = infoHeaderSize + 4 * (256 + 3);

// Codes one block and writes it; code is scratch space of MaxCodeSize bytes.
void WritePacked(CArchive& ar, const std::uint8_t* bytes, std::size_t size, std::uint8_t* code)
{
    ar.Write(code, PackBits::Encode(bytes, size, code));
}

// Scratch memory that is written before it is read: no zero-filling.
std::unique_ptr<std::uint8_t[]> Scratch(std::size_t size)
{
    return std::unique_ptr<std::uint8_t[]>(new std::uint8_t[size]);
}

void WriteHead(CArchive& ar, const CDibImage& image, DibRecord::Format format, DibRecord::PlaneMode mode)
{
    const std::vector<std::uint8_t>& info = image.Info();
    ar << std::int32_t(format) << std::int32_t(info.size());
    ar.Write(info.data(), info.size());
    ar << std::int32_t(image.Width()) << std::int32_t(image.Height()) << std::int32_t(mode);
}

bool IsGrey(const CDibImage& image)
{
    for (int y = 0; y < image.Height(); ++y) {
        const std::uint8_t* p = image.Row(y);
        for (int x = 0; x < image.Width(); ++x, p += 3)
            if (p[0] != p[2] || p[1] != p[2])
                return false;
    }
    return true;
}

// One channel (0 blue, 1 green, 2 red) of a 24-bit image in stored
// (bottom-up) row order without row padding.
void ExtractPlane(const CDibImage& image, int channel, std::uint8_t* plane)
{
    for (int y = image.Height() - 1; y >= 0; --y) {
        const std::uint8_t* p = image.Row(y) + channel;
        for (int x = 0; x < image.Width(); ++x, p += 3)
            *plane++ = *p;
    }
}

// Refuses a block that the rest of the stream cannot possibly hold before
// anything is allocated for it.
void RequireCodeFor(CArchive& ar, std::uint64_t bytes)
{
    const qint64 left = ar.BytesLeft();
    if (left >= 0 && std::uint64_t(left) < PackBits::MinimumCodeSize(bytes))
        throw CArchiveException(CArchiveException::endOfFile);
}

// Both readers write every byte of the block, row padding included.
PixelBlock AllocateOrThrow(std::size_t size)
{
    PixelBlock block = PixelBlock::AllocateUninitialised(size);
    if (!block)
        throw std::bad_alloc();
    return block;
}

// Turns stored bottom-up rows into the image's top-down block.
PixelBlock FlipRows(const std::uint8_t* bottomUp, std::size_t stride, int height)
{
    PixelBlock block = AllocateOrThrow(stride * std::size_t(height));
    for (int y = 0; y < height; ++y)
        std::memcpy(block.data() + stride * std::size_t(y), bottomUp + stride * std::size_t(height - 1 - y), stride);
    return block;
}

PixelBlock ReadPlanes(CArchive& ar, std::int32_t format, int width, int height, std::size_t stride)
{
    const std::size_t planeSize = std::size_t(width) * std::size_t(height);
    const int planeCount = format == DibRecord::formatPlanes ? 3 : 1;
    RequireCodeFor(ar, planeSize * planeCount);
    PixelBlock block = AllocateOrThrow(stride * std::size_t(height));
    const std::size_t rowBytes = 3 * std::size_t(width);
    for (int y = 0; y < height; ++y)
        std::memset(block.data() + stride * std::size_t(y) + rowBytes, 0, stride - rowBytes);
    // Every byte of the plane is decoded (or the record throws).
    const std::unique_ptr<std::uint8_t[]> plane(new std::uint8_t[planeSize]);
    for (int c = 0; c < planeCount; ++c) {
        PackBits::Decode(ar, plane.get(), planeSize);
        const std::uint8_t* in = plane.get();
        for (int y = height - 1; y >= 0; --y) {
            std::uint8_t* p = block.data() + stride * std::size_t(y);
            if (planeCount == 1) {
                for (int x = 0; x < width; ++x, p += 3, ++in)
                    p[0] = p[1] = p[2] = *in;
            } else {
                // Planes come red, green, blue; pixels are B, G, R.
                p += 2 - c;
                for (int x = 0; x < width; ++x, p += 3, ++in)
                    *p = *in;
            }
        }
    }
    return block;
}

} // namespace

void DibRecord::Serialize(CDibImage& image, CArchive& ar)
{
    if (ar.IsStoring())
        Store(image, ar);
    else
        Load(image, ar);
}

void DibRecord::Store(const CDibImage& image, CArchive& ar)
{
    if (image.IsEmpty())
        throw CArchiveException(CArchiveException::genericException);
    if (image.BitCount() != 24) {
        WriteHead(ar, image, formatPlanes, wholeBlock);
        const std::size_t size = image.BitsSize();
        auto block = Scratch(size);
        for (int y = 0; y < image.Height(); ++y)
            std::memcpy(block.get() + image.Stride() * std::size_t(image.Height() - 1 - y), image.Row(y), image.Stride());
        WritePacked(ar, block.get(), size, Scratch(PackBits::MaxCodeSize(size)).get());
        return;
    }
    const bool grey = IsGrey(image);
    WriteHead(ar, image, grey ? formatGrey : formatPlanes, colourPlanes);
    const std::size_t planeSize = std::size_t(image.Width()) * std::size_t(image.Height());
    auto plane = Scratch(planeSize);
    auto code = Scratch(PackBits::MaxCodeSize(planeSize));
    // Red, green, blue; a grey picture stores its red plane only.
    for (int channel = 2; channel >= (grey ? 2 : 0); --channel) {
        ExtractPlane(image, channel, plane.get());
        WritePacked(ar, plane.get(), planeSize, code.get());
    }
}

void DibRecord::Load(CDibImage& image, CArchive& ar)
{
    std::int32_t format, infoSize;
    ar >> format >> infoSize;
    if (infoSize < infoHeaderSize || infoSize > maxInfoSize)
        throw CArchiveException(CArchiveException::genericException);
    std::vector<std::uint8_t> info(static_cast<std::size_t>(infoSize));
    ar.Read(info.data(), info.size());
    const InfoHeader header = InfoHeader::Parse(info.data());
    const int bitCount = header.bitCount;

    PixelBlock block;
    if (format <= formatRaw) {
        // The old raw form: a byte count and the bottom-up pixel block.
        if (!IsAcceptableSize(header.width, header.height, bitCount))
            throw CArchiveException(CArchiveException::genericException);
        std::uint32_t byteCount;
        ar >> byteCount;
        const std::size_t stride = Stride(header.width, bitCount);
        if (byteCount < stride * std::size_t(header.height))
            throw CArchiveException(CArchiveException::genericException);
        const QByteArray raw = ar.ReadBytes(byteCount);
        block = FlipRows(reinterpret_cast<const std::uint8_t*>(raw.constData()), stride, header.height);
    } else {
        std::int32_t width, height, planeMode;
        ar >> width >> height >> planeMode;
        // The record's own size must be the one its header describes.
        if (width != header.width || height != header.height || !IsAcceptableSize(width, height, bitCount))
            throw CArchiveException(CArchiveException::genericException);
        const std::size_t stride = Stride(width, bitCount);
        if (planeMode == wholeBlock) {
            const std::size_t size = stride * std::size_t(height);
            RequireCodeFor(ar, size);
            std::vector<std::uint8_t> bottomUp(size);
            PackBits::Decode(ar, bottomUp.data(), size);
            block = FlipRows(bottomUp.data(), stride, height);
        } else {
            if (bitCount != 24)
                throw CArchiveException(CArchiveException::genericException);
            block = ReadPlanes(ar, format, width, height, stride);
        }
    }
    if (!image.Adopt(std::move(info), std::move(block)))
        throw CArchiveException(CArchiveException::genericException);
}
