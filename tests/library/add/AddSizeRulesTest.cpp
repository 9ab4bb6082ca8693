#include "library/add/AddControlIds.h"
#include "library/add/CAddSizeRules.h"

#include <gtest/gtest.h>

namespace ids = AddControlIds;

TEST(AddSizeRules, AScanLosesAlmostOneDotWhereAFileIsRoundedToTheNearest)
{
    EXPECT_EQ(CAddSizeRules::ScanSize({600, 300}, 300), CSize(5079, 2539));
    EXPECT_EQ(CAddSizeRules::ScanSize({1, 1}, 1), CSize(2540, 2540));
    EXPECT_EQ(CAddSizeRules::FileSize({600, 300}, 300), CSize(5080, 2540));
    // 1 pixel at 529 dpi is 4.80 (4.801...), 3 pixels 14.40 (14.404...).
    EXPECT_EQ(CAddSizeRules::FileSize({1, 3}, 529), CSize(5, 14));
}

TEST(AddSizeRules, KeepAspectRoundsHalfUpAndRemembersWhatItShowed)
{
    CAddSizeRules rules(CUnitFormat::millimetres);
    rules.Start({2000, 1000});
    // 10.01 mm wide: 500.5 rounds up to 5.01 mm.
    EXPECT_EQ(rules.HeightForWidth(QStringLiteral("10.01")), QStringLiteral("5.01"));
    EXPECT_EQ(rules.Shown(), CSize(1001, 501));
    EXPECT_EQ(rules.WidthForHeight(QStringLiteral("3.33")), QStringLiteral("6.66"));
    EXPECT_EQ(rules.StartSize(), CSize(2000, 1000));
    EXPECT_FALSE(rules.HeightForWidth(QStringLiteral("wide")));

    // A one-dot scan at a high resolution starts at zero: no ratio to keep.
    rules.Start(CAddSizeRules::ScanSize({1, 1}, 10000));
    EXPECT_EQ(rules.StartSize(), CSize(0, 0));
    EXPECT_FALSE(rules.HeightForWidth(QStringLiteral("1")));
}

TEST(AddSizeRules, SizesOutsideHalfAMillimetreToAMetreGetTheRangeMessage)
{
    CAddSizeRules rules(CUnitFormat::millimetres);
    rules.Start({5000, 5000});
    CSize size;
    EXPECT_FALSE(rules.Read(QStringLiteral("0.5"), QStringLiteral("1000"), size));
    EXPECT_EQ(size, CSize(50, 100000));
    const std::optional<CFieldRefusal> small = rules.Read(QStringLiteral("0.49"), QStringLiteral("10"), size);
    ASSERT_TRUE(small);
    EXPECT_EQ(small->field, ids::width);
    EXPECT_EQ(small->message, QStringLiteral("Please enter a number between 0.5 and 1000."));
    const std::optional<CFieldRefusal> large = rules.Read(QStringLiteral("10"), QStringLiteral("1000.01"), size);
    ASSERT_TRUE(large);
    EXPECT_EQ(large->field, ids::height);

    CAddSizeRules inch(CUnitFormat::inches);
    inch.Start({2540, 2540});
    EXPECT_EQ(inch.GroupTitle(), QStringLiteral("Size (inch)"));
    EXPECT_EQ(rules.GroupTitle(), QStringLiteral("Size (mm)"));
    const std::optional<CFieldRefusal> refused = inch.Read(QStringLiteral("0.019"), QStringLiteral("1.000"), size);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->message, QStringLiteral("Please enter a number between 0.02 and 39.37."));
    EXPECT_FALSE(inch.Read(QStringLiteral("39.370"), QStringLiteral("1.000"), size));
    EXPECT_EQ(size, CSize(100000, 2540));
}

TEST(AddSizeRules, TheResolutionIsAWholeNumberFromOneToTenThousand)
{
    int dpi = 300;
    EXPECT_FALSE(CAddSizeRules::ReadResolution(QStringLiteral(" 600 "), dpi));
    EXPECT_EQ(dpi, 600);
    for (const QString& text : {QStringLiteral("0"), QStringLiteral("10001"), QStringLiteral("72.5"), QString()}) {
        const std::optional<CFieldRefusal> refused = CAddSizeRules::ReadResolution(text, dpi);
        ASSERT_TRUE(refused) << text.toStdString();
        EXPECT_EQ(refused->field, ids::resolution);
        EXPECT_EQ(refused->message, QStringLiteral("Please enter an integer between 1 and 10000."));
        EXPECT_EQ(dpi, 600);
    }
}
