#include "acquire/scan/CScanFrameAssembler.h"
#include "imaging/CDibImage.h"
#include "imaging/DibLayout.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

SANE_Parameters Frame(SANE_Frame format, int depth, int pixels, int lines, int bytesPerLine, bool last = true)
{
    SANE_Parameters p{};
    p.format = format;
    p.last_frame = last ? SANE_TRUE : SANE_FALSE;
    p.depth = depth;
    p.pixels_per_line = pixels;
    p.lines = lines;
    p.bytes_per_line = bytesPerLine;
    return p;
}

// Feeds a frame in slices of `slice` bytes, as reads of any size may come.
bool Feed(CScanFrameAssembler& assembler, const SANE_Parameters& p, const Bytes& bytes, std::size_t slice = 1)
{
    if (!assembler.BeginFrame(p))
        return false;
    for (std::size_t at = 0; at < bytes.size(); at += slice) {
        if (!assembler.Append(bytes.data() + at, std::min(slice, bytes.size() - at)))
            return false;
    }
    return assembler.EndFrame();
}

Bytes Native16(std::initializer_list<std::uint16_t> samples)
{
    Bytes bytes(samples.size() * 2);
    std::memcpy(bytes.data(), std::data(samples), bytes.size());
    return bytes;
}

} // namespace

TEST(FrameAssembler, LineArtTurnsTheScannersOneIntoBlackIndexZero)
{
    CScanFrameAssembler assembler;
    // 10 pixels, 2 lines; 1 = black: line 0 is B W B W B W B W | B B.
    ASSERT_TRUE(Feed(assembler, Frame(SANE_FRAME_GRAY, 1, 10, 2, 2), {0xAA, 0xC0, 0x00, 0x00}));
    CDibImage image;
    ASSERT_TRUE(assembler.Finish(image));
    ASSERT_EQ(image.BitCount(), 1);
    EXPECT_EQ(image.Width(), 10);
    EXPECT_EQ(image.Height(), 2);
    EXPECT_EQ(image.TableColor(0), RGB(0, 0, 0));
    EXPECT_EQ(image.TableColor(1), RGB(255, 255, 255));
    EXPECT_EQ(image.Row(0)[0], 0x55);
    EXPECT_EQ(image.Row(0)[1] & 0xC0, 0x00);
    EXPECT_EQ(image.Row(1)[0], 0xFF);
}

TEST(FrameAssembler, GreyAtEightAndSixteenBitsGivesAGreyPaletteImage)
{
    CScanFrameAssembler eight;
    ASSERT_TRUE(Feed(eight, Frame(SANE_FRAME_GRAY, 8, 3, 1, 3), {0, 128, 255}));
    CScanFrameAssembler sixteen;
    ASSERT_TRUE(Feed(sixteen, Frame(SANE_FRAME_GRAY, 16, 3, 1, 6), Native16({0x00FF, 0x80FF, 0xFF00}), 5));
    for (CScanFrameAssembler* assembler : {&eight, &sixteen}) {
        CDibImage image;
        ASSERT_TRUE(assembler->Finish(image));
        ASSERT_EQ(image.BitCount(), 8);
        EXPECT_EQ(image.TableColor(128), RGB(128, 128, 128));
        EXPECT_EQ(Bytes(image.Row(0), image.Row(0) + 3), (Bytes{0, 128, 255}));
    }
}

TEST(FrameAssembler, ColourBecomesBlueGreenRedWhateverTheSampleDepth)
{
    CScanFrameAssembler eight;
    ASSERT_TRUE(Feed(eight, Frame(SANE_FRAME_RGB, 8, 2, 1, 6), {10, 20, 30, 40, 50, 60}, 4));
    CScanFrameAssembler sixteen;
    ASSERT_TRUE(Feed(sixteen, Frame(SANE_FRAME_RGB, 16, 2, 1, 12),
                     Native16({0x0A00, 0x1400, 0x1E00, 0x2800, 0x3200, 0x3C00}), 7));
    for (CScanFrameAssembler* assembler : {&eight, &sixteen}) {
        CDibImage image;
        ASSERT_TRUE(assembler->Finish(image));
        ASSERT_EQ(image.BitCount(), 24);
        EXPECT_EQ(Bytes(image.Row(0), image.Row(0) + 6), (Bytes{30, 20, 10, 60, 50, 40}));
    }
    // A wider line, whose swap runs in blocks and then pixel by pixel.
    Bytes wide;
    for (int i = 0; i < 3 * 11; ++i)
        wide.push_back(std::uint8_t(i));
    CScanFrameAssembler wideAssembler;
    ASSERT_TRUE(Feed(wideAssembler, Frame(SANE_FRAME_RGB, 8, 11, 1, 33), wide, 33));
    CDibImage wideImage;
    ASSERT_TRUE(wideAssembler.Finish(wideImage));
    for (int x = 0; x < 11; ++x)
        EXPECT_EQ(wideImage.GetPixel(x, 0), RGB(3 * x, 3 * x + 1, 3 * x + 2)) << x;
    EXPECT_EQ(wideImage.Row(0)[33], 0); // padding untouched

    // One bit a sample, three a pixel: red on, then green and blue on.
    CScanFrameAssembler bits;
    ASSERT_TRUE(Feed(bits, Frame(SANE_FRAME_RGB, 1, 2, 1, 1), {0b10001100}));
    CDibImage image;
    ASSERT_TRUE(bits.Finish(image));
    EXPECT_EQ(Bytes(image.Row(0), image.Row(0) + 6), (Bytes{0, 0, 255, 255, 255, 0}));
}

