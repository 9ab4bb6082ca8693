#include "CBitmapReader.h"

#include "CDibImage.h"
#include "DibLayout.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <utility>
#include <vector>

namespace {

using DibLayout::InfoHeader;
using DibLayout::ReadU32;

// The bit-field variant that also names an alpha mask. We have no use for
// alpha, so such images are read as ordinary bit-field images.
constexpr std::uint32_t compressionAlphaBitFields = 6;

// Run-length data legitimately expands a lot (a two-byte pair paints up to
// 255 pixels), so the input size alone cannot bound the allocation. An
// encoder that spells every row out needs at least one pair per 255 pixels
// and an end-of-line per row: under 128 output bytes per input byte at 8
// bits and under 64 at 4 bits. Allowing 256 refuses nothing such an encoder
// writes. Deltas and an early end-of-bitmap can leave arbitrarily large
// blank areas for a few bytes; the floor keeps small sparse pictures
// readable, and what is still refused is a big picture from a tiny stream,
// which is what a hostile file looks like.
constexpr std::uint64_t rleExpansionLimit = 256;
constexpr std::uint64_t rleFloorBytes = std::uint64_t(1) << 20;

const std::uint8_t* Bytes(QByteArrayView view)
{
    return reinterpret_cast<const std::uint8_t*>(view.data());
}

// Everything learnt from the header block before touching the pixels.
struct Layout
{
    InfoHeader header;
    int width = 0;
    int height = 0; // always positive; the row order is in topDown
    bool topDown = false;
    std::uint32_t compression = DibLayout::compressionRgb; // 0 to 3
    std::array<std::uint32_t, 3> masks{};
    qsizetype tableOffset = 0;
    qsizetype tableEntries = 0; // entries to copy; 0 above 8 bits
    qsizetype tableEnd = 0;     // first byte after header, masks and table
};

bool IsKnownHeaderSize(std::uint32_t size)
{
    // 40 is the classic header; 52, 56, 108 and 124 are its successors
    // (masks, alpha mask, colour space, profile), whose extras we drop. The
    // 12-byte core header has 16-bit fields and a 3-byte table; nobody has
    // written it in decades.
    switch (size) {
    case 40: case 52: case 56: case 108: case 124:
        return true;
    default:
        return false;
    }
}

bool IsRle(std::uint32_t compression)
{
    return compression == DibLayout::compressionRle8 || compression == DibLayout::compressionRle4;
}

bool CompressionFits(std::uint32_t compression, int bitCount)
{
    switch (compression) {
    case DibLayout::compressionRgb:
        return true;
    case DibLayout::compressionRle8:
        return bitCount == 8;
    case DibLayout::compressionRle4:
        return bitCount == 4;
    case DibLayout::compressionBitFields:
        return bitCount == 16 || bitCount == 32;
    default:
        return false;
    }
}

bool ReadGeometry(Layout& layout)
{
    const InfoHeader& h = layout.header;
    if (h.planes != 1 || !DibLayout::IsValidBitCount(h.bitCount))
        return false;
    layout.compression = h.compression == compressionAlphaBitFields ? DibLayout::compressionBitFields : h.compression;
    if (!CompressionFits(layout.compression, h.bitCount))
        return false;
    // 64 bits so that the most negative height has a magnitude.
    const std::int64_t height = h.height;
    const std::int64_t magnitude = height < 0 ? -height : height;
    layout.topDown = height < 0;
    // Run-length streams are defined bottom-up only.
    if (layout.topDown && IsRle(layout.compression))
        return false;
    if (magnitude > DibLayout::maxSide)
        return false;
    layout.width = h.width;
    layout.height = int(magnitude);
    return DibLayout::IsAcceptableSize(layout.width, layout.height, h.bitCount);
}

bool ReadMasks(QByteArrayView info, Layout& layout)
{
    const qsizetype headerSize = qsizetype(layout.header.size);
    layout.tableOffset = headerSize;
    if (layout.compression != DibLayout::compressionBitFields)
        return true;
    qsizetype at = headerSize;
    if (headerSize == DibLayout::infoHeaderSize) {
        // The classic header carries its masks after itself, with a fourth
        // (alpha) mask in the alpha variant.
        const qsizetype maskBytes = layout.header.compression == compressionAlphaBitFields ? 16 : 12;
        if (info.size() < headerSize + maskBytes)
            return false;
        layout.tableOffset = headerSize + maskBytes;
    } else {
        // Every larger header has them inside, right after the classic part.
        at = DibLayout::infoHeaderSize;
    }
    for (std::uint32_t& mask : layout.masks) {
        mask = ReadU32(Bytes(info) + at);
        at += 4;
    }
    return true;
}

bool PlaceTable(QByteArrayView info, Layout& layout)
{
    const int bitCount = layout.header.bitCount;
    std::uint64_t entries = layout.header.clrUsed;
    if (bitCount <= 8) {
        const std::uint64_t full = std::uint64_t(1) << bitCount;
        if (entries == 0 || entries > full)
            entries = full;
    }
    // Above 8 bits a table of clrUsed entries is only a display hint; it
    // still occupies the bytes before the pixels, so it is stepped over.
    const std::uint64_t end = std::uint64_t(layout.tableOffset) + entries * 4;
    if (end > std::uint64_t(info.size()))
        return false;
    layout.tableEntries = bitCount <= 8 ? qsizetype(entries) : 0;
    layout.tableEnd = qsizetype(end);
    return true;
}

std::optional<Layout> ParseLayout(QByteArrayView info)
{
    if (info.size() < 4)
        return std::nullopt;
    const std::uint32_t headerSize = ReadU32(Bytes(info));
    if (!IsKnownHeaderSize(headerSize) || std::uint64_t(info.size()) < headerSize)
        return std::nullopt;
    Layout layout;
    layout.header = InfoHeader::Parse(Bytes(info));
    if (!ReadGeometry(layout) || !ReadMasks(info, layout) || !PlaceTable(info, layout))
        return std::nullopt;
    return layout;
}

// The header block in the form the image keeps: the classic header, the
// whole table (entries the data lacks are black) and the masks.
std::vector<std::uint8_t> BuildInfo(const Layout& layout, QByteArrayView info)
{
    const int bitCount = layout.header.bitCount;
    const int entries = DibLayout::TableEntries(bitCount);
    const bool bitFields = layout.compression == DibLayout::compressionBitFields;
    std::vector<std::uint8_t> out(std::size_t(DibLayout::infoHeaderSize + 4 * entries + (bitFields ? 12 : 0)), 0);

    InfoHeader h;
    h.width = layout.width;
    h.height = layout.height;
    h.bitCount = std::uint16_t(bitCount);
    h.compression = bitFields ? DibLayout::compressionBitFields : DibLayout::compressionRgb;
    h.xPelsPerMeter = layout.header.xPelsPerMeter;
    h.yPelsPerMeter = layout.header.yPelsPerMeter;
    h.Write(out.data());

    std::uint8_t* table = out.data() + DibLayout::infoHeaderSize;
    if (layout.tableEntries > 0)
        std::memcpy(table, Bytes(info) + layout.tableOffset, std::size_t(layout.tableEntries) * 4);
    if (bitFields) {
        for (int i = 0; i < 3; ++i)
            DibLayout::WriteU32(table + 4 * entries + 4 * i, layout.masks[std::size_t(i)]);
    }
    return out;
}

PixelBlock CopyRows(const Layout& layout, QByteArrayView bits)
{
    const int bitCount = layout.header.bitCount;
    const std::size_t stride = DibLayout::Stride(layout.width, bitCount);
    const std::size_t rowBytes = std::size_t((std::uint64_t(layout.width) * std::uint64_t(bitCount) + 7) / 8);
    // Some writers stop after the last pixel and leave out the final row's
    // padding, so only that much is demanded of the last row.
    const std::uint64_t needed = std::uint64_t(stride) * std::uint64_t(layout.height - 1) + rowBytes;
    if (std::uint64_t(bits.size()) < needed)
        return {};
    PixelBlock block = PixelBlock::Allocate(stride * std::size_t(layout.height));
    if (!block)
        return {};
    // Only the pixel bytes are copied; the padding stays zero.
    for (int y = 0; y < layout.height; ++y) {
        const int target = layout.topDown ? y : layout.height - 1 - y;
        std::memcpy(block.data() + stride * std::size_t(target), Bytes(bits) + stride * std::size_t(y), rowBytes);
    }
    return block;
}

// Expands an 8- or 4-bit run-length stream into a zeroed top-down block.
// The stream addresses pixels from the bottom row up; whatever falls to the
// right of a row or above the top row is dropped, so hostile runs and deltas
// cannot write outside the block. Every read is checked against the stream
// size.
class RleDecoder
{
public:
    RleDecoder(QByteArrayView stream, const Layout& layout, PixelBlock& block)
        : m_data(Bytes(stream))
        , m_size(stream.size())
        , m_block(block)
        , m_stride(DibLayout::Stride(layout.width, layout.header.bitCount))
        , m_width(layout.width)
        , m_height(layout.height)
        , m_nibbles(layout.header.bitCount == 4)
    {
    }

