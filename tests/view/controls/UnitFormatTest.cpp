#include "view/controls/CUnitFormat.h"

#include <gtest/gtest.h>

namespace {

const CUnitFormat mm(CUnitFormat::millimetres);
const CUnitFormat inch(CUnitFormat::inches);

} // namespace

TEST(UnitFormat, MillimetresShowTwoDecimalsWithTheSignOnlyWhenNegative)
{
    EXPECT_EQ(mm.Format(1234), "12.34");
    EXPECT_EQ(mm.Format(0), "0.00");
    EXPECT_EQ(mm.Format(7), "0.07");
    EXPECT_EQ(mm.Format(-5), "-0.05");
    EXPECT_EQ(mm.Format(-9000), "-90.00");
    EXPECT_EQ(mm.Format(std::numeric_limits<int>::min()), "-21474836.48");
}

TEST(UnitFormat, InchesShowThreeDecimalsOfTheRoundedThousandths)
{
    EXPECT_EQ(inch.Format(2540), "1.000");
    // 1234 / 2.54 = 485.8 thousandths.
    EXPECT_EQ(inch.Format(1234), "0.486");
    EXPECT_EQ(inch.Format(-1270), "-0.500");
    // Less than half a thousandth either way is zero, never "-0.000".
    EXPECT_EQ(inch.Format(-1), "0.000");
    EXPECT_EQ(inch.Format(1), "0.000");
    EXPECT_EQ(inch.Format(-2), "-0.001");
}

TEST(UnitFormat, ParsingRoundsHalvesAwayFromZeroOnTheExactDecimal)
{
    // As doubles these are 100.4999... and would round down.
    EXPECT_EQ(mm.Parse("1.005"), 101);
    EXPECT_EQ(mm.Parse("-1.005"), -101);
    EXPECT_EQ(mm.Parse("0.004"), 0);
    EXPECT_EQ(mm.Parse("-0.005"), -1);
    EXPECT_EQ(mm.Parse("12.34"), 1234);
    EXPECT_EQ(mm.Parse("12.3449999999999"), 1234);
    // 0.025 inch is exactly 63.5 hundredths of a millimetre.
    EXPECT_EQ(inch.Parse("0.025"), 64);
    EXPECT_EQ(inch.Parse("-0.025"), -64);
    EXPECT_EQ(inch.Parse("0.001"), 3);
    EXPECT_EQ(inch.Parse("1"), 2540);
}

TEST(UnitFormat, ParsingTakesPlainNumbersOnlyAndOnlyLengthsThatFit)
{
    EXPECT_EQ(mm.Parse(" 7 "), 700);
    EXPECT_EQ(mm.Parse("+2"), 200);
    EXPECT_EQ(mm.Parse(".5"), 50);
    EXPECT_EQ(mm.Parse("3."), 300);
    EXPECT_EQ(mm.Parse("0007.10"), 710);
    for (const char* text : {"", " ", "-", "+", ".", "-.", "1.2.3", "12mm", "1e3", "abc", "1,5", "--1", "1 2", "0x10"})
        EXPECT_FALSE(mm.Parse(QString::fromLatin1(text)).has_value()) << text;
    EXPECT_EQ(mm.Parse("21474836.47"), std::numeric_limits<int>::max());
    EXPECT_FALSE(mm.Parse("21474836.48").has_value());
    EXPECT_EQ(mm.Parse("-21474836.48"), std::numeric_limits<int>::min());
    EXPECT_EQ(inch.Parse("845466"), 2147483640);
    EXPECT_FALSE(inch.Parse("845467").has_value());
    EXPECT_FALSE(mm.Parse("99999999999999999999999").has_value());
}

TEST(UnitFormat, EveryMillimetreTextReadsBackAsItsLength)
{
    for (int value = -30000; value <= 30000; value += 7)
        ASSERT_EQ(mm.Parse(mm.Format(value)), value);
    // Inches are coarser than the layout unit: the text is what survives.
    for (const char* text : {"0.486", "-1.250", "3.543", "0.000"})
        EXPECT_EQ(inch.Format(*inch.Parse(QString::fromLatin1(text))), QString::fromLatin1(text));
}