TEST(FrameAssembler, ThreeSingleColourFramesMakeOnePicture)
{
    CScanFrameAssembler assembler;
    ASSERT_TRUE(Feed(assembler, Frame(SANE_FRAME_GREEN, 8, 2, 2, 2, false), {1, 2, 3, 4}));
    ASSERT_TRUE(Feed(assembler, Frame(SANE_FRAME_RED, 8, 2, 2, 2, false), {5, 6, 7, 8}));
    EXPECT_EQ(assembler.Percent(), 66);
    ASSERT_TRUE(Feed(assembler, Frame(SANE_FRAME_BLUE, 16, 2, 2, 4), Native16({0x0900, 0x0A00, 0x0B00, 0x0C00})));
    CDibImage image;
    ASSERT_TRUE(assembler.Finish(image));
    ASSERT_EQ(image.BitCount(), 24);
    EXPECT_EQ(Bytes(image.Row(1), image.Row(1) + 6), (Bytes{11, 3, 7, 12, 4, 8}));
}

TEST(FrameAssembler, PaddedLinesLoseTheirPaddingAndABrokenLastLineIsDropped)
{
    CScanFrameAssembler assembler;
    // Announced 3 lines of 2 pixels in 4 bytes; sends two and a half.
    ASSERT_TRUE(Feed(assembler, Frame(SANE_FRAME_GRAY, 8, 2, 3, 4), {1, 2, 99, 99, 3, 4, 99, 99, 5}, 3));
    CDibImage image;
    ASSERT_TRUE(assembler.Finish(image));
    EXPECT_EQ(image.Height(), 2);
    EXPECT_EQ(Bytes(image.Row(1), image.Row(1) + 2), (Bytes{3, 4}));
}

TEST(FrameAssembler, ImpossibleParametersFailBeforeAnythingIsAllocated)
{
    const SANE_Parameters hostile[] = {
        Frame(SANE_FRAME_GRAY, 8, 100, 10, 99),                       // line shorter than its pixels
        Frame(SANE_FRAME_RGB, 8, 100, 10, 100000),                    // line absurdly longer
        Frame(SANE_FRAME_GRAY, 8, 0, 10, 1),                          // no width
        Frame(SANE_FRAME_GRAY, 8, 10, -5, 10),                        // negative height other than -1
        Frame(SANE_FRAME_GRAY, 12, 10, 10, 15),                       // depth we do not know
        Frame(SANE_Frame(7), 8, 10, 10, 10),                          // format we do not know
        Frame(SANE_FRAME_RGB, 8, 30000, 30000, 90000),                // 900 megapixels
        Frame(SANE_FRAME_GRAY, 8, 0x7FFFFFFF, 1, 0x7FFFFFFF),         // overflowing width
    };
    for (const SANE_Parameters& p : hostile) {
        CScanFrameAssembler assembler;
        EXPECT_FALSE(assembler.BeginFrame(p)) << p.pixels_per_line << " x " << p.lines;
        EXPECT_FALSE(assembler.Error().isEmpty());
        CDibImage image;
        EXPECT_FALSE(assembler.Finish(image));
        EXPECT_TRUE(image.IsEmpty());
    }
}

TEST(FrameAssembler, DataBeyondWhatWasAnnouncedOrAllowedFails)
{
    CScanFrameAssembler more;
    ASSERT_TRUE(more.BeginFrame(Frame(SANE_FRAME_GRAY, 8, 2, 1, 2)));
    EXPECT_FALSE(more.Append(Bytes{1, 2, 3, 4}.data(), 4));

    // A hand scanner's unknown height grows, but not past a picture's limit.
    CScanFrameAssembler endless;
    ASSERT_TRUE(endless.BeginFrame(Frame(SANE_FRAME_GRAY, 8, 1, -1, 1)));
    EXPECT_EQ(endless.Percent(), -1);
    const Bytes chunk(DibLayout::maxSide, 7);
    ASSERT_TRUE(endless.Append(chunk.data(), chunk.size()));
    EXPECT_FALSE(endless.Append(chunk.data(), 1));
}

TEST(FrameAssembler, ColourFramesThatDoNotFitTogetherFail)
{
    CScanFrameAssembler wider;
    ASSERT_TRUE(Feed(wider, Frame(SANE_FRAME_RED, 8, 2, 1, 2, false), {1, 2}));
    EXPECT_FALSE(wider.BeginFrame(Frame(SANE_FRAME_GREEN, 8, 3, 1, 3, false)));

    CScanFrameAssembler shorter;
    ASSERT_TRUE(Feed(shorter, Frame(SANE_FRAME_RED, 8, 1, -1, 1, false), {1, 2}));
    EXPECT_FALSE(Feed(shorter, Frame(SANE_FRAME_GREEN, 8, 1, -1, 1, false), {1}));

    CScanFrameAssembler greyThenColour;
    ASSERT_TRUE(Feed(greyThenColour, Frame(SANE_FRAME_GRAY, 8, 1, 1, 1, false), {1}));
    EXPECT_FALSE(greyThenColour.BeginFrame(Frame(SANE_FRAME_BLUE, 8, 1, 1, 1)));

    CScanFrameAssembler nothing;
    EXPECT_FALSE(Feed(nothing, Frame(SANE_FRAME_GRAY, 8, 1, 5, 1), {}));
    CDibImage image;
    EXPECT_FALSE(nothing.Finish(image));
}
