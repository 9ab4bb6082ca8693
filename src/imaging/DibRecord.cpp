#include "DibRecord.h"

#include "CDibImage.h"
#include "DibLayout.h"
#include "PackBits.h"
#include "PackBitsBlocks.h"
#include "PlaneInterleave.h"
#include "RowBands.h"

#include "platform/CArchive.h"

#include <algorithm>
#include <cstring>
#include <memory>

using namespace DibLayout;

namespace {

constexpr std::int32_t maxInfoSize = infoHeaderSize + 4 * (256 + 3);
// Rows are interleaved in bands of at least this many bytes a thread.
constexpr std::size_t minimumBandBytes = 64 * 1024;

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

// Scratch blocks (the planes, their code) are mapped apart from the C
// library's heap: taken from it, next to the picture's own block, they made
// the library hand the memory back to the system when freed, and every
// later read paid thousands of page faults for it. Blocks of up to a full
// plate's are also kept for the next record the thread reads (a layout
// holds several pictures, undo and redo read records again): fresh pages
// cost their clearing by the system every time.
constexpr std::size_t keptScratchBytes = std::size_t(16) << 20;

enum class ScratchKind { planes, code };

PixelBlock& Kept(ScratchKind which)
{
    thread_local PixelBlock kept[2];
    return kept[int(which)];
}

PixelBlock TakeScratch(ScratchKind which, std::size_t size)
{
    PixelBlock& kept = Kept(which);
    if (kept && kept.size() >= size)
        return std::move(kept);
    kept = {};
    PixelBlock fresh = PixelBlock::Allocate(size);
    if (!fresh)
        throw std::bad_alloc();
    return fresh;
}

void KeepScratch(ScratchKind which, PixelBlock block)
{
    if (block.size() <= keptScratchBytes)
        Kept(which) = std::move(block);
}

// A record's planes decoded from a copy of the code read ahead of the
// archive's position, which then moves past the code. False (nothing read)
// where the stream cannot be read ahead or the code is not sound: the
// caller then decodes from the archive, failing as it always has.
bool DecodeAhead(CArchive& ar, std::uint8_t* planes, std::size_t planeSize, int planeCount)
{
    const qint64 left = ar.BytesLeft();
    if (left <= 0)
        return false;
    const std::size_t want = std::size_t(
        std::min<std::uint64_t>(std::uint64_t(left), std::uint64_t(planeCount) * PackBits::MaxCodeSize(planeSize)));
    PixelBlock code = TakeScratch(ScratchKind::code, want);
    const std::size_t got = ar.PeekInto(code.data(), want);
    std::size_t consumed = 0;
    const bool sound = got > 0 && PackBitsBlocks::Decode(code.data(), got, planes, planeSize, planeCount, consumed);
    KeepScratch(ScratchKind::code, std::move(code));
    if (sound)
        ar.Skip(consumed);
    return sound;
}

// The planes come red, green, blue (a grey picture's one plane stands for
// all three) as bottom-up rows without padding; pixels are B, G, R.
PixelBlock ReadPlanes(CArchive& ar, std::int32_t format, int width, int height, std::size_t stride)
{
    const std::size_t planeSize = std::size_t(width) * std::size_t(height);
    const int planeCount = format == DibRecord::formatPlanes ? 3 : 1;
    RequireCodeFor(ar, planeSize * planeCount);
    PixelBlock block = AllocateOrThrow(stride * std::size_t(height));
    PixelBlock planes = TakeScratch(ScratchKind::planes, planeSize * std::size_t(planeCount));
    if (!DecodeAhead(ar, planes.data(), planeSize, planeCount)) {
        for (int c = 0; c < planeCount; ++c)
            PackBits::Decode(ar, planes.data() + planeSize * std::size_t(c), planeSize);
    }
    const std::uint8_t* red = planes.data();
    const std::uint8_t* green = red + (planeCount == 3 ? planeSize : 0);
    const std::uint8_t* blue = green + (planeCount == 3 ? planeSize : 0);
    const std::size_t rowBytes = 3 * std::size_t(width);
    RowBands::Run(height, int(std::max<std::size_t>(1, minimumBandBytes / stride)), [&](int begin, int end) {
        for (int y = begin; y < end; ++y) {
            std::uint8_t* row = block.data() + stride * std::size_t(y);
            const std::size_t from = std::size_t(height - 1 - y) * std::size_t(width);
            PlaneInterleave::Interleave(blue + from, green + from, red + from, row, std::size_t(width));
            std::memset(row + rowBytes, 0, stride - rowBytes);
        }
    });
    KeepScratch(ScratchKind::planes, std::move(planes));
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
            const auto bottomUp = Scratch(size);
            PackBits::Decode(ar, bottomUp.get(), size);
            block = FlipRows(bottomUp.get(), stride, height);
        } else {
            if (bitCount != 24)
                throw CArchiveException(CArchiveException::genericException);
            block = ReadPlanes(ar, format, width, height, stride);
        }
    }
    if (!image.Adopt(std::move(info), std::move(block)))
        throw CArchiveException(CArchiveException::genericException);
}
