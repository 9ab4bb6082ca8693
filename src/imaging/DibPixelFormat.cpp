#include "DibPixelFormat.h"

#include "DibLayout.h"

#include <bit>

using namespace DibLayout;

std::uint8_t DibPixelFormat::Channel::Extract(std::uint32_t pixel) const
{
    if (bits == 0)
        return 0;
    const std::uint32_t v = (pixel & mask) >> shift;
    if (bits >= 8)
        return std::uint8_t(v >> (bits - 8));
    // Spread a narrow channel over 0..255 so that full scale stays full scale.
    const std::uint32_t top = (1u << bits) - 1;
    return std::uint8_t((v * 255 + top / 2) / top);
}

std::uint32_t DibPixelFormat::Channel::Insert(std::uint8_t value) const
{
    if (bits == 0)
        return 0;
    const std::uint32_t v = bits >= 8 ? std::uint32_t(value) << (bits - 8) : std::uint32_t(value) >> (8 - bits);
    return (v << shift) & mask;
}

void DibPixelFormat::SetMasks(std::uint32_t red, std::uint32_t green, std::uint32_t blue)
{
    for (auto [channel, mask] : {std::pair{&m_red, red}, {&m_green, green}, {&m_blue, blue}}) {
        channel->mask = mask;
        channel->shift = mask ? std::countr_zero(mask) : 0;
        channel->bits = mask ? std::min(32 - std::countl_zero(mask) - channel->shift, 16) : 0;
    }
}

DibPixelFormat::DibPixelFormat(const std::vector<std::uint8_t>& info)
{
    if (info.size() < std::size_t(infoHeaderSize))
        return;
    const InfoHeader header = InfoHeader::Parse(info.data());
    m_bitCount = header.bitCount;
    const int entries = DibLayout::TableEntries(m_bitCount);
    const std::size_t tableEnd = std::size_t(infoHeaderSize) + 4 * std::size_t(entries);
    if (info.size() < tableEnd)
        return;
    for (int i = 0; i < entries; ++i)
        m_table.push_back(ReadU32(info.data() + infoHeaderSize + 4 * i) & 0xFFFFFF);
    if (header.compression == compressionBitFields && info.size() >= tableEnd + 12)
        SetMasks(ReadU32(info.data() + tableEnd), ReadU32(info.data() + tableEnd + 4), ReadU32(info.data() + tableEnd + 8));
    else if (m_bitCount == 16)
        SetMasks(0x7C00, 0x03E0, 0x001F);
    else
        SetMasks(0xFF0000, 0x00FF00, 0x0000FF);
}

DibPixelFormat::DibPixelFormat(int bitCount, std::vector<std::uint32_t> tableQuads)
    : m_bitCount(bitCount), m_table(std::move(tableQuads))
{
    if (bitCount == 16)
        SetMasks(0x7C00, 0x03E0, 0x001F);
    else
        SetMasks(0xFF0000, 0x00FF00, 0x0000FF);
}

COLORREF DibPixelFormat::TableColor(int index) const
{
    if (index < 0 || index >= int(m_table.size()))
        return 0;
    const std::uint32_t q = m_table[std::size_t(index)];
    return RGB(int((q >> 16) & 0xFF), int((q >> 8) & 0xFF), int(q & 0xFF));
}

std::uint32_t DibPixelFormat::GetIndex(const std::uint8_t* row, int x, int bitCount)
{
    switch (bitCount) {
    case 1: return (row[x >> 3] >> (7 - (x & 7))) & 1;
    case 4: return (row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xF;
    case 8: return row[x];
    default: return 0;
    }
}

void DibPixelFormat::SetIndex(std::uint8_t* row, int x, int bitCount, std::uint32_t value)
{
    switch (bitCount) {
    case 1: {
        const std::uint8_t bit = std::uint8_t(0x80 >> (x & 7));
        row[x >> 3] = std::uint8_t(value & 1 ? row[x >> 3] | bit : row[x >> 3] & ~bit);
        break;
    }
    case 4: {
        const int shift = (x & 1) ? 0 : 4;
        row[x >> 1] = std::uint8_t((row[x >> 1] & ~(0xF << shift)) | (value & 0xF) << shift);
        break;
    }
    case 8:
        row[x] = std::uint8_t(value);
        break;
    default:
        break;
    }
}

void DibPixelFormat::DecodeRow(const std::uint8_t* row, int width, std::uint8_t* bgr) const
{
    switch (m_bitCount) {
    case 24:
        std::copy(row, row + 3 * std::size_t(width), bgr);
        return;
    case 16:
    case 32:
        for (int x = 0; x < width; ++x, bgr += 3) {
            const std::uint32_t p = m_bitCount == 16 ? ReadU16(row + 2 * x) : ReadU32(row + 4 * x);
            bgr[0] = m_blue.Extract(p);
            bgr[1] = m_green.Extract(p);
            bgr[2] = m_red.Extract(p);
        }
        return;
    default:
        for (int x = 0; x < width; ++x, bgr += 3) {
            const std::uint32_t index = GetIndex(row, x, m_bitCount);
            const std::uint32_t q = index < m_table.size() ? m_table[index] : 0;
            bgr[0] = std::uint8_t(q);
            bgr[1] = std::uint8_t(q >> 8);
            bgr[2] = std::uint8_t(q >> 16);
        }
        return;
    }
}

int DibPixelFormat::NearestIndex(int r, int g, int b) const
{
    int best = 0;
    long bestDistance = -1;
    for (std::size_t i = 0; i < m_table.size(); ++i) {
        const std::uint32_t q = m_table[i];
        const long dr = long((q >> 16) & 0xFF) - r, dg = long((q >> 8) & 0xFF) - g, db = long(q & 0xFF) - b;
        const long distance = dr * dr + dg * dg + db * db;
        if (bestDistance < 0 || distance < bestDistance) {
            bestDistance = distance;
            best = int(i);
        }
    }
    return best;
}

std::uint32_t DibPixelFormat::PixelValueFor(COLORREF color) const
{
    const int r = GetRValue(color), g = GetGValue(color), b = GetBValue(color);
    if (m_bitCount <= 8)
        return std::uint32_t(NearestIndex(r, g, b));
    if (m_bitCount == 24)
        return std::uint32_t(b) | std::uint32_t(g) << 8 | std::uint32_t(r) << 16;
    return m_red.Insert(std::uint8_t(r)) | m_green.Insert(std::uint8_t(g)) | m_blue.Insert(std::uint8_t(b));
}

void DibPixelFormat::EncodeRow(const std::uint8_t* bgr, int width, std::uint8_t* row) const
{
    if (m_bitCount == 24) {
        std::copy(bgr, bgr + 3 * std::size_t(width), row);
        return;
    }
    for (int x = 0; x < width; ++x, bgr += 3) {
        const std::uint32_t value = PixelValueFor(RGB(bgr[2], bgr[1], bgr[0]));
        if (m_bitCount == 16)
            WriteU16(row + 2 * x, std::uint16_t(value));
        else if (m_bitCount == 32)
            WriteU32(row + 4 * x, value);
        else
            SetIndex(row, x, m_bitCount, value);
    }
}
