#include "CDibImage.h"

#include "CBitmapReader.h"
#include "DibCompositor.h"
#include "DibLayout.h"
#include "DibPixelFormat.h"
#include "DibRecord.h"
#include "DibResampler.h"
#include "DibStretcher.h"

#include "platform/CInputFile.h"
#include "platform/CSafeSave.h"

#include <QFile>

#include <algorithm>
#include <cstring>
#include <new>

using namespace DibLayout;

namespace {

std::size_t InfoSizeFor(int bitCount, std::uint32_t compression)
{
    return std::size_t(infoHeaderSize) + 4 * std::size_t(DibLayout::TableEntries(bitCount))
        + (compression == compressionBitFields ? 12 : 0);
}

std::vector<std::uint8_t> MakeInfo(int width, int height, int bitCount)
{
    std::vector<std::uint8_t> info(InfoSizeFor(bitCount, compressionRgb), 0);
    InfoHeader header;
    header.width = width;
    header.height = height;
    header.bitCount = std::uint16_t(bitCount);
    header.Write(info.data());
    return info;
}

std::uint32_t QuadOf(COLORREF color)
{
    return std::uint32_t(GetBValue(color)) | std::uint32_t(GetGValue(color)) << 8 | std::uint32_t(GetRValue(color)) << 16;
}

// Fills every pixel with one value of the image's own format.
void FillPixels(CDibImage& image, COLORREF color)
{
    const DibPixelFormat format(image.Info());
    const std::uint32_t value = format.PixelValueFor(color);
    const int bitCount = image.BitCount();
    const int width = image.Width();
    std::vector<std::uint8_t> row(image.Stride(), 0);
    for (int x = 0; x < width; ++x) {
        switch (bitCount) {
        case 16: WriteU16(row.data() + 2 * x, std::uint16_t(value)); break;
        case 24:
            row[3 * std::size_t(x)] = std::uint8_t(value);
            row[3 * std::size_t(x) + 1] = std::uint8_t(value >> 8);
            row[3 * std::size_t(x) + 2] = std::uint8_t(value >> 16);
            break;
        case 32: WriteU32(row.data() + 4 * x, value); break;
        default: DibPixelFormat::SetIndex(row.data(), x, bitCount, value); break;
        }
    }
    for (int y = 0; y < image.Height(); ++y)
        std::memcpy(image.Row(y), row.data(), row.size());
}

} // namespace

int CDibImage::TableEntries() const
{
    return DibLayout::TableEntries(m_bitCount);
}

COLORREF CDibImage::TableColor(int index) const
{
    if (index < 0 || index >= TableEntries())
        return 0;
    const std::uint32_t q = ReadU32(m_info.data() + infoHeaderSize + 4 * index);
    return RGB(int((q >> 16) & 0xFF), int((q >> 8) & 0xFF), int(q & 0xFF));
}

void CDibImage::SetLayout(std::vector<std::uint8_t> info, PixelBlock bits, int width, int height, int bitCount)
{
    m_info = std::move(info);
    m_bits = std::move(bits);
    m_width = width;
    m_height = height;
    m_bitCount = bitCount;
    m_stride = DibLayout::Stride(width, bitCount);
}

bool CDibImage::Adopt(std::vector<std::uint8_t> info, PixelBlock bits)
{
    if (info.size() < std::size_t(infoHeaderSize) || !bits)
        return false;
    const InfoHeader header = InfoHeader::Parse(info.data());
    if (header.size != std::uint32_t(infoHeaderSize) || header.planes != 1)
        return false;
    if (!IsAcceptableSize(header.width, header.height, header.bitCount))
        return false;
    const bool bitFields = header.compression == compressionBitFields;
    if (header.compression != compressionRgb && !(bitFields && (header.bitCount == 16 || header.bitCount == 32)))
        return false;
    if (info.size() != InfoSizeFor(header.bitCount, header.compression))
        return false;
    if (bits.size() < DibLayout::Stride(header.width, header.bitCount) * std::size_t(header.height))
        return false;
    SetLayout(std::move(info), std::move(bits), header.width, header.height, header.bitCount);
    return true;
}

void CDibImage::Clear()
{
    SetLayout({}, PixelBlock(), 0, 0, 0);
}

CDibImage CDibImage::Share() const
{
    CDibImage copy;
    copy.SetLayout(m_info, m_bits.Share(), m_width, m_height, m_bitCount);
    return copy;
}

void CDibImage::TakeOwnCopy()
{
    PixelBlock own = PixelBlock::AllocateUninitialised(m_bits.size());
    // Writing on without a copy would change the other image's pixels.
    if (!own)
        throw std::bad_alloc();
    std::memcpy(own.data(), m_bits.data(), m_bits.size());
    m_bits = std::move(own);
}

