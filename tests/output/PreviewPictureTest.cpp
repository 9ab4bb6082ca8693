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
