#include "imaging/CBitmapReader.h"
#include "imaging/CDibImage.h"

#include "TestBytes.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <utility>
#include <vector>

namespace {

// The 40-byte header as the layout defines it.
TestBytes Header(std::int32_t width, std::int32_t height, std::uint16_t bitCount, std::uint32_t compression = 0,
                 std::uint32_t clrUsed = 0)
{
    return TestBytes().u32(40).i32(width).i32(height).u16(1).u16(bitCount).u32(compression)
        .u32(0).i32(2835).i32(2835).u32(clrUsed).u32(0);
}

// File header: "BM", file size, two reserved words, pixel offset.
QByteArray File(const QByteArray& packed, std::uint32_t pixelOffset)
{
    return TestBytes().text("BM").u32(std::uint32_t(14 + packed.size())).u16(0).u16(0).u32(pixelOffset).raw(packed);
}

QByteArray RowBytes(const CDibImage& image, int y)
{
    return QByteArray(reinterpret_cast<const char*>(image.Row(y)), qsizetype(image.Stride()));
}

QByteArray InfoBytes(const CDibImage& image)
{
    return QByteArray(reinterpret_cast<const char*>(image.Info().data()), qsizetype(image.Info().size()));
}

bool Packed(const QByteArray& packed, CDibImage& image)
{
    return CBitmapReader::ReadPacked(packed, image);
}

// 8 bits, 3 x 2, two table entries (red, blue); rows given top row first.
QByteArray Packed8(bool topDown)
{
    TestBytes b = Header(3, topDown ? -2 : 2, 8, 0, 2);
    b.bytes({0, 0, 255, 0, 255, 0, 0, 0});
    const QByteArray top = TestBytes().bytes({0, 1, 0, 0xEE});
    const QByteArray bottom = TestBytes().bytes({1, 1, 0, 0xEE});
    return topDown ? b.raw(top).raw(bottom) : b.raw(bottom).raw(top);
}

// RLE8, 6 x 3, ten table entries; in the stream order (bottom row first):
// a run, a literal of odd length with its pad byte, end of line, a delta
// that skips the middle row, a run, end of bitmap.
QByteArray Rle8File()
{
    const QByteArray packed = Header(6, 3, 8, 1, 10).repeat(0, 40)
        .bytes({3, 5, 0, 3, 7, 8, 9, 0, 0, 0, 0, 2, 2, 1, 2, 4, 0, 1});
    return File(packed, 14 + 40 + 40);
}

TEST(BitmapReader, UncompressedDepths)
{
    CDibImage image;
    // 1 bit, width 10: the table's reserved byte is kept.
    ASSERT_TRUE(Packed(Header(10, 2, 1).bytes({0, 0, 0, 0, 0x10, 0x20, 0x30, 0x7F})
        .bytes({0xFF, 0xC0, 0, 0, 0xAA, 0x80, 0, 0}), image));
    EXPECT_EQ(image.BitCount(), 1);
    EXPECT_EQ(RowBytes(image, 0), TestBytes().bytes({0xAA, 0x80, 0, 0}).data());
    EXPECT_EQ(RowBytes(image, 1), TestBytes().bytes({0xFF, 0xC0, 0, 0}).data());
    EXPECT_EQ(InfoBytes(image).mid(40), TestBytes().bytes({0, 0, 0, 0, 0x10, 0x20, 0x30, 0x7F}).data());
    EXPECT_EQ(image.TableColor(1), RGB(0x30, 0x20, 0x10));

    // 4 bits with three table entries: the pixels follow those three, the
    // other thirteen come out black.
    ASSERT_TRUE(Packed(Header(3, 1, 4, 0, 3).bytes({1, 2, 3, 0, 4, 5, 6, 0, 7, 8, 9, 0})
        .bytes({0x12, 0x00, 0, 0}), image));
    EXPECT_EQ(image.Info().size(), 40u + 64u);
    EXPECT_EQ(image.TableColor(2), RGB(9, 8, 7));
    EXPECT_EQ(image.TableColor(3), 0u);
    EXPECT_EQ(RowBytes(image, 0), TestBytes().bytes({0x12, 0, 0, 0}).data());
    // A count beyond what the depth can index stands for the full table.
    ASSERT_TRUE(Packed(Header(1, 1, 1, 0, 0xFFFFFFFF).bytes({0, 0, 0, 0, 1, 2, 3, 0}).bytes({0x80, 0, 0, 0}), image));
    EXPECT_EQ(image.TableColor(1), RGB(3, 2, 1));

    // 24 bits, width 3: 9 pixel bytes and 3 of padding, which comes out zero.
    ASSERT_TRUE(Packed(Header(3, 2, 24).bytes({1, 2, 3, 4, 5, 6, 7, 8, 9, 0xEE, 0xEE, 0xEE})
        .bytes({10, 11, 12, 13, 14, 15, 16, 17, 18, 0xEE, 0xEE, 0xEE}), image));
    EXPECT_EQ(image.GetPixel(2, 0), RGB(18, 17, 16));
    EXPECT_EQ(image.GetPixel(0, 1), RGB(3, 2, 1));
    EXPECT_EQ(RowBytes(image, 1), TestBytes().bytes({1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 0, 0}).data());
    EXPECT_EQ(image.Info().size(), 40u);

    // 16 bits 5-5-5 and 32 bits carry no masks and stay uncompressed.
    ASSERT_TRUE(Packed(Header(2, 1, 16).bytes({0x00, 0x7C, 0x1F, 0x00}), image));
    EXPECT_EQ(InfoBytes(image), Header(2, 1, 16).data());
    EXPECT_EQ(RowBytes(image, 0), TestBytes().bytes({0x00, 0x7C, 0x1F, 0x00}).data());
    ASSERT_TRUE(Packed(Header(1, 2, 32).bytes({1, 2, 3, 0, 4, 5, 6, 0xFF}), image));
    EXPECT_EQ(InfoBytes(image), Header(1, 2, 32).data());
    EXPECT_EQ(RowBytes(image, 0), TestBytes().bytes({4, 5, 6, 0xFF}).data());
}

TEST(BitmapReader, HeaderComesOutNormalised)
{
    // Top-down, with image size, clrUsed and clrImportant set.
    const QByteArray packed = TestBytes().u32(40).i32(1).i32(-1).u16(1).u16(8).u32(0).u32(4).i32(3780).i32(1890)
        .u32(1).u32(1).bytes({9, 8, 7, 6}).bytes({0, 0, 0, 0});
    CDibImage image;
    ASSERT_TRUE(Packed(packed, image));
    EXPECT_EQ(InfoBytes(image).left(40), TestBytes().u32(40).i32(1).i32(1).u16(1).u16(8).u32(0).u32(0)
        .i32(3780).i32(1890).u32(0).u32(0).data());
    EXPECT_EQ(InfoBytes(image).mid(40, 8), TestBytes().bytes({9, 8, 7, 6, 0, 0, 0, 0}).data());
}

TEST(BitmapReader, BottomUpAndTopDownGiveTheSamePicture)
{
    CDibImage up, down;
    ASSERT_TRUE(Packed(Packed8(false), up));
    ASSERT_TRUE(Packed(Packed8(true), down));
    for (const CDibImage* image : {&up, &down}) {
        EXPECT_EQ(image->Height(), 2);
        EXPECT_EQ(image->GetPixel(0, 0), RGB(255, 0, 0));
        EXPECT_EQ(image->GetPixel(1, 0), RGB(0, 0, 255));
        EXPECT_EQ(image->GetPixel(0, 1), RGB(0, 0, 255));
        EXPECT_EQ(image->GetPixel(2, 1), RGB(255, 0, 0));
    }
    EXPECT_EQ(InfoBytes(up), InfoBytes(down));
}

TEST(BitmapReader, PixelOffsetOfTheFile)
{
    // 8 bits, 2 x 1, two entries: header and table end at byte 62.
    const QByteArray packedHead = Header(2, 1, 8, 0, 2).bytes({0, 0, 0, 0, 1, 1, 1, 0});
    const QByteArray row = TestBytes().bytes({1, 0, 0, 0});
    CDibImage image;
    // A gap of eight bytes before the pixels.
    ASSERT_TRUE(CBitmapReader::ReadFile(File(TestBytes().raw(packedHead).repeat(0xEE, 8).raw(row), 70), image));
    EXPECT_EQ(RowBytes(image, 0), row);
    // Offsets that are 0, inside the table or past the end: the pixels follow the table.
    for (std::uint32_t offset : {0u, 20u, 61u, 66u, 0xFFFFFFFFu}) {
        image.Clear();
        ASSERT_TRUE(CBitmapReader::ReadFile(File(TestBytes().raw(packedHead).raw(row), offset), image)) << offset;
        EXPECT_EQ(RowBytes(image, 0), row) << offset;
    }
}

TEST(BitmapReader, TwoBlockForm)
{
    const QByteArray info = Header(2, 1, 8, 0, 1).bytes({1, 2, 3, 0});
    CDibImage image;
    ASSERT_TRUE(CBitmapReader::ReadPacked(info, TestBytes().bytes({0, 0}).data(), image));
    EXPECT_EQ(image.TableColor(0), RGB(3, 2, 1));
    EXPECT_FALSE(CBitmapReader::ReadPacked(info, TestBytes().bytes({0}).data(), image));
    EXPECT_FALSE(CBitmapReader::ReadPacked(info.left(43), TestBytes().bytes({0, 0}).data(), image));
}

TEST(BitmapReader, BitFields)
{
    const QByteArray masks = TestBytes().u32(0xF800).u32(0x07E0).u32(0x001F);
    const QByteArray pixels = TestBytes().u16(0xF800).u16(0x001F);
    const QByteArray expectedInfo = Header(2, 1, 16, 3).raw(masks);

    // The classic header with the masks after it.
    CDibImage image;
    ASSERT_TRUE(CBitmapReader::ReadFile(File(Header(2, 1, 16, 3).raw(masks).raw(pixels), 66), image));
    EXPECT_EQ(InfoBytes(image), expectedInfo);
    EXPECT_EQ(RowBytes(image, 0), pixels);

    // The 124-byte header: masks inside it, then alpha mask, colour space,
    // end points, gammas, intent and profile fields, all dropped.
    const QByteArray v5 = TestBytes().u32(124).i32(2).i32(1).u16(1).u16(16).u32(3).u32(4).i32(2835).i32(2835)
        .u32(0).u32(0).raw(masks).u32(0xFFFF0000).text("BGRs").repeat(0x55, 48).u32(4).u32(0).u32(0).u32(0)
        .raw(pixels);
    image.Clear();
    ASSERT_TRUE(CBitmapReader::ReadFile(File(v5, 14 + 124), image));
    EXPECT_EQ(InfoBytes(image), expectedInfo);
    EXPECT_EQ(RowBytes(image, 0), pixels);

    // Alpha bit fields with the classic header: four masks, read as three.
    ASSERT_TRUE(Packed(Header(1, 1, 32, 6).u32(0xFF0000).u32(0xFF00).u32(0xFF).u32(0xFF000000)
        .bytes({1, 2, 3, 4}), image));
    EXPECT_EQ(InfoBytes(image), Header(1, 1, 32, 3).u32(0xFF0000).u32(0xFF00).u32(0xFF).data());
    EXPECT_EQ(RowBytes(image, 0), TestBytes().bytes({1, 2, 3, 4}).data());
}

TEST(BitmapReader, LargerHeadersWithoutBitFields)
{
    for (std::uint32_t size : {52u, 56u, 108u, 124u}) {
        const QByteArray packed = TestBytes().u32(size).i32(1).i32(1).u16(1).u16(24).u32(0).u32(0).u32(0).u32(0)
            .u32(0).u32(0).repeat(0xAB, int(size) - 40).bytes({1, 2, 3, 0});
        CDibImage image;
        ASSERT_TRUE(Packed(packed, image)) << size;
        EXPECT_EQ(image.Info().size(), 40u);
        EXPECT_EQ(image.GetPixel(0, 0), RGB(3, 2, 1));
    }
}

TEST(BitmapReader, Rle8)
{
    CDibImage image;
    ASSERT_TRUE(CBitmapReader::ReadFile(Rle8File(), image));
    EXPECT_EQ(image.BitCount(), 8);
    EXPECT_EQ(InfoBytes(image).left(40), Header(6, 3, 8).data());
    EXPECT_EQ(RowBytes(image, 0), TestBytes().bytes({0, 0, 4, 4, 0, 0, 0, 0}).data());
    EXPECT_EQ(RowBytes(image, 1), QByteArray(8, 0));
    EXPECT_EQ(RowBytes(image, 2), TestBytes().bytes({5, 5, 5, 7, 8, 9, 0, 0}).data());
}

TEST(BitmapReader, Rle4)
{
    // 7 x 2. Bottom row: a literal of five nibbles (three bytes and a pad),
    // a run of two; top row: a literal of three (two bytes, no pad), a delta
    // of one, a run of 1,2 alternating whose last two pixels fall off the row.
    const QByteArray packed = Header(7, 2, 4, 2, 1).u32(0)
        .bytes({0, 5, 0x67, 0x89, 0xA0, 0, 2, 0xBC, 0, 0})
        .bytes({0, 3, 0x34, 0x50, 0, 2, 1, 0, 5, 0x12, 0, 1});
    CDibImage image;
    ASSERT_TRUE(Packed(packed, image));
    EXPECT_EQ(image.BitCount(), 4);
    EXPECT_EQ(image.Info().size(), 40u + 64u);
    EXPECT_EQ(RowBytes(image, 0), TestBytes().bytes({0x34, 0x50, 0x12, 0x10}).data());
    EXPECT_EQ(RowBytes(image, 1), TestBytes().bytes({0x67, 0x89, 0xAB, 0xC0}).data());
}

TEST(BitmapReader, RleClipsAndToleratesAMissingEnd)
{
    const QByteArray head = Header(4, 2, 8, 1, 1).u32(0);
    CDibImage image;
    // A run and a literal longer than the row do not spill into the next row;
    // a delta out of the picture ends it.
    ASSERT_TRUE(Packed(TestBytes().raw(head).bytes({255, 9, 0, 0, 0, 6, 1, 2, 3, 4, 5, 6})
        .bytes({1, 7, 0, 2, 255, 255, 1, 8}), image));
    EXPECT_EQ(RowBytes(image, 1), TestBytes().bytes({9, 9, 9, 9}).data());
    EXPECT_EQ(RowBytes(image, 0), TestBytes().bytes({1, 2, 3, 4}).data());
    // No end-of-bitmap, and a stream cut inside a literal: what was painted stays.
    ASSERT_TRUE(Packed(TestBytes().raw(head).bytes({2, 7}), image));
    EXPECT_EQ(RowBytes(image, 1), TestBytes().bytes({7, 7, 0, 0}).data());
    ASSERT_TRUE(Packed(TestBytes().raw(head).bytes({0, 0, 0, 4, 1, 2}), image));
    EXPECT_EQ(RowBytes(image, 0), TestBytes().bytes({1, 2, 0, 0}).data());
    // A 1 MiB picture from a lone end-of-bitmap is still accepted.
    ASSERT_TRUE(Packed(Header(1024, 1024, 8, 1, 1).u32(0).bytes({0, 1}), image));
    EXPECT_EQ(image.Width(), 1024);
}

class BitmapReaderHostile : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Packed(Header(1, 1, 24).bytes({1, 2, 3, 0}), image));
        info = InfoBytes(image);
    }
    void ExpectUnchanged(const std::string& what) const
    {
        EXPECT_EQ(InfoBytes(image), info) << what;
        EXPECT_EQ(image.GetPixel(0, 0), RGB(3, 2, 1)) << what;
    }

    CDibImage image;
    QByteArray info;
};