bool CDibImage::Create(int width, int height, int bitCount, COLORREF fill, const COLORREF* table)
{
    if (IsEmpty() || width != m_width || height != m_height || table) {
        if (!IsAcceptableSize(width, height, bitCount))
            return false;
        std::vector<std::uint8_t> info = MakeInfo(width, height, bitCount);
        for (int i = 0; table && i < DibLayout::TableEntries(bitCount); ++i)
            WriteU32(info.data() + infoHeaderSize + 4 * i, QuadOf(table[i]));
        PixelBlock bits = PixelBlock::Allocate(DibLayout::Stride(width, bitCount) * std::size_t(height));
        if (!bits)
            return false;
        SetLayout(std::move(info), std::move(bits), width, height, bitCount);
    }
    if (fill != colorNone)
        FillPixels(*this, fill);
    return true;
}

bool CDibImage::CreateToOverwrite(int width, int height, int bitCount)
{
    if (!IsAcceptableSize(width, height, bitCount) || bitCount <= 8)
        return false;
    const std::size_t stride = DibLayout::Stride(width, bitCount);
    PixelBlock bits = PixelBlock::AllocateUninitialised(stride * std::size_t(height));
    if (!bits)
        return false;
    const std::size_t rowBytes = (std::size_t(width) * std::size_t(bitCount) + 7) / 8;
    for (int y = 0; y < height; ++y)
        std::memset(bits.data() + stride * std::size_t(y) + rowBytes, 0, stride - rowBytes);
    SetLayout(MakeInfo(width, height, bitCount), std::move(bits), width, height, bitCount);
    return true;
}

bool CDibImage::LoadBitmapFile(const QString& path)
{
    CInputFile input(path);
    if (!input.Open())
        return false;
    QFile& file = input.File();
    // No bitmap we accept is larger than its largest pixel block plus headers.
    const qint64 size = file.size();
    if (size <= 0 || size > qint64(maxPixelBytes) + 64 * 1024)
        return false;
    // Mapping spares a copy of large files.
    if (const uchar* mapped = file.map(0, size))
        return CBitmapReader::ReadFile(QByteArrayView(mapped, size), *this);
    return CBitmapReader::ReadFile(file.readAll(), *this);
}

bool CDibImage::CreateFromPackedDib(QByteArrayView packed)
{
    return CBitmapReader::ReadPacked(packed, *this);
}

bool CDibImage::CreateFromPackedDib(QByteArrayView info, QByteArrayView bits)
{
    return CBitmapReader::ReadPacked(info, bits, *this);
}

bool CDibImage::CopyImage(const CDibImage& source, const CRect* rect)
{
    if (source.IsEmpty())
        return false;
    if (!rect || rect->IsEmpty()) {
        PixelBlock bits = PixelBlock::AllocateUninitialised(source.BitsSize());
        if (!bits)
            return false;
        std::memcpy(bits.data(), source.Bits(), source.BitsSize());
        SetLayout(source.m_info, std::move(bits), source.m_width, source.m_height, source.m_bitCount);
        return true;
    }
    const int width = rect->Width(), height = rect->Height();
    if (!IsAcceptableSize(width, height, source.m_bitCount))
        return false;
    std::vector<std::uint8_t> info = source.m_info;
    InfoHeader header = InfoHeader::Parse(info.data());
    header.width = width;
    header.height = height;
    header.sizeImage = 0;
    header.Write(info.data());
    const std::size_t stride = DibLayout::Stride(width, source.m_bitCount);
    PixelBlock bits = PixelBlock::Allocate(stride * std::size_t(height));
    if (!bits)
        return false;
    // Parts of the rectangle outside the source stay zero.
    for (int y = 0; y < height; ++y) {
        const int sy = rect->top + y;
        if (sy < 0 || sy >= source.m_height)
            continue;
        std::uint8_t* out = bits.data() + stride * std::size_t(y);
        const std::uint8_t* in = source.Row(sy);
        for (int x = std::max(0, -rect->left); x < width && rect->left + x < source.m_width; ++x) {
            const int sx = rect->left + x;
            if (source.m_bitCount >= 8) {
                const int bytes = source.m_bitCount / 8;
                std::memcpy(out + std::size_t(x) * bytes, in + std::size_t(sx) * bytes, std::size_t(bytes));
            } else {
                DibPixelFormat::SetIndex(out, x, source.m_bitCount, DibPixelFormat::GetIndex(in, sx, source.m_bitCount));
            }
        }
    }
    SetLayout(std::move(info), std::move(bits), width, height, source.m_bitCount);
    return true;
}

