#include "DibLayout.h"

namespace DibLayout {

bool IsValidBitCount(int bitCount)
{
    switch (bitCount) {
    case 1: case 4: case 8: case 16: case 24: case 32:
        return true;
    default:
        return false;
    }
}

std::size_t Stride(int width, int bitCount)
{
    const std::uint64_t bits = std::uint64_t(width < 0 ? 0 : width) * std::uint64_t(bitCount < 0 ? 0 : bitCount);
    return std::size_t(((bits + 7) / 8 + 3) & ~std::uint64_t(3));
}

int TableEntries(int bitCount)
{
    return bitCount >= 1 && bitCount <= 8 ? 1 << bitCount : 0;
}

bool IsAcceptableSize(int width, int height, int bitCount)
{
    if (width <= 0 || height <= 0 || width > maxSide || height > maxSide || !IsValidBitCount(bitCount))
        return false;
    return std::uint64_t(Stride(width, bitCount)) * std::uint64_t(height) <= maxPixelBytes;
}

std::uint16_t ReadU16(const std::uint8_t* p)
{
    return std::uint16_t(p[0] | p[1] << 8);
}

std::uint32_t ReadU32(const std::uint8_t* p)
{
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
}

void WriteU16(std::uint8_t* p, std::uint16_t v)
{
    p[0] = std::uint8_t(v);
    p[1] = std::uint8_t(v >> 8);
}

void WriteU32(std::uint8_t* p, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = std::uint8_t(v >> (8 * i));
}

InfoHeader InfoHeader::Parse(const std::uint8_t* d)
{
    InfoHeader h;
    h.size = ReadU32(d);
    h.width = std::int32_t(ReadU32(d + 4));
    h.height = std::int32_t(ReadU32(d + 8));
    h.planes = ReadU16(d + 12);
    h.bitCount = ReadU16(d + 14);
    h.compression = ReadU32(d + 16);
    h.sizeImage = ReadU32(d + 20);
    h.xPelsPerMeter = std::int32_t(ReadU32(d + 24));
    h.yPelsPerMeter = std::int32_t(ReadU32(d + 28));
    h.clrUsed = ReadU32(d + 32);
    h.clrImportant = ReadU32(d + 36);
    return h;
}

void InfoHeader::Write(std::uint8_t* d) const
{
    WriteU32(d, size);
    WriteU32(d + 4, std::uint32_t(width));
    WriteU32(d + 8, std::uint32_t(height));
    WriteU16(d + 12, planes);
    WriteU16(d + 14, bitCount);
    WriteU32(d + 16, compression);
    WriteU32(d + 20, sizeImage);
    WriteU32(d + 24, std::uint32_t(xPelsPerMeter));
    WriteU32(d + 28, std::uint32_t(yPelsPerMeter));
    WriteU32(d + 32, clrUsed);
    WriteU32(d + 36, clrImportant);
}

} // namespace DibLayout