TEST_F(BitmapReaderHostile, BadHeadersAndBlocks)
{
    const QByteArray table1 = TestBytes().u32(0);
    const std::vector<std::pair<std::string, QByteArray>> cases = {
        {"width 0", Header(0, 1, 24).u32(0)},
        {"width -1", Header(-1, 1, 24).u32(0)},
        {"width 40000", Header(40000, 1, 8, 0, 1).raw(table1).repeat(0, 40000)},
        {"height 0", Header(1, 0, 24).u32(0)},
        {"height INT_MIN", Header(1, INT_MIN, 24).u32(0)},
        {"height -40000", Header(1, -40000, 8, 0, 1).raw(table1).repeat(0, 40000 * 4)},
        {"over 1 GiB", Header(32767, 32767, 24)},
        {"rows missing", Header(20000, 20000, 8, 0, 1).raw(table1)},
        {"one byte short", Header(2, 2, 8, 0, 1).raw(table1).repeat(0, 5)},
        {"bit count 7", Header(1, 1, 7).u32(0)},
        {"bit count 0", Header(1, 1, 0).u32(0)},
        {"planes 2", TestBytes().u32(40).i32(1).i32(1).u16(2).u16(24).repeat(0, 24).u32(0)},
        {"RLE8 at 24 bits", Header(1, 1, 24, 1).bytes({1, 0, 0, 1})},
        {"RLE4 at 8 bits", Header(1, 1, 8, 2, 1).raw(table1).bytes({1, 0, 0, 1})},
        {"bit fields at 24 bits", Header(1, 1, 24, 3).repeat(0xFF, 12).u32(0)},
        {"compression 4", Header(1, 1, 24, 4).u32(0)},
        {"top-down RLE", Header(1, -1, 8, 1, 1).raw(table1).bytes({1, 0, 0, 1})},
        {"core header", TestBytes().u32(12).u16(1).u16(1).u16(1).u16(24).u32(0)},
        {"header size 39", TestBytes().u32(39).repeat(0, 40)},
        {"header size 64", TestBytes().u32(64).i32(1).i32(1).u16(1).u16(24).repeat(0, 48).u32(0)},
        {"header longer than block", TestBytes().u32(124).i32(1).i32(1).u16(1).u16(24).repeat(0, 60)},
        {"masks cut short", Header(1, 1, 16, 3).repeat(0xFF, 8)},
        {"table cut short", Header(1, 1, 8).repeat(0, 100)},
        {"clrUsed 0xFFFFFFFF at 24 bits", Header(1, 1, 24, 0, 0xFFFFFFFF).u32(0)},
        {"empty RLE stream", Header(1, 1, 8, 1, 1).raw(table1)},
        {"RLE expanding too far", Header(2048, 1024, 8, 1, 1).raw(table1).bytes({0, 1})},
        {"empty", QByteArray()},
    };
    for (const auto& [what, packed] : cases) {
        EXPECT_FALSE(Packed(packed, image)) << what;
        ExpectUnchanged(what);
        EXPECT_FALSE(CBitmapReader::ReadFile(File(packed, 14 + 40), image)) << what;
        ExpectUnchanged(what);
    }
    EXPECT_FALSE(CBitmapReader::ReadFile(File(Header(1, 1, 24).u32(0), 54).replace(0, 2, "MB"), image));
    EXPECT_FALSE(CBitmapReader::ReadFile(TestBytes().text("BM").repeat(0, 11).data(), image));
    ExpectUnchanged("file header");
}

TEST_F(BitmapReaderHostile, EveryPrefixOfAFile)
{
    const auto readPrefixes = [this](const QByteArray& file, qsizetype shortestReadable) {
        for (qsizetype n = 0; n < file.size(); ++n) {
            const bool ok = CBitmapReader::ReadFile(file.left(n), image);
            EXPECT_EQ(ok, n >= shortestReadable) << n;
            if (!ok)
                ExpectUnchanged("prefix " + std::to_string(n));
            else
                ASSERT_TRUE(Packed(Header(1, 1, 24).bytes({1, 2, 3, 0}), image));
        }
    };
    // 24 bits, 3 x 2: the last row's 3 padding bytes may be missing.
    readPrefixes(File(Header(3, 2, 24).repeat(0x11, 24), 54), 14 + 40 + 24 - 3);
    // A run-length stream is taken as far as it goes, once it has a command.
    readPrefixes(Rle8File(), 14 + 80 + 2);
}

} // namespace