bool CDibImage::ConvertDepth(int bitCount)
{
    if (IsEmpty() || !IsAcceptableSize(m_width, m_height, bitCount))
        return false;
    InfoHeader header = InfoHeader::Parse(m_info.data());
    header.bitCount = std::uint16_t(bitCount);
    header.compression = compressionRgb;
    header.sizeImage = header.clrUsed = header.clrImportant = 0;
    std::vector<std::uint8_t> info(InfoSizeFor(bitCount, compressionRgb), 0);
    header.Write(info.data());
    // Our reduction: black and white at 1 bit, evenly spaced greys at 4 and 8.
    const int entries = DibLayout::TableEntries(bitCount);
    std::vector<std::uint32_t> quads;
    for (int i = 0; i < entries; ++i) {
        const int level = entries > 1 ? i * 255 / (entries - 1) : 0;
        quads.push_back(QuadOf(RGB(level, level, level)));
        WriteU32(info.data() + infoHeaderSize + 4 * i, quads.back());
    }
    const std::size_t stride = DibLayout::Stride(m_width, bitCount);
    PixelBlock bits = PixelBlock::Allocate(stride * std::size_t(m_height));
    if (!bits)
        return false;
    const DibPixelFormat from(m_info);
    const DibPixelFormat to(bitCount, std::move(quads));
    std::vector<std::uint8_t> bgr(3 * std::size_t(m_width));
    for (int y = 0; y < m_height; ++y) {
        from.DecodeRow(Row(y), m_width, bgr.data());
        to.EncodeRow(bgr.data(), m_width, bits.data() + stride * std::size_t(y));
    }
    SetLayout(std::move(info), std::move(bits), m_width, m_height, bitCount);
    return true;
}

std::uint8_t* CDibImage::GetPixelAddress(int x, int y)
{
    Detach();
    return const_cast<std::uint8_t*>(std::as_const(*this).GetPixelAddress(x, y));
}

const std::uint8_t* CDibImage::GetPixelAddress(int x, int y) const
{
    if (IsEmpty() || x < 0 || y < 0 || x >= m_width || y >= m_height)
        return nullptr;
    return Row(y) + std::size_t(x) * std::size_t(m_bitCount) / 8;
}

bool CDibImage::CreateFromRgb888(const QImage& picture)
{
    if (picture.format() != QImage::Format_RGB888 || !Create(picture.width(), picture.height(), 24))
        return false;
    for (int y = 0; y < picture.height(); ++y) {
        const uchar* in = picture.constScanLine(y);
        std::uint8_t* out = Row(y);
        for (int x = 0; x < picture.width(); ++x, in += 3, out += 3) {
            out[0] = in[2];
            out[1] = in[1];
            out[2] = in[0];
        }
    }
    return true;
}

void CDibImage::ReplaceColour(COLORREF from, COLORREF to)
{
    if (BitCount() != 24)
        return;
    const std::uint8_t fb = std::uint8_t(GetBValue(from)), fg = std::uint8_t(GetGValue(from)), fr = std::uint8_t(GetRValue(from));
    for (int y = 0; y < Height(); ++y) {
        std::uint8_t* p = Row(y);
        for (int x = 0; x < Width(); ++x, p += 3) {
            if (p[0] == fb && p[1] == fg && p[2] == fr) {
                p[0] = std::uint8_t(GetBValue(to));
                p[1] = std::uint8_t(GetGValue(to));
                p[2] = std::uint8_t(GetRValue(to));
            }
        }
    }
}

bool CDibImage::HasColour(COLORREF colour) const
{
    if (BitCount() != 24)
        return false;
    const std::uint8_t b = std::uint8_t(GetBValue(colour)), g = std::uint8_t(GetGValue(colour)), r = std::uint8_t(GetRValue(colour));
    for (int y = 0; y < Height(); ++y) {
        const std::uint8_t* p = Row(y);
        for (int x = 0; x < Width(); ++x, p += 3)
            if (p[0] == b && p[1] == g && p[2] == r)
                return true;
    }
    return false;
}

COLORREF CDibImage::GetPixel(int x, int y) const
{
    const std::uint8_t* p = GetPixelAddress(x, y);
    if (!p)
        return colorNone;
    if (m_bitCount == 24)
        return RGB(p[2], p[1], p[0]);
    if (m_bitCount == 8)
        return TableColor(*p);
    return colorNone;
}

