#pragma once

#include "ColorRef.h"
#include "PixelBlock.h"
#include "StretchMode.h"

#include "platform/CRect.h"

#include <QByteArrayView>
#include <QImage>
#include <QString>

#include <cstdint>
#include <vector>

class CArchive;
class QPainter;

// The one raster image of the program: a device-independent bitmap made of
// the 40-byte information header, a colour table (plus three masks for
// bit-field images) and a pixel block.
//
// In memory the rows are kept top-down with the bitmap stride (whole bytes
// padded to 4), B,G,R byte order at 24 bits; every byte format (records,
// packed blocks, bitmap files) is written and read bottom-up. Pixel
// coordinates count x from the left and y from the top.
//
// Operations that create or replace the image return false and leave the
// previous image as it was when memory or the data are not to be had.
class CDibImage
{
public:
    CDibImage() = default;
    CDibImage(CDibImage&&) noexcept = default;
    CDibImage& operator=(CDibImage&&) noexcept = default;
    CDibImage(const CDibImage&) = delete;
    CDibImage& operator=(const CDibImage&) = delete;

    bool IsEmpty() const { return !m_bits || m_info.empty(); }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    int BitCount() const { return m_bitCount; }
    std::size_t Stride() const { return m_stride; }
    // Colour table entries (2^bits up to 8 bits, else 0), masks not counted.
    int TableEntries() const;

    // Header, colour table and (for bit fields) masks, as the byte formats carry them.
    const std::vector<std::uint8_t>& Info() const { return m_info; }
    // Writable access first takes a copy of pixels shared with another image.
    std::uint8_t* Bits() { Detach(); return m_bits.data(); }
    const std::uint8_t* Bits() const { return m_bits.data(); }
    std::size_t BitsSize() const { return m_stride * std::size_t(m_height); }
    std::uint8_t* Row(int y) { Detach(); return m_bits.data() + m_stride * std::size_t(y); }
    const std::uint8_t* Row(int y) const { return m_bits.data() + m_stride * std::size_t(y); }
    COLORREF TableColor(int index) const;

    // Takes a finished header+table (+masks) and a top-down pixel block of at
    // least stride x height bytes. Fails, keeping the old image, when they
    // do not agree.
    bool Adopt(std::vector<std::uint8_t> info, PixelBlock bits);
    void Clear();

    // The same image over the same pixel block, copied only when one of the
    // two is written to (any writable access: Bits, Row, SetPixel,
    // PaintSurface, ...). Pointers taken for writing before the sharing must
    // not be written through afterwards.
    CDibImage Share() const;
    bool SharesPixelsWith(const CDibImage& other) const { return m_bits && m_bits.SameBytesAs(other.m_bits); }
    // Pixels no other image shares: written without a copy.
    bool OwnsPixelsAlone() const { return m_bits && !m_bits.IsShared(); }

    bool Create(int width, int height, int bitCount, COLORREF fill = colorNone, const COLORREF* table = nullptr);
    // A new image (no colour table) whose pixels are left as the allocator
    // hands them over, row padding zeroed: for an image every pixel of
    // which is written next. Memory freed a moment ago costs no page faults
    // and is not zeroed for nothing.
    bool CreateToOverwrite(int width, int height, int bitCount);
    bool LoadBitmapFile(const QString& path);
    // A packed block: header, table (+masks) and the bottom-up pixel rows.
    bool CreateFromPackedDib(QByteArrayView packed);
    // The same with the pixel rows in a block of their own.
    bool CreateFromPackedDib(QByteArrayView info, QByteArrayView bits);
    // 24 bits of an R,G,B picture (QImage::Format_RGB888), its bytes turned
    // into B,G,R.
    bool CreateFromRgb888(const QImage& picture);
    bool CopyImage(const CDibImage& source, const CRect* rect = nullptr);
    bool ConvertDepth(int bitCount);

    std::uint8_t* GetPixelAddress(int x, int y);
    const std::uint8_t* GetPixelAddress(int x, int y) const;
    COLORREF GetPixel(int x, int y) const;
    // Every pixel of one colour made another (24 bits only).
    void ReplaceColour(COLORREF from, COLORREF to);
    // Whether any pixel has the colour (24 bits only).
    bool HasColour(COLORREF colour) const;
    bool SetPixel(int x, int y, COLORREF color);

    bool Resample(int dx, int dy, int dw, int dh, const CDibImage& source,
                  int sx, int sy, int sw, int sh, COLORREF key, COLORREF replacement);
    bool PasteKeyed(const CDibImage& source, const CRect* rect = nullptr, COLORREF key = colorNone);

    // Drawing onto a painter; all are 1:1 except StretchDraw.
    bool DrawAt(QPainter& painter, int x, int y) const;
    bool BltAt(QPainter& painter, int x, int y) const;
    bool StretchDraw(QPainter& painter, const CRect* dest, const CRect* source, bool fit,
                     StretchMode mode = StretchMode::ColorOnColor) const;

    // Packed form: header + table (+masks) then the bottom-up pixel rows.
    std::size_t PackedSize() const;
    bool WritePacked(std::uint8_t* buffer, std::size_t length) const;
    QByteArray ToPacked() const;
    // Replaces the file only when every byte was written; the reason for
    // the user in `error` when not.
    bool SaveBitmapFile(const QString& path, QString* error = nullptr) const;
    // A bitmap file in memory: the 14-byte file header and the packed form.
    QByteArray ToBitmapFile() const;

    // The image record body.
    void Serialize(CArchive& ar);

    // A QImage over this image's own bytes (no copy) for painting with
    // QPainter at 24 (BGR888), 8 (grey levels = indexes) and 1 bit (Mono);
    // null at other depths. Valid while the image is not replaced.
    QImage PaintSurface();
    // A converted copy for display or export (always ARGB32/RGB32).
    QImage ToQImage() const;

private:
    void Detach()
    {
        if (m_bits.IsShared())
            TakeOwnCopy();
    }
    void TakeOwnCopy();
    void SetLayout(std::vector<std::uint8_t> info, PixelBlock bits, int width, int height, int bitCount);
    void StoreRecord(CArchive& ar) const;
    void LoadRecord(CArchive& ar);

    std::vector<std::uint8_t> m_info;
    PixelBlock m_bits;
    int m_width = 0;
    int m_height = 0;
    int m_bitCount = 0;
    std::size_t m_stride = 0;
};
