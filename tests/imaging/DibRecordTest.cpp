#include "DibTestImages.h"
#include "TestBytes.h"

#include "imaging/CpuFeatures.h"
#include "imaging/DibLayout.h"
#include "imaging/PackBits.h"
#include "imaging/PackBitsBlocks.h"
#include "imaging/RowBands.h"
#include "platform/CArchive.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace {

QByteArray Encode(const QByteArray& data)
{
    std::vector<std::uint8_t> out;
    PackBits::Encode(reinterpret_cast<const std::uint8_t*>(data.constData()), std::size_t(data.size()), out);
    return QByteArray(reinterpret_cast<const char*>(out.data()), qsizetype(out.size()));
}

QByteArray Decode(const QByteArray& code, std::size_t expected, bool* ok)
{
    QByteArray out(qsizetype(expected), '\0');
    *ok = PackBits::Decode(reinterpret_cast<const std::uint8_t*>(code.constData()), std::size_t(code.size()),
                           reinterpret_cast<std::uint8_t*>(out.data()), expected);
    return out;
}

QByteArray StoreRecord(const CDibImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    CArchive ar(buffer, CArchive::store);
    const_cast<CDibImage&>(image).Serialize(ar);
    ar.Flush();
    return bytes;
}

void LoadRecord(const QByteArray& bytes, CDibImage& image)
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    CArchive ar(buffer, CArchive::load);
    image.Serialize(ar);
}

TestBytes Header(int width, int height, int bitCount)
{
    return TestBytes().u32(40).i32(width).i32(height).u16(1).u16(std::uint16_t(bitCount)).u32(0).u32(0)
        .i32(0).i32(0).u32(0).u32(0);
}

void ExpectSamePixels(const CDibImage& a, const CDibImage& b)
{
    ASSERT_EQ(a.Width(), b.Width());
    ASSERT_EQ(a.Height(), b.Height());
    ASSERT_EQ(a.BitCount(), b.BitCount());
    const std::size_t used = (std::size_t(a.Width()) * a.BitCount() + 7) / 8;
    for (int y = 0; y < a.Height(); ++y)
        EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(a.Row(y)), qsizetype(used)),
                  QByteArray(reinterpret_cast<const char*>(b.Row(y)), qsizetype(used))) << "row " << y;
}

CArchiveException::Cause CauseOf(const QByteArray& record)
{
    CDibImage image;
    try {
        LoadRecord(record, image);
    } catch (const CArchiveException& e) {
        return e.m_cause;
    }
    ADD_FAILURE() << "the record was read";
    return CArchiveException::badSchema;
}

enum class Texture { runs, literals, mixed, grey };

// Pictures whose planes code as long runs (stretches of one colour, some
// longer than a run can hold), as literals (no two neighbours alike) or as
// both mixed at random; grey ones store a single plane.
CDibImage Textured(int width, int height, Texture texture)
{
    CDibImage image;
    image.Create(width, height, 24, 0);
    std::uint32_t noise = std::uint32_t(width * 7919 + height);
    for (int y = 0; y < height; ++y) {
        std::uint8_t* p = image.Row(y);
        for (int x = 0; x < width; ++x, p += 3) {
            noise = noise * 1664525u + 1013904223u;
            const std::uint8_t random = std::uint8_t(noise >> 24);
            switch (texture) {
            case Texture::runs:
                p[0] = std::uint8_t(x / 150 + y);
                p[1] = std::uint8_t(x / 40 + 1);
                p[2] = std::uint8_t(y * 3 + 2);
                break;
            case Texture::literals:
                p[0] = std::uint8_t(x + y);
                p[1] = std::uint8_t(3 * x + y + 1);
                p[2] = std::uint8_t(5 * x + 2 * y + 2);
                break;
            case Texture::mixed:
                p[0] = (noise >> 20) % 4 == 0 ? 9 : random;
                p[1] = std::uint8_t(p[0] + 1 + (random >> 6)); // never grey
                p[2] = (noise >> 12) % 64 < 50 ? std::uint8_t(x / 20) : random;
                break;
            case Texture::grey:
                p[0] = p[1] = p[2] = (noise >> 20) % 3 == 0 ? std::uint8_t(y) : random;
                break;
            }
        }
    }
    return image;
}

