#include "view/crop/CCropRules.h"

#include <gtest/gtest.h>

TEST(CropRules, FitZoomTakesTheTighterAxisAndNeverReachesZero)
{
    EXPECT_EQ(CCropRules::FitZoom({400, 300}, {100, 80}), 375); // 100 * 300 / 80
    EXPECT_EQ(CCropRules::FitZoom({400, 300}, {1000, 300}), 40);
    EXPECT_EQ(CCropRules::FitZoom({400, 300}, {2000, 1500}), 20);
    // 100 * 399 / 1000 = 39.9: truncated, so the picture never overflows.
    EXPECT_EQ(CCropRules::FitZoom({399, 1000}, {1000, 100}), 39);
    // A picture far larger than the canvas still shows at 1 %.
    EXPECT_EQ(CCropRules::FitZoom({400, 300}, {30000, 30000}), 1);
    EXPECT_EQ(CCropRules::FitZoom({0, 0}, {10, 10}), 1);
    EXPECT_EQ(CCropRules::OpeningZoom(375), 100);
    EXPECT_EQ(CCropRules::OpeningZoom(20), 20);
}

TEST(CropRules, ZoomStepsAndTheFitZoomBeyondThem)
{
    EXPECT_EQ(CCropRules::ZoomIn(100, 50), 200);
    EXPECT_EQ(CCropRules::ZoomIn(20, 20), 25);     // from a fit zoom between steps
    EXPECT_EQ(CCropRules::ZoomIn(130, 130), 200);
    EXPECT_EQ(CCropRules::ZoomIn(1600, 1000), 1600); // nothing above, fit below: stay
    EXPECT_EQ(CCropRules::ZoomIn(1600, 2400), 2400);
    EXPECT_EQ(CCropRules::ZoomIn(2400, 2400), 2400);
    EXPECT_EQ(CCropRules::ZoomOut(100, 50), 50);
    EXPECT_EQ(CCropRules::ZoomOut(130, 130), 100);
    EXPECT_EQ(CCropRules::ZoomOut(25, 40), 25);
    EXPECT_EQ(CCropRules::ZoomOut(25, 10), 10);
    EXPECT_EQ(CCropRules::ZoomOut(10, 10), 10);
}

TEST(CropRules, SmallPicturesAreCentredAndWindowPointsMapToPixels)
{
    EXPECT_EQ(CCropRules::ScaledSize({101, 51}, 50), (CSize{50, 25}));
    EXPECT_EQ(CCropRules::CentringOffset({400, 300}, {100, 80}), (CPoint{150, 110}));
    EXPECT_EQ(CCropRules::CentringOffset({400, 300}, {500, 80}), (CPoint{0, 110}));
    EXPECT_EQ(CCropRules::PicturePoint({7, 3}, 200), (CPoint{3, 1}));
    EXPECT_EQ(CCropRules::PicturePoint({7, 3}, 25), (CPoint{28, 12}));
    // Just left of and above the picture is outside it, not its first pixel.
    EXPECT_EQ(CCropRules::PicturePoint({-1, -1}, 400), (CPoint{-1, -1}));
}

TEST(CropRules, TheToleranceStaysInRangeFromEverySource)
{
    CCropRules rules(0, RGB(0, 0, 255));
    rules.TurnWheel(3);
    EXPECT_EQ(rules.Tolerance(), 0);
    rules.TurnWheel(-2);
    EXPECT_EQ(rules.Tolerance(), 2);
    rules.SetTolerance(300);
    EXPECT_EQ(rules.Tolerance(), 255);
    rules.TurnWheel(-1);
    EXPECT_EQ(rules.Tolerance(), 255);
    // A remembered value out of range comes in clamped.
    EXPECT_EQ(CCropRules(-7, 0).Tolerance(), 0);
    EXPECT_EQ(CCropRules(999, 0).Tolerance(), 255);
}

TEST(CropRules, TypedValuesAreRefusedWithTheRangeMessage)
{
    CCropRules rules(20, 0);
    CFieldRefusal refusal = rules.TakeValues(QStringLiteral("256"), QStringLiteral("5"));
    EXPECT_EQ(refusal.field, CCropRules::toleranceField);
    EXPECT_EQ(refusal.message, QStringLiteral("Please enter an integer between 0 and 255."));
    EXPECT_EQ(rules.Tolerance(), 20);
    refusal = rules.TakeValues(QStringLiteral("30"), QStringLiteral("0"));
    EXPECT_EQ(refusal.field, CCropRules::penDiameterField);
    EXPECT_EQ(refusal.message, QStringLiteral("Please enter an integer between 1 and 100."));
    EXPECT_EQ(rules.TakeValues(QStringLiteral("30"), QStringLiteral("100")).field, 0);
    EXPECT_EQ(rules.Tolerance(), 30);
    EXPECT_EQ(rules.PenDiameter(), 100);
    EXPECT_EQ(rules.TakeValues(QStringLiteral("x"), QStringLiteral("100")).field, CCropRules::toleranceField);
}

TEST(CropRules, ClipColourModeDecidesWhatMarkedPixelsBecome)
{
    CCropRules rules(20, RGB(0, 0, 255));
    EXPECT_EQ(rules.MaskedColor(), transparentKey);
    rules.ToggleClipColorMode();
    EXPECT_EQ(rules.MaskedColor(), RGB(0, 0, 255));
    rules.ToggleClipColorMode();
    EXPECT_EQ(rules.MaskedColor(), transparentKey);

    const Qt::KeyboardModifiers both = Qt::ShiftModifier | Qt::ControlModifier;
    EXPECT_TRUE(CCropRules::IsClipColorGesture(Qt::RightButton, Qt::LeftButton | Qt::RightButton, both));
    EXPECT_FALSE(CCropRules::IsClipColorGesture(Qt::RightButton, Qt::RightButton, both));
    EXPECT_FALSE(CCropRules::IsClipColorGesture(Qt::LeftButton, Qt::LeftButton | Qt::RightButton, both));
    EXPECT_FALSE(CCropRules::IsClipColorGesture(Qt::RightButton, Qt::LeftButton | Qt::RightButton, Qt::ShiftModifier));
}
