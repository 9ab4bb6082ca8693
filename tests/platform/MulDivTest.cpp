#include "platform/MulDiv.h"

#include <gtest/gtest.h>

TEST(MulDiv, RoundsHalvesAwayFromZero)
{
    EXPECT_EQ(MulDiv(1, 1, 2), 1);
    EXPECT_EQ(MulDiv(-1, 1, 2), -1);
    EXPECT_EQ(MulDiv(3, 1, 2), 2);
    EXPECT_EQ(MulDiv(3, -1, 2), -2);
    EXPECT_EQ(MulDiv(5, 1, -2), -3);
    EXPECT_EQ(MulDiv(-5, 1, -2), 3);
    EXPECT_EQ(MulDiv(4, 1, 3), 1);
}

TEST(MulDiv, UnitConversionsUseTheFullProduct)
{
    // 90 mm at 529 dpi, and back.
    EXPECT_EQ(MulDiv(9000, 529, 2540), 1874);
    EXPECT_EQ(MulDiv(1874, 2540, 529), 8998);
    EXPECT_EQ(MulDiv(2000000000, 2000000000, 2000000000), 2000000000);
}

TEST(MulDiv, ZeroDivisorAndOverflowGiveMinusOne)
{
    EXPECT_EQ(MulDiv(10, 10, 0), -1);
    EXPECT_EQ(MulDiv(2000000000, 4, 2), -1);
    EXPECT_EQ(MulDiv(-2147483647 - 1, 1, 1), -2147483647 - 1);
}
