#include "output/CPreviewPicture.h"

#include "imaging/CDibImage.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr COLORREF colour0 = RGB(0xC0, 0xC0, 0x40);
constexpr COLORREF colour1 = RGB(0xFF, 0xFF, 0x80);

// Dots set in the 4 x 4 cell of one grey value at 400 %.
int DotsOf(int grey, const CEngraverAdjustments& adjustments, int* onlyRow = nullptr, int* onlyColumn = nullptr)
{
    CPreviewPicture picture;
    picture.SetAdjustments(adjustments);
    CDibImage out;
    EXPECT_TRUE(picture.Render({std::uint8_t(grey)}, 1, 1, 4, colour0, colour1, out));
    int dots = 0;
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            if (out.GetPixel(x, y) == colour1) {
                ++dots;
                if (onlyRow)
                    *onlyRow = y;
                if (onlyColumn)
                    *onlyColumn = x;
            }
    return dots;
}

} // namespace

TEST(PreviewPicture, DotPatternFollowsTheThresholds)
{
    const CEngraverAdjustments neutral{0, 0, 0}; // gamma 1.0
    EXPECT_EQ(DotsOf(0, neutral), 0);
    EXPECT_EQ(DotsOf(0, {50, 50, -900}), 0); // unmarked stays unmarked
    EXPECT_EQ(DotsOf(255, neutral), 16);
    EXPECT_EQ(DotsOf(15, neutral), 0);
    int row = -1, column = -1;
    EXPECT_EQ(DotsOf(16, neutral, &row, &column), 1);
    EXPECT_EQ(row, 2);
    EXPECT_EQ(column, 2);
}

TEST(PreviewPicture, AdjustmentsApplyGammaThenContrastThenBrightness)
{
    CPreviewPicture picture;
    picture.SetAdjustments({0, 0, -500}); // code -500: exponent 1000 / 500
    EXPECT_EQ(picture.Adjust(64), int(std::pow(64 / 255.0, 2.0) * 255));
    picture.SetAdjustments({0, 0, 100}); // code 100: exponent 100 / 200
    EXPECT_EQ(picture.Adjust(64), int(std::sqrt(64 / 255.0) * 255));
    picture.SetAdjustments({10, 0, 0});
    EXPECT_EQ(picture.Adjust(100), 125);
    EXPECT_EQ(picture.Adjust(250), 255);
    picture.SetAdjustments({0, 50, 0});
    EXPECT_EQ(picture.Adjust(137), 157); // (10 * 150 / 50) + 127
    EXPECT_EQ(picture.Adjust(1), 0);

    const auto table = CPreviewPicture::ContrastTable(-50);
    EXPECT_EQ(table[255], (128 * 50 / 150) + 127);
}

TEST(PreviewPicture, GammaCodesReadAsPeopleSayThem)
{
    EXPECT_DOUBLE_EQ(CPreviewPicture::GammaFromCode(-500), 0.5);
    EXPECT_DOUBLE_EQ(CPreviewPicture::GammaFromCode(0), 1.0);
    EXPECT_DOUBLE_EQ(CPreviewPicture::GammaFromCode(899), 9.99);
    EXPECT_EQ(CPreviewPicture::CodeFromGamma(2), 100);
    EXPECT_EQ(CPreviewPicture::CodeFromGamma(0.5), -500);
    EXPECT_EQ(CPreviewPicture::CodeFromGamma(0), 0);
    EXPECT_EQ(CPreviewPicture::CodeFromGamma(20), 899);
}

TEST(PreviewPicture, ShadesAndZoom)
{
    const std::vector<COLORREF> ramp = CPreviewPicture::Ramp(colour0, colour1, 16);
    ASSERT_EQ(ramp.size(), 16u);
    EXPECT_EQ(ramp[0], colour0);
    EXPECT_EQ(ramp[15], RGB(0xC0 + 15 * 4, 0xC0 + 15 * 4, 0x40 + 15 * 4)); // short of colour1 by the remainder

    CPreviewPicture picture;
    picture.SetAdjustments({0, 0, 0});
    CDibImage out;
    ASSERT_TRUE(picture.Render({0, 255, 128, 17}, 2, 2, 2, colour0, colour1, out));
    EXPECT_EQ(out.Width(), 4);
    EXPECT_EQ(out.Height(), 4);
    EXPECT_EQ(out.GetPixel(1, 1), ramp[0]);
    EXPECT_EQ(out.GetPixel(2, 0), ramp[15]);
    EXPECT_EQ(out.GetPixel(1, 2), ramp[8]);
    EXPECT_EQ(out.GetPixel(3, 3), ramp[1]);
    EXPECT_FALSE(picture.Render({1, 2}, 2, 2, 1, colour0, colour1, out)); // too few grey values
}

namespace {

// A grey image of every kind of value, odd in both sides.
std::vector<std::uint8_t> MixedGrey(int width, int height)
{
    std::vector<std::uint8_t> grey;
    for (int i = 0; i < width * height; ++i)
        grey.push_back(std::uint8_t((i * 37 + i / width * 11) % 256));
    return grey;
}

} // namespace

