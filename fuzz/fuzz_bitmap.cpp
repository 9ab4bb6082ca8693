// Feeds arbitrary bytes to the bitmap reader as a file, as a packed block
// and as a header block with separate rows. Every image that comes out is
// read in full, so that a pixel block shorter than its header claims shows
// up under the address sanitizer.

#include "imaging/CBitmapReader.h"
#include "imaging/CDibImage.h"

#include <QByteArrayView>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

// Keeps the reads from being optimised away.
volatile std::uint64_t sink = 0;

std::uint64_t Checksum(const CDibImage& image)
{
    std::uint64_t sum = 0;
    for (std::uint8_t b : image.Info())
        sum = sum * 31 + b;
    for (int y = 0; y < image.Height(); ++y) {
        const std::uint8_t* row = image.Row(y);
        for (std::size_t i = 0; i < image.Stride(); ++i)
            sum = sum * 31 + row[i];
    }
    for (int i = 0; i < image.TableEntries(); ++i)
        sum += image.TableColor(i);
    if (image.BitCount() == 8 || image.BitCount() == 24)
        sum += image.GetPixel(image.Width() - 1, image.Height() - 1);
    return sum;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));

    CDibImage image;
    if (CBitmapReader::ReadFile(bytes, image)) {
        // A failed read over a loaded image must leave it exactly as it was.
        const std::vector<std::uint8_t> info = image.Info();
        const std::uint64_t sum = Checksum(image);
        if (!CBitmapReader::ReadPacked(bytes, image) && (image.Info() != info || Checksum(image) != sum))
            __builtin_trap();
    }

    CDibImage packed;
    if (CBitmapReader::ReadPacked(bytes, packed))
        sink = Checksum(packed);

    CDibImage split;
    if (CBitmapReader::ReadPacked(bytes, bytes.sliced(qsizetype(size / 2)), split))
        sink = Checksum(split);
    return 0;
}
