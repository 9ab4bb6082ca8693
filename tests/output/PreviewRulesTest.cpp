#include "output/preview/CPreviewRules.h"

#include <gtest/gtest.h>

using Move = CPreviewRules::BarMove;

TEST(PreviewRules, BrightnessAndContrastBarsStepByOneAndTenWithinFifty)
{
    EXPECT_EQ(CPreviewRules::StepAdjustment(0, Move::LineRight, 0), 1);
    EXPECT_EQ(CPreviewRules::StepAdjustment(0, Move::LineLeft, 0), -1);
    EXPECT_EQ(CPreviewRules::StepAdjustment(0, Move::PageRight, 0), 10);
    EXPECT_EQ(CPreviewRules::StepAdjustment(-45, Move::PageLeft, 0), -50);
    EXPECT_EQ(CPreviewRules::StepAdjustment(50, Move::LineRight, 0), 50);
    EXPECT_EQ(CPreviewRules::StepAdjustment(3, Move::Track, 17), 17);
    EXPECT_EQ(CPreviewRules::StepAdjustment(3, Move::Track, 99), 50);
    EXPECT_EQ(CPreviewRules::StepAdjustment(3, Move::Left, 0), -50);
    EXPECT_EQ(CPreviewRules::StepAdjustment(3, Move::Right, 0), 50);

    CPreviewRules rules;
    rules.MoveContrast(Move::PageRight);
    rules.MoveBrightness(Move::LineLeft);
    EXPECT_EQ(rules.Values(), (CEngraverAdjustments{-1, 10, -500}));
}

TEST(PreviewRules, GammaBarStepsAHundredthOfGammaOnEitherSideOfOne)
{
    // 0.99 -> 1.00 -> 1.01 and back.
    EXPECT_EQ(CPreviewRules::StepGamma(-10, Move::LineRight, 0), 0);
    EXPECT_EQ(CPreviewRules::StepGamma(0, Move::LineRight, 0), 1);
    EXPECT_EQ(CPreviewRules::StepGamma(1, Move::LineLeft, 0), 0);
    EXPECT_EQ(CPreviewRules::StepGamma(0, Move::LineLeft, 0), -10);
    // Pages: 0.1 of gamma below 1.0, landing on 1.0 rather than passing it.
    EXPECT_EQ(CPreviewRules::StepGamma(-500, Move::PageRight, 0), -400);
    EXPECT_EQ(CPreviewRules::StepGamma(-90, Move::PageRight, 0), 0);
    EXPECT_EQ(CPreviewRules::StepGamma(0, Move::PageRight, 0), 10);
    EXPECT_EQ(CPreviewRules::StepGamma(0, Move::PageLeft, 0), -100);
    EXPECT_EQ(CPreviewRules::StepGamma(20, Move::PageLeft, 0), 10);
    // A step that crosses below 1.0 lands on a code the edit can show.
    EXPECT_EQ(CPreviewRules::StepGamma(5, Move::PageLeft, 0), 0);
    EXPECT_EQ(CPreviewRules::StepGamma(-95, Move::LineRight, 0), -80);
    EXPECT_EQ(CPreviewRules::StepGamma(0, Move::Track, -505), -500);
    EXPECT_EQ(CPreviewRules::StepGamma(0, Move::Track, 37), 37);
    // The ends.
    EXPECT_EQ(CPreviewRules::StepGamma(-890, Move::PageLeft, 0), -900);
    EXPECT_EQ(CPreviewRules::StepGamma(895, Move::PageRight, 0), 899);
    EXPECT_EQ(CPreviewRules::StepGamma(0, Move::Left, 0), -900);
    EXPECT_EQ(CPreviewRules::StepGamma(0, Move::Right, 0), 899);
}

TEST(PreviewRules, TypedValuesAreReadAndClamped)
{
    EXPECT_EQ(CPreviewRules::ParseAdjustment(QStringLiteral("12")), 12);
    EXPECT_EQ(CPreviewRules::ParseAdjustment(QStringLiteral("-7x")), -7);
    EXPECT_EQ(CPreviewRules::ParseAdjustment(QStringLiteral("99")), 50);
    EXPECT_EQ(CPreviewRules::ParseAdjustment(QStringLiteral("-999")), -50);
    EXPECT_EQ(CPreviewRules::ParseAdjustment(QStringLiteral("99999999999999999999999")), 50);
    EXPECT_EQ(CPreviewRules::ParseAdjustment(QString()), 0);
    EXPECT_EQ(CPreviewRules::ParseAdjustment(QStringLiteral("-")), 0);

    EXPECT_EQ(CPreviewRules::ParseGamma(QStringLiteral("2")), 100);
    EXPECT_EQ(CPreviewRules::ParseGamma(QStringLiteral("0")), 0);
    EXPECT_EQ(CPreviewRules::ParseGamma(QStringLiteral("0.5")), -500);
    EXPECT_EQ(CPreviewRules::ParseGamma(QStringLiteral(".25")), -750);
    EXPECT_EQ(CPreviewRules::ParseGamma(QStringLiteral("-3")), 0);
    EXPECT_EQ(CPreviewRules::ParseGamma(QStringLiteral("abc")), 0);
    EXPECT_EQ(CPreviewRules::ParseGamma(QStringLiteral("0.01")), -900);
    EXPECT_EQ(CPreviewRules::ParseGamma(QStringLiteral("12")), 899);
    EXPECT_EQ(CPreviewRules::ParseGamma(QStringLiteral("1e300")), 899);
}

TEST(PreviewRules, GammaShownAsPeopleReadItAndReadBackUnchanged)
{
    EXPECT_EQ(CPreviewRules::GammaText(-500), QStringLiteral("0.5"));
    EXPECT_EQ(CPreviewRules::GammaText(0), QStringLiteral("1"));
    EXPECT_EQ(CPreviewRules::GammaText(1), QStringLiteral("1.01"));
    EXPECT_EQ(CPreviewRules::GammaText(-10), QStringLiteral("0.99"));
    EXPECT_EQ(CPreviewRules::GammaText(-900), QStringLiteral("0.1"));
    EXPECT_EQ(CPreviewRules::GammaText(899), QStringLiteral("9.99"));
    // OK reads the edit again: every code the bar can stand at must come
    // back as itself (1.14 is a hair below 1.14 as a double) and fit the edit.
    for (int code = CPreviewRules::gammaMinimum; code <= CPreviewRules::gammaMaximum; ++code) {
        if (code < 0 && code % 10 != 0)
            continue;
        const QString text = CPreviewRules::GammaText(code);
        EXPECT_LE(text.size(), CPreviewRules::editMaxChars) << code;
        EXPECT_EQ(CPreviewRules::ParseGamma(text), code) << text.toStdString();
    }
}

TEST(PreviewRules, ValuesFromOutsideArePulledIntoRange)
{
    CPreviewRules rules(3);
    EXPECT_EQ(rules.Zoom(), 1);
    rules.SetValues({70, -70, 2000});
    EXPECT_EQ(rules.Values(), (CEngraverAdjustments{50, -50, 899}));

    EXPECT_EQ(CPreviewRules(2).Zoom(), 2);
    EXPECT_EQ(CPreviewRules(4).Zoom(), 4);
    EXPECT_EQ(CPreviewRules(0).Zoom(), 1);
    EXPECT_EQ(CPreviewRules(8).Zoom(), 1);
    for (int index = 0; index < 3; ++index)
        EXPECT_EQ(CPreviewRules::IndexOfZoom(CPreviewRules::ZoomAtIndex(index)), index);
    EXPECT_EQ(CPreviewRules::ZoomAtIndex(2), 4);
}