    // A stream that stops without its end-of-bitmap mark, even in the middle
    // of a command, keeps what it painted so far and leaves the rest of the
    // picture (its top) at index 0. Writers that omit the final mark are
    // common enough, and a damaged file still shows what it holds; the
    // reads themselves never pass the end of the stream.
    void Decode()
    {
        while (m_y < m_height && Step()) {
        }
    }

private:
    // One command; false when the picture or the data is finished.
    bool Step()
    {
        if (m_pos + 2 > m_size)
            return false;
        const std::uint8_t count = m_data[m_pos];
        const std::uint8_t value = m_data[m_pos + 1];
        m_pos += 2;
        if (count != 0) {
            PaintRun(count, value);
            return true;
        }
        switch (value) {
        case 0: // end of line
            m_x = 0;
            ++m_y;
            return true;
        case 1: // end of bitmap
            return false;
        case 2: // delta: right and up
            if (m_pos + 2 > m_size)
                return false;
            m_x = std::min<std::int64_t>(m_x + m_data[m_pos], m_width);
            m_y += m_data[m_pos + 1];
            m_pos += 2;
            return true;
        default:
            return PaintLiteral(value);
        }
    }

    void PaintRun(int count, std::uint8_t value)
    {
        // At 4 bits the two nibbles of the value alternate, high one first.
        for (int i = 0; i < count && m_x < m_width; ++i)
            Put(!m_nibbles ? value : (i & 1) ? value & 0x0F : value >> 4);
    }