// The pixels of the record's picture, and row padding that is zero.
void ExpectReadBack(const CDibImage& picture, const QByteArray& record)
{
    CDibImage back;
    LoadRecord(record, back);
    ExpectSamePixels(back, picture);
    const std::size_t rowBytes = 3 * std::size_t(back.Width());
    for (int y = 0; y < back.Height(); ++y)
        for (std::size_t i = rowBytes; i < back.Stride(); ++i)
            ASSERT_EQ(back.Row(y)[i], 0) << "row " << y;
}

} // namespace

TEST(PackBits, EncodesRunsAndLiteralsAsDocumented)
{
    EXPECT_EQ(Encode(QByteArray(129, 'b')), TestBytes().bytes({0x81, 'b', 0x00, 'b'}).data());
    EXPECT_EQ(Encode(QByteArray(130, 'b')), TestBytes().bytes({0x81, 'b', 0xFF, 'b'}).data());
    EXPECT_EQ(Encode("AAB"), TestBytes().bytes({0xFF, 'A', 0x00, 'B'}).data());
    EXPECT_EQ(Encode("ABCC"), TestBytes().bytes({0x01, 'A', 'B', 0xFF, 'C'}).data());
    EXPECT_EQ(Encode("Z"), TestBytes().bytes({0x00, 'Z'}).data());
    EXPECT_EQ(Encode(""), QByteArray());

    QByteArray distinct;
    for (int i = 0; i < 130; ++i)
        distinct.append(char(i));
    EXPECT_EQ(Encode(distinct), TestBytes().u8(0x7F).raw(distinct.left(128)).u8(0x01).raw(distinct.mid(128)).data());
}

TEST(PackBits, DecodesEveryControlAndRefusesOverruns)
{
    bool ok = false;
    EXPECT_EQ(Decode(TestBytes().bytes({0x80, 'q'}), 129, &ok), QByteArray(129, 'q'));
    EXPECT_TRUE(ok);
    EXPECT_EQ(Decode(TestBytes().bytes({0xFF, 'a', 0x01, 'b', 'c'}), 4, &ok), QByteArray("aabc"));
    EXPECT_TRUE(ok);
    Decode(TestBytes().bytes({0xFE, 'a'}), 2, &ok); // a run of 3 into 2
    EXPECT_FALSE(ok);
    Decode(TestBytes().bytes({0x05, 'a', 'b'}), 6, &ok); // a literal past its data
    EXPECT_FALSE(ok);
    Decode(TestBytes().bytes({0xFF}), 2, &ok);
    EXPECT_FALSE(ok);
}

TEST(PackBits, WorstCaseCodeFitsItsBound)
{
    // One literal byte, then a run of two, over and over: 4 code bytes per 3.
    QByteArray data;
    for (int i = 0; i < 3000; ++i)
        data.append(i % 3 == 0 ? char(i / 3 % 100) : char(200));
    const QByteArray code = Encode(data);
    EXPECT_EQ(code.size(), 4000);
    EXPECT_LE(std::size_t(code.size()), PackBits::MaxCodeSize(std::size_t(data.size())));
}

TEST(PackBits, RoundTripsMixedData)
{
    QByteArray data;
    for (int i = 0; i < 5000; ++i)
        data.append(char((i / 7) % 3 == 0 ? 9 : (i * 31) % 256));
    const QByteArray code = Encode(data);
    bool ok = false;
    EXPECT_EQ(Decode(code, std::size_t(data.size()), &ok), data);
    EXPECT_TRUE(ok);
}