TEST(PreviewPicture, PartMatchesTheWholePictureAtEveryZoom)
{
    const int width = 13;
    const int height = 7;
    const std::vector<std::uint8_t> grey = MixedGrey(width, height);
    CPreviewPicture picture;
    picture.SetAdjustments({7, -12, -300});
    for (const int zoom : {1, 2, 4}) {
        const std::vector<COLORREF> ramp = CPreviewPicture::Ramp(colour0, colour1, zoom == 4 ? 2 : 16);
        CDibImage whole;
        ASSERT_TRUE(picture.Render(grey, width, height, zoom, colour0, colour1, whole));
        for (const CPoint scroll : {CPoint{0, 0}, CPoint{5, 3}, CPoint{width * zoom - 5, 2 * zoom + 1}})
            for (const CSize size : {CSize{9, 5}, CSize{17, 11}, CSize{width * zoom, height * zoom}}) {
                const QImage part = picture.RenderPart(grey, width, height, zoom, ramp, scroll, size);
                ASSERT_FALSE(part.isNull());
                ASSERT_EQ(part.size(), QSize(size.cx, size.cy));
                const int left = scroll.x / zoom * zoom;
                const int top = scroll.y / zoom * zoom;
                // Whole source pixels inside the part and the picture are written...
                const int columns = std::min(width - scroll.x / zoom, size.cx / zoom);
                const int rows = std::min(height - scroll.y / zoom, size.cy / zoom);
                for (int y = 0; y < size.cy; ++y)
                    for (int x = 0; x < size.cx; ++x) {
                        const int index = part.pixelIndex(x, y);
                        if (x < columns * zoom && y < rows * zoom)
                            ASSERT_EQ(ramp[std::size_t(index)], whole.GetPixel(left + x, top + y))
                                << "zoom " << zoom << " at " << x << "," << y;
                        else // ...and nothing else.
                            ASSERT_EQ(index, 0) << "zoom " << zoom << " at " << x << "," << y;
                    }
            }
    }
}

TEST(PreviewPicture, DotsArePackedTwoPixelsToAByteHighHalfFirst)
{
    // Threshold row 3 is 120, 60, 15, 150: grey 16 sets only its third dot.
    CPreviewPicture picture;
    picture.SetAdjustments({0, 0, 0});
    const std::vector<COLORREF> ramp = CPreviewPicture::Ramp(colour0, colour1, 2);
    const QImage part = picture.RenderPart({255, 16, 255}, 3, 1, 4, ramp, {0, 0}, {12, 4});
    ASSERT_EQ(part.format(), QImage::Format_Mono);
    ASSERT_EQ(part.colorCount(), 2);
    EXPECT_EQ(part.color(1), qRgb(GetRValue(ramp[1]), GetGValue(ramp[1]), GetBValue(ramp[1])));
    EXPECT_EQ(part.constScanLine(2)[0], 0xF2);
    EXPECT_EQ(part.constScanLine(2)[1], 0xF0); // the odd last pixel in a byte of its own
    EXPECT_EQ(part.constScanLine(0)[0], 0xF0); // row 1 thresholds 240, 75, 135, 195
    EXPECT_EQ(CPreviewPicture::DotNibble(2, 15), 0);
}

TEST(PreviewPicture, PartOfBlackAndWhiteAtAnyAdjustment)
{
    const std::vector<std::uint8_t> grey{0, 255};
    const std::vector<COLORREF> ramp = CPreviewPicture::Ramp(colour0, colour1, 2);
    for (const CEngraverAdjustments adjustments : {CEngraverAdjustments{50, 50, 899},
                                                   CEngraverAdjustments{-50, -50, -900},
                                                   CEngraverAdjustments{0, 0, 0}}) {
        CPreviewPicture picture;
        picture.SetAdjustments(adjustments);
        const QImage part = picture.RenderPart(grey, 2, 1, 4, ramp, {0, 0}, {8, 4});
        for (int y = 0; y < 4; ++y) {
            EXPECT_EQ(part.constScanLine(y)[0] & 0xF0, 0) << "black marked at row " << y;
            if (adjustments == CEngraverAdjustments{0, 0, 0}) {
                EXPECT_EQ(part.constScanLine(y)[0], 0x0F) << "white short of dots at row " << y;
            }
        }
    }
}

TEST(PreviewPicture, PartRefusesWhatItCannotShow)
{
    CPreviewPicture picture;
    const std::vector<COLORREF> ramp = CPreviewPicture::Ramp(colour0, colour1, 16);
    EXPECT_TRUE(picture.RenderPart({1, 2, 3}, 2, 2, 1, ramp, {0, 0}, {2, 2}).isNull()); // too few grey values
    EXPECT_TRUE(picture.RenderPart({}, 0, 0, 1, ramp, {0, 0}, {2, 2}).isNull());
    EXPECT_TRUE(picture.RenderPart({1, 2, 3, 4}, 2, 2, 1, ramp, {0, 0}, {0, 2}).isNull());
    // Scrolled past the picture: nothing written, nothing read past its end.
    const QImage past = picture.RenderPart({1, 2, 3, 4}, 2, 2, 2, ramp, {40, 40}, {4, 4});
    ASSERT_FALSE(past.isNull());
    EXPECT_EQ(past.pixelIndex(0, 0), 0);
}