    bool PaintLiteral(int count)
    {
        const qsizetype bytes = m_nibbles ? (count + 1) / 2 : count;
        const qsizetype available = std::min(bytes, m_size - m_pos);
        for (int i = 0; i < count && m_x < m_width; ++i) {
            const qsizetype at = m_nibbles ? i / 2 : i;
            if (at >= available)
                return false;
            const std::uint8_t byte = m_data[m_pos + at];
            Put(!m_nibbles ? byte : (i & 1) ? byte & 0x0F : byte >> 4);
        }
        // Literal data is padded to a whole number of 16-bit words.
        m_pos += bytes + (bytes & 1);
        return true;
    }

    // Paints at the cursor, which the callers keep inside the picture, and
    // moves it right.
    void Put(int index)
    {
        std::uint8_t* row = m_block.data() + m_stride * std::size_t(m_height - 1 - m_y);
        if (!m_nibbles) {
            row[m_x] = std::uint8_t(index);
        } else {
            std::uint8_t& byte = row[m_x / 2];
            byte = (m_x & 1) ? std::uint8_t((byte & 0xF0) | index) : std::uint8_t((byte & 0x0F) | index << 4);
        }
        ++m_x;
    }

    const std::uint8_t* m_data;
    qsizetype m_size;
    qsizetype m_pos = 0;
    PixelBlock& m_block;
    std::size_t m_stride;
    std::int64_t m_width;
    std::int64_t m_height;
    bool m_nibbles;
    std::int64_t m_x = 0;
    std::int64_t m_y = 0; // from the bottom row
};

PixelBlock DecodeRle(const Layout& layout, QByteArrayView stream)
{
    // A stream without a single command is a file cut off after its header.
    if (stream.size() < 2)
        return {};
    const std::uint64_t outBytes = std::uint64_t(DibLayout::Stride(layout.width, layout.header.bitCount))
                                   * std::uint64_t(layout.height);
    if (outBytes > std::max(std::uint64_t(stream.size()) * rleExpansionLimit, rleFloorBytes))
        return {};
    PixelBlock block = PixelBlock::Allocate(std::size_t(outBytes));
    if (!block)
        return {};
    RleDecoder(stream, layout, block).Decode();
    return block;
}

bool Finish(const Layout& layout, QByteArrayView info, QByteArrayView bits, CDibImage& image)
{
    PixelBlock block = IsRle(layout.compression) ? DecodeRle(layout, bits) : CopyRows(layout, bits);
    if (!block)
        return false;
    return image.Adopt(BuildInfo(layout, info), std::move(block));
}

} // namespace

bool CBitmapReader::ReadFile(QByteArrayView file, CDibImage& image)
{
    if (file.size() < DibLayout::fileHeaderSize || file[0] != 'B' || file[1] != 'M')
        return false;
    // The file size field is often wrong and is not needed: the data we
    // hold is what counts.
    const QByteArrayView packed = file.sliced(DibLayout::fileHeaderSize);
    const std::optional<Layout> layout = ParseLayout(packed);
    if (!layout)
        return false;
    // The pixel offset may leave a gap after the table; when it points into
    // the table or past the data (or is 0, as some writers leave it) the
    // pixels are taken to follow the table directly.
    const std::uint64_t offset = ReadU32(Bytes(file) + 10);
    const std::uint64_t tableEnd = std::uint64_t(DibLayout::fileHeaderSize) + std::uint64_t(layout->tableEnd);
    const QByteArrayView bits = offset >= tableEnd && offset < std::uint64_t(file.size())
                                    ? file.sliced(qsizetype(offset))
                                    : packed.sliced(layout->tableEnd);
    return Finish(*layout, packed, bits, image);
}

bool CBitmapReader::ReadPacked(QByteArrayView packed, CDibImage& image)
{
    const std::optional<Layout> layout = ParseLayout(packed);
    return layout && Finish(*layout, packed, packed.sliced(layout->tableEnd), image);
}

bool CBitmapReader::ReadPacked(QByteArrayView info, QByteArrayView bits, CDibImage& image)
{
    const std::optional<Layout> layout = ParseLayout(info);
    return layout && Finish(*layout, info, bits, image);
}