namespace {

// Blocks decoded one after another, as PackBitsBlocks must match.
bool DecodeBlockAfterBlock(const QByteArray& code, std::size_t blockSize, int count, std::vector<std::uint8_t>& out,
                           std::size_t& consumed)
{
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(code.constData());
    consumed = 0;
    for (int block = 0; block < count; ++block) {
        std::size_t used = 0;
        if (!PackBits::Decode(bytes + consumed, std::size_t(code.size()) - consumed,
                              out.data() + blockSize * std::size_t(block), blockSize, &used))
            return false;
        consumed += used;
    }
    return true;
}

// Three 3000-byte planes as a photograph's (noise over a gradient), a
// scan's (long flat stretches) and random bytes (long literals) code them;
// coded as one block, codes run across the planes' ends.
QByteArray ThreePlanesOf(int kind, bool asOneBlock = false)
{
    QByteArray data;
    std::uint32_t noise = 7u + std::uint32_t(kind);
    for (int i = 0; i < 9000; ++i) {
        noise = noise * 1664525u + 1013904223u;
        const int grain = int(noise >> 29);
        data.append(char(kind == 0 ? i / 40 + grain : kind == 1 ? (i / 700) * 50 + (grain == 0) : int(noise >> 24)));
    }
    if (asOneBlock)
        return Encode(data);
    QByteArray code;
    for (int plane = 0; plane < 3; ++plane)
        code += Encode(data.mid(plane * 3000, 3000));
    return code;
}

} // namespace

// The second walk may start anywhere, the code may be cut short, carry a
// wrong byte anywhere or be followed by other bytes: the result is always
// that of decoding the planes one after another.
TEST(PackBitsBlocks, DecodesAsBlockAfterBlockWhereverTheGuessStarts)
{
    constexpr std::size_t blockSize = 3000;
    std::vector<QByteArray> codes;
    for (int kind = 0; kind < 3; ++kind) {
        const QByteArray code = ThreePlanesOf(kind) + QByteArray("after");
        codes.push_back(code);
        codes.push_back(ThreePlanesOf(kind, true));
        for (int at = 0; at < code.size(); at += 37) {
            codes.push_back(code.left(at));
            QByteArray wrong = code;
            wrong[at] = char(wrong[at] ^ (at % 2 ? 0x80 : 0x05));
            codes.push_back(wrong);
        }
    }
    // Runs of 0x81 read the same from every other byte: the walks never meet.
    codes.push_back(QByteArray(6000, char(0x81)) + QByteArray(2000, char(0x01)));
    for (const QByteArray& code : codes) {
        std::vector<std::uint8_t> expected(3 * blockSize), split(3 * blockSize);
        std::size_t expectedEnd = 0;
        const bool sound = DecodeBlockAfterBlock(code, blockSize, 3, expected, expectedEnd);
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(code.constData());
        for (std::size_t at : {std::size_t(1), std::size_t(code.size()) / 3, std::size_t(code.size()) / 2 + 1,
                               std::size_t(code.size()) * 5 / 6}) {
            std::size_t end = 0;
            std::fill(split.begin(), split.end(), 0xEE);
            ASSERT_EQ(PackBitsBlocks::DecodeSplitAt(bytes, std::size_t(code.size()), split.data(), blockSize, 3, at, end),
                      sound) << code.size() << " bytes, guess at " << at;
            if (sound) {
                ASSERT_EQ(end, expectedEnd) << "guess at " << at;
                ASSERT_TRUE(split == expected) << code.size() << " bytes, guess at " << at;
            }
        }
    }
}

TEST(DibRecord, GreyPictureIsOnePlaneInFormatTwo)
{
    const CDibImage grey = Image24(3, 2, {RGB(10, 10, 10), RGB(20, 20, 20), RGB(30, 30, 30),
                                          RGB(40, 40, 40), RGB(40, 40, 40), RGB(40, 40, 40)});
    // The plane is stored bottom row first: 40 40 40 10 20 30.
    const QByteArray expected = TestBytes().i32(2).i32(40).raw(Header(3, 2, 24)).i32(3).i32(2).i32(3)
                                    .bytes({0xFE, 40, 0x02, 10, 20, 30});
    EXPECT_EQ(StoreRecord(grey), expected);
    CDibImage back;
    LoadRecord(expected, back);
    ExpectSamePixels(back, grey);
}