bool CDibImage::SetPixel(int x, int y, COLORREF color)
{
    std::uint8_t* p = GetPixelAddress(x, y);
    if (!p)
        return false;
    if (m_bitCount == 24) {
        p[0] = std::uint8_t(GetBValue(color));
        p[1] = std::uint8_t(GetGValue(color));
        p[2] = std::uint8_t(GetRValue(color));
        return true;
    }
    if (m_bitCount == 8) {
        // A paletted pixel's colour lives in the table: every pixel sharing
        // the index changes with it.
        WriteU32(m_info.data() + infoHeaderSize + 4 * std::size_t(*p), QuadOf(color));
        return true;
    }
    return false;
}

bool CDibImage::Resample(int dx, int dy, int dw, int dh, const CDibImage& source,
                         int sx, int sy, int sw, int sh, COLORREF key, COLORREF replacement)
{
    return DibResampler::Resample(*this, {dx, dy, dw, dh}, source, {sx, sy, sw, sh}, key, replacement);
}

bool CDibImage::PasteKeyed(const CDibImage& source, const CRect* rect, COLORREF key)
{
    return DibCompositor::PasteKeyed(*this, source, rect, key);
}

bool CDibImage::DrawAt(QPainter& painter, int x, int y) const
{
    return DibStretcher::DrawAt(*this, painter, x, y);
}

bool CDibImage::BltAt(QPainter& painter, int x, int y) const
{
    // Without device-dependent bitmaps both paths are the same copy.
    return DibStretcher::DrawAt(*this, painter, x, y);
}

bool CDibImage::StretchDraw(QPainter& painter, const CRect* dest, const CRect* source, bool fit, StretchMode mode) const
{
    return DibStretcher::StretchDraw(*this, painter, dest, source, fit, mode);
}

std::size_t CDibImage::PackedSize() const
{
    return m_info.size() + BitsSize();
}

bool CDibImage::WritePacked(std::uint8_t* buffer, std::size_t length) const
{
    if (IsEmpty() || !buffer || length < PackedSize())
        return false;
    std::memcpy(buffer, m_info.data(), m_info.size());
    std::uint8_t* out = buffer + m_info.size();
    for (int y = m_height - 1; y >= 0; --y, out += m_stride)
        std::memcpy(out, Row(y), m_stride);
    return true;
}

QByteArray CDibImage::ToPacked() const
{
    if (IsEmpty())
        return {};
    QByteArray packed(qsizetype(PackedSize()), Qt::Uninitialized);
    WritePacked(reinterpret_cast<std::uint8_t*>(packed.data()), std::size_t(packed.size()));
    return packed;
}

QByteArray CDibImage::ToBitmapFile() const
{
    if (IsEmpty())
        return {};
    const std::size_t tableBytes = m_info.size() - infoHeaderSize;
    QByteArray file(qsizetype(fileHeaderSize + PackedSize()), Qt::Uninitialized);
    auto* p = reinterpret_cast<std::uint8_t*>(file.data());
    WriteU16(p, 0x4D42);
    WriteU32(p + 2, std::uint32_t(file.size()));
    WriteU32(p + 6, 0);
    WriteU32(p + 10, std::uint32_t(fileHeaderSize + infoHeaderSize + tableBytes));
    WritePacked(p + fileHeaderSize, PackedSize());
    return file;
}

bool CDibImage::SaveBitmapFile(const QString& path, QString* error) const
{
    if (IsEmpty())
        return false;
    // Written beside the target and renamed over it, so a failed export
    // never leaves half a file where a good one was.
    return CSafeSave::WriteBytes(path, ToBitmapFile(), error);
}

void CDibImage::Serialize(CArchive& ar)
{
    DibRecord::Serialize(*this, ar);
}

QImage CDibImage::PaintSurface()
{
    if (IsEmpty())
        return {};
    const qsizetype stride = qsizetype(m_stride);
    switch (m_bitCount) {
    case 24:
        return QImage(Bits(), m_width, m_height, stride, QImage::Format_BGR888);
    case 8:
        // QPainter refuses indexed images; as grey levels, painting
        // QColor(i, i, i) writes index i.
        return QImage(Bits(), m_width, m_height, stride, QImage::Format_Grayscale8);
    case 1: {
        QImage image(Bits(), m_width, m_height, stride, QImage::Format_Mono);
        image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
        return image;
    }
    default:
        return {};
    }
}

QImage CDibImage::ToQImage() const
{
    if (IsEmpty())
        return {};
    QImage image(m_width, m_height, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    const DibPixelFormat format(m_info);
    std::vector<std::uint8_t> bgr(3 * std::size_t(m_width));
    for (int y = 0; y < m_height; ++y) {
        format.DecodeRow(Row(y), m_width, bgr.data());
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < m_width; ++x)
            out[x] = qRgb(bgr[3 * std::size_t(x) + 2], bgr[3 * std::size_t(x) + 1], bgr[3 * std::size_t(x)]);
    }
    return image;
}
