#pragma once

#include <cstddef>
#include <cstdint>

// Layout facts of device-independent bitmaps shared by the image and by its
// readers and writers: the 40-byte information header, row strides, table
// sizes and the limits we accept from outside data.
namespace DibLayout {

constexpr int infoHeaderSize = 40;
constexpr int fileHeaderSize = 14;
constexpr std::uint32_t compressionRgb = 0;
constexpr std::uint32_t compressionRle8 = 1;
constexpr std::uint32_t compressionRle4 = 2;
constexpr std::uint32_t compressionBitFields = 3;

// Nothing larger is accepted from a file, a clipboard block or a record.
constexpr int maxSide = 32767;
constexpr std::uint64_t maxPixelBytes = std::uint64_t(1) << 30;

bool IsValidBitCount(int bitCount);
// Bytes per row: whole bytes, padded to a multiple of 4.
std::size_t Stride(int width, int bitCount);
// Colour table entries: 2^bitCount up to 8 bits, none above.
int TableEntries(int bitCount);
// True when width x height at bitCount is within the limits above.
bool IsAcceptableSize(int width, int height, int bitCount);

struct InfoHeader
{
    std::uint32_t size = infoHeaderSize;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint16_t planes = 1;
    std::uint16_t bitCount = 0;
    std::uint32_t compression = compressionRgb;
    std::uint32_t sizeImage = 0;
    std::int32_t xPelsPerMeter = 0;
    std::int32_t yPelsPerMeter = 0;
    std::uint32_t clrUsed = 0;
    std::uint32_t clrImportant = 0;

    // Reads the 40 bytes at data (little-endian).
    static InfoHeader Parse(const std::uint8_t* data);
    // Writes the 40 bytes at data.
    void Write(std::uint8_t* data) const;
};

std::uint16_t ReadU16(const std::uint8_t* p);
std::uint32_t ReadU32(const std::uint8_t* p);
void WriteU16(std::uint8_t* p, std::uint16_t v);
void WriteU32(std::uint8_t* p, std::uint32_t v);

} // namespace DibLayout