TEST(DibRecord, ColourPlanesCarryNoRowPadding)
{
    // Width 5 at 24 bits: rows of 15 bytes padded to 16 in memory.
    const CDibImage colour = Image24(5, 1, {RGB(1, 2, 3), RGB(1, 2, 3), RGB(1, 2, 3), RGB(1, 2, 3), RGB(9, 8, 7)});
    const QByteArray expected = TestBytes().i32(1).i32(40).raw(Header(5, 1, 24)).i32(5).i32(1).i32(3)
                                    .bytes({0xFD, 1, 0x00, 9})  // red
                                    .bytes({0xFD, 2, 0x00, 8})  // green
                                    .bytes({0xFD, 3, 0x00, 7}); // blue
    EXPECT_EQ(StoreRecord(colour), expected);
    CDibImage back;
    LoadRecord(expected, back);
    ExpectSamePixels(back, colour);
}

TEST(DibRecord, PalettedImagesStoreTheWholeBlockWithPadding)
{
    CDibImage mask;
    ASSERT_TRUE(mask.Create(3, 2, 8, colorNone));
    mask.Row(0)[0] = 1; // top-left
    mask.Row(1)[2] = 2; // bottom-right
    mask.SetPixel(0, 0, RGB(255, 0, 0));
    const QByteArray record = StoreRecord(mask);
    // Bottom row first, each padded to 4 bytes: 0 0 2 0 | 1 0 0 0.
    const QByteArray tail = TestBytes().i32(3).i32(2).i32(1).bytes({0xFF, 0, 0x02, 2, 0, 1, 0xFE, 0});
    EXPECT_EQ(record.left(8), TestBytes().i32(1).i32(40 + 1024).data());
    EXPECT_EQ(record.mid(8 + 40 + 1024), tail);
    CDibImage back;
    LoadRecord(record, back);
    ExpectSamePixels(back, mask);
    EXPECT_EQ(back.GetPixel(0, 0), RGB(255, 0, 0));
}

TEST(DibRecord, ReadsTheOldRawForm)
{
    // Format 0: a byte count and the bottom-up pixel block as it is.
    const QByteArray record = TestBytes().i32(0).i32(40).raw(Header(1, 2, 24)).u32(8)
                                  .bytes({1, 2, 3, 0, 4, 5, 6, 0});
    CDibImage image;
    LoadRecord(record, image);
    EXPECT_EQ(image.GetPixel(0, 1), RGB(3, 2, 1));
    EXPECT_EQ(image.GetPixel(0, 0), RGB(6, 5, 4));
}

TEST(DibRecord, DamagedRecordsFailAndKeepTheImage)
{
    const CDibImage colour = Image24(4, 3, {RGB(1, 2, 3), RGB(4, 5, 6), RGB(7, 8, 9)});
    const QByteArray good = StoreRecord(colour);
    const QByteArray bad[] = {
        // size in the record disagrees with its header
        TestBytes().i32(1).i32(40).raw(Header(4, 3, 24)).i32(5).i32(3).i32(3),
        // information block too short, too long
        TestBytes().i32(1).i32(39),
        TestBytes().i32(1).i32(0x7FFFFFFF),
        // a bit count that does not exist
        TestBytes().i32(1).i32(40).raw(Header(4, 3, 7)).i32(4).i32(3).i32(1),
        // colour planes on an 8-bit header
        TestBytes().i32(1).i32(40).raw(Header(4, 3, 8)).i32(4).i32(3).i32(3),
        // a run that overflows its plane (12 bytes expected)
        TestBytes().i32(2).i32(40).raw(Header(4, 3, 24)).i32(4).i32(3).i32(3).bytes({0x80, 1}),
        // a huge picture claimed over a few bytes
        TestBytes().i32(1).i32(40).raw(Header(30000, 30000, 8)).i32(30000).i32(30000).i32(1).bytes({0x80, 1}),
        // raw form whose byte count is short of the block
        TestBytes().i32(0).i32(40).raw(Header(1, 2, 24)).u32(7).bytes({1, 2, 3, 0, 4, 5, 6}),
    };
    CDibImage image;
    LoadRecord(good, image);
    for (const QByteArray& record : bad) {
        EXPECT_THROW(LoadRecord(record, image), CArchiveException);
        ExpectSamePixels(image, colour);
    }
    for (qsizetype n = 0; n < good.size(); ++n) {
        EXPECT_THROW(LoadRecord(good.left(n), image), CArchiveException) << n;
        ExpectSamePixels(image, colour);
    }
}

// Widths around the sixteen-pixel steps of the interleaving and heights
// that give one band or several, for every kind of code, on one thread and
// on many, with and without the wide loops.
TEST(DibRecord, PlanesReadBackForEveryShapeAndCodeOnEveryPath)
{
    for (const bool wide : {true, false}) {
        CpuFeatures::SetWideAllowed(wide);
        for (const int bands : {64, 1}) {
            RowBands::SetMaximumBands(bands);
            for (const Texture texture : {Texture::runs, Texture::literals, Texture::mixed, Texture::grey})
                for (const int width : {1, 3, 16, 17, 1801})
                    for (const int height : {1, 2, 7, 40}) {
                        SCOPED_TRACE(testing::Message() << width << " x " << height << " texture " << int(texture)
                                                        << " bands " << bands << " wide " << wide);
                        const CDibImage picture = Textured(width, height, texture);
                        const QByteArray record = StoreRecord(picture);
                        ASSERT_EQ(record.left(4), TestBytes().i32(texture == Texture::grey ? 2 : 1).data());
                        ExpectReadBack(picture, record);
                    }
        }
    }
    RowBands::SetMaximumBands(64);
    CpuFeatures::SetWideAllowed(true);
}

// Records follow one another in documents and undo: each read stops just
// after its last code byte.
TEST(DibRecord, ReadingStopsAtTheEndOfTheRecord)
{
    const CDibImage first = Textured(1801, 40, Texture::mixed);
    const CDibImage second = Textured(17, 7, Texture::grey);
    QByteArray bytes = StoreRecord(first) + StoreRecord(second) + TestBytes().i32(-5).data();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    CArchive ar(buffer, CArchive::load);
    CDibImage image;
    image.Serialize(ar);
    ExpectSamePixels(image, first);
    image.Serialize(ar);
    ExpectSamePixels(image, second);
    std::int32_t marker = 0;
    ar >> marker;
    EXPECT_EQ(marker, -5);
}

TEST(DibRecord, CodesThatLeaveTheirPlaneOrEndEarlyFailAsSuch)
{
    // Planes of 12 bytes (4 x 3).
    const TestBytes head = TestBytes().i32(1).i32(40).raw(Header(4, 3, 24)).i32(4).i32(3).i32(3);
    const QByteArray red = TestBytes().bytes({0xF5, 1}).data(); // a run of 12
    // A run that would carry on from the red plane into the green one.
    EXPECT_EQ(CauseOf(TestBytes(head).bytes({0xF7, 1, 0xFD, 1, 0xF5, 2, 0xF5, 3})), CArchiveException::genericException);
    // A literal of 13 in the green plane, its bytes all there.
    EXPECT_EQ(CauseOf(TestBytes(head).raw(red).u8(12).raw(QByteArray(13, 'g')).bytes({0xF5, 3})),
              CArchiveException::genericException);
    // The blue plane's code stops short, at a control and inside a literal.
    EXPECT_EQ(CauseOf(TestBytes(head).raw(red).raw(red).bytes({0xFB, 3})), CArchiveException::endOfFile);
    EXPECT_EQ(CauseOf(TestBytes(head).raw(red).raw(red).bytes({0x0B, 3, 3})), CArchiveException::endOfFile);

    const QByteArray good = StoreRecord(Textured(17, 5, Texture::mixed));
    for (qsizetype n = 0; n < good.size(); ++n)
        ASSERT_EQ(CauseOf(good.left(n)), CArchiveException::endOfFile) << n;
}
