#include "TextObjects.h"
#include "DocumentTestSupport.h"

#include "objects/CArcTextObj.h"
#include "objects/CTextObj.h"
#include "view/dialogs/CFanTextRules.h"
#include "view/dialogs/CPropertiesRules.h"
#include "view/dialogs/CTextBlockRules.h"
#include "view/dialogs/CTextRules.h"
#include "view/dialogs/DialogControlIds.h"

#include <gtest/gtest.h>

namespace {

constexpr int mm = CUnitFormat::millimetres;
constexpr int inch = CUnitFormat::inches;

class TextRulesFixture : public ::testing::Test
{
protected:
    void SetUp() override { SetUpDocument(doc); }

    template <class Object>
    std::unique_ptr<Object> Text(const char* text)
    {
        return MakeText<Object>(doc, text);
    }

    CVeldraDoc doc;
};

} // namespace

TEST(PropertiesRules, InchModeStoresOneInchAs2540AndShowsItAgain)
{
    auto picture = Picture("p", 0, 0, 2540, 1000);
    CPropertiesRules rules(inch);
    rules.Load(*picture);
    EXPECT_EQ(rules.Shown().width, "1.000");
    CPropertiesRules::Fields fields = rules.Shown();
    fields.height = "1";
    fields.x = "-0.5";
    ASSERT_FALSE(rules.Apply(fields, *picture));
    EXPECT_EQ(picture->GetSize(), CSize(2540, 2540));
    EXPECT_EQ(picture->GetPosition(), CPoint(-1270, 0));
    rules.Load(*picture);
    EXPECT_EQ(rules.Shown().height, "1.000");
}

TEST(PropertiesRules, ConfirmingUntouchedInchFieldsMovesNothing)
{
    // 0.001 inch is 2.54 units: 1237 shows as 0.487 and would come back 1237.0,
    // but 1233 shows as 0.485 and would come back as 1232.
    auto picture = Picture("p", 1233, -3, 1001, 777);
    CPropertiesRules rules(inch);
    rules.Load(*picture);
    ASSERT_FALSE(rules.Apply(rules.Shown(), *picture));
    EXPECT_EQ(picture->GetPosition(), CPoint(1233, -3));
    EXPECT_EQ(picture->GetSize(), CSize(1001, 777));
}

TEST(PropertiesRules, KeepAspectFollowsTheReferenceRatio)
{
    auto picture = Picture("p", 0, 0, 4000, 2000);
    CPropertiesRules rules(mm);
    rules.Load(*picture);
    EXPECT_EQ(rules.HeightForWidth("10").value(), "5.00");
    EXPECT_EQ(rules.WidthForHeight("7.5").value(), "15.00");
    EXPECT_FALSE(rules.HeightForWidth("ten"));

    // A side of zero counts as one unit, so nothing divides by zero.
    auto flat = Picture("flat", 0, 0, 4000, 0);
    rules.Load(*flat);
    EXPECT_EQ(rules.ReferenceSize(), CSize(4000, 1));
    EXPECT_EQ(rules.WidthForHeight("1").value(), "4000.00");
}

TEST(PropertiesRules, KeepAspectFlagIsSetAndCleared)
{
    auto picture = Picture("p");
    CPropertiesRules rules(mm);
    rules.Load(*picture);
    EXPECT_TRUE(rules.Shown().keepAspect);
    CPropertiesRules::Fields fields = rules.Shown();
    fields.keepAspect = false;
    ASSERT_FALSE(rules.Apply(fields, *picture));
    EXPECT_FALSE(picture->HasFlag(SOF_KEEPASPECT));
    fields.keepAspect = true;
    ASSERT_FALSE(rules.Apply(fields, *picture));
    EXPECT_TRUE(picture->HasFlag(SOF_KEEPASPECT));
    EXPECT_TRUE(picture->HasFlag(SOK_PICTURE));
}

TEST(PropertiesRules, SizesOutsideTheLimitsAreRefusedAndTheObjectKept)
{
    auto picture = Picture("p", 100, 200, 1000, 1000);
    CPropertiesRules rules(mm);
    rules.Load(*picture);
    CPropertiesRules::Fields fields = rules.Shown();
    fields.width = "0.49";
    std::optional<CFieldRefusal> refused = rules.Apply(fields, *picture);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->field, DialogControlIds::width);
    EXPECT_EQ(refused->message, "Please enter a number between 0.5 and 1000.");

    fields.width = "1000";
    fields.height = "1000.01";
    refused = rules.Apply(fields, *picture);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->field, DialogControlIds::height);

    fields.height = "abc";
    refused = rules.Apply(fields, *picture);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->message, "Please enter a number, such as 12.5.");
    EXPECT_EQ(picture->GetSize(), CSize(1000, 1000));
    EXPECT_EQ(picture->GetPosition(), CPoint(100, 200));

    CPropertiesRules inches(inch);
    inches.Load(*picture);
    fields = inches.Shown();
    fields.width = "40";
    refused = inches.Apply(fields, *picture);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->message, "Please enter a number between 0.02 and 39.37.");
    // Positions have no limits.
    fields = inches.Shown();
    fields.x = "1000";
    EXPECT_FALSE(inches.Apply(fields, *picture));
    EXPECT_EQ(picture->GetPosition().x, 2540000);
}

TEST(TextPropRules, AnglesAreReducedIntoOneTurnAroundUpright)
{
    EXPECT_FLOAT_EQ(CTextPropRules::StoredAngle(540), 360);
    EXPECT_FLOAT_EQ(CTextPropRules::StoredAngle(-400), 140);
    EXPECT_FLOAT_EQ(CTextPropRules::StoredAngle(-360), 180);
    EXPECT_EQ(CTextPropRules::AngleText(180), "0");
    EXPECT_EQ(CTextPropRules::AngleText(270.004f), "90");
    EXPECT_EQ(CTextPropRules::AngleText(92.5f), "-87.5");
}

TEST_F(TextRulesFixture, TextFieldsClampSilentlyAndTheSizeFollowsTheText)
{
    auto text = Text<CFreeTextObj>("Hello");
    CTextRules rules(*text, mm);
    rules.Open();
    const CSize natural = text->GetSize();
    EXPECT_GT(natural.cx, 0);
    EXPECT_GT(natural.cy, 0);

    CTextPropRules::Fields fields = rules.Show();
    EXPECT_EQ(fields.text, "Hello");
    EXPECT_EQ(fields.angle, "0");
    fields.x = "-400";
    fields.y = "12.345";
    fields.height = "0.1";
    fields.width = "999";
    fields.angle = "540";
    fields.fillBackground = true;
    ASSERT_FALSE(rules.Take(fields));
    EXPECT_EQ(text->GetPosition(), CPoint(-30000, 1235));
    EXPECT_EQ(text->GetSize(), CSize(30000, 50));
    EXPECT_FLOAT_EQ(text->m_layout.m_fAngle, 360);
    EXPECT_TRUE(rules.BackColorEnabled());

    // A longer text is wider at the same height.
    rules.SetText("Hello, world");
    const int wide = text->GetSize().cx;
    rules.SetText("Hi");
    EXPECT_LT(text->GetSize().cx, wide);
    EXPECT_EQ(text->m_strName, "Hi");

    // An empty text still gives the engine a glyph to lay out.
    rules.SetText("");
    EXPECT_EQ(text->m_strName, "");
    EXPECT_EQ(text->m_layout.m_strText, " ");
}

// A new height or text keeps the letters' spacing: the width follows the
// text at the stretch the object had (a handle stretched it twice); a
// width typed in the dialog is taken as typed.
TEST_F(TextRulesFixture, ANewHeightOrTextKeepsTheStretch)
{
    auto text = Text<CFreeTextObj>("Maximilian Mueller");
    CTextRules rules(*text, mm);
    rules.Open();
    text->SetSize(text->GetSize().cx * 2, text->GetSize().cy);
    const auto stretch = [&] { return double(text->GetSize().cx) / text->MeasureNatural().cx; };
    const double stretched = stretch();
    EXPECT_GT(stretched, 1.9);
    CTextPropRules::Fields fields = rules.Show();
    fields.height = "5";
    ASSERT_FALSE(rules.Take(fields));
    EXPECT_EQ(text->GetSize().cy, 500);
    EXPECT_NEAR(stretch(), stretched, 0.01);
    const int longName = text->GetSize().cx;

    fields = rules.Show();
    fields.text = "Max";
    ASSERT_FALSE(rules.Take(fields));
    EXPECT_LT(text->GetSize().cx, longName);
    EXPECT_NEAR(stretch(), stretched, 0.02);
    rules.SetText("Maximilian Mueller");
    EXPECT_NEAR(text->GetSize().cx, longName, 2);

    fields = rules.Show();
    fields.width = "30";
    fields.height = "4";
    ASSERT_FALSE(rules.Take(fields));
    EXPECT_EQ(text->GetSize(), CSize(3000, 400));
}

TEST_F(TextRulesFixture, ANonNumberKeepsTheNumbersButTakesTheSwitches)
{
    auto text = Text<CFreeTextObj>("Hello");
    CTextRules rules(*text, mm);
    rules.Open();
    const CPoint position = text->GetPosition();
    CTextPropRules::Fields fields = rules.Show();
    fields.x = "10";
    fields.angle = "north";
    fields.rotateText = true;
    const std::optional<CFieldRefusal> refused = rules.Take(fields);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->field, DialogControlIds::angle);
    EXPECT_EQ(text->GetPosition(), position);
    EXPECT_EQ(text->m_layout.m_bRotateGlyphs, 1);
    EXPECT_EQ(rules.IconIndex(), 1);
}

TEST_F(TextRulesFixture, FanSpanAndRadiusConvert)
{
    EXPECT_EQ(CFanTextRules::SpanText(50), "180");
    EXPECT_FLOAT_EQ(CFanTextRules::StoredSpread(90), 25);
    // Centre line at 4 mm, band 5 mm high: the inner edge is 1.5 mm out.
    EXPECT_EQ(CFanTextRules::InnerRadius(40, 500), 150);
    EXPECT_EQ(CFanTextRules::InnerRadius(10, 500), 0);
    EXPECT_FLOAT_EQ(CFanTextRules::StoredRadius(200, 500), 45);

    auto fan = Text<CArcTextObj>("Fan");
    fan->m_layout.m_fRadius = 100;
    CFanTextRules rules(*fan, mm);
    rules.Open();
    CTextPropRules::Fields fields = rules.Show();
    fields.height = "5";
    fields.radius = "2";
    fields.span = "400";
    fields.invertText = true;
    ASSERT_FALSE(rules.Take(fields));
    EXPECT_FLOAT_EQ(fan->m_layout.m_fRadius, 45);
    EXPECT_FLOAT_EQ(fan->m_layout.m_fSpread, 100);
    EXPECT_EQ(fan->m_layout.m_bInvert, 1);
    EXPECT_EQ(rules.IconIndex(), 2);
    fields = rules.Show();
    EXPECT_EQ(fields.radius, "2.00");
    EXPECT_EQ(fields.span, "360");

    fields.radius = "-3";
    fields.span = "-10";
    ASSERT_FALSE(rules.Take(fields));
    EXPECT_FLOAT_EQ(fan->m_layout.m_fRadius, 25);
    EXPECT_FLOAT_EQ(fan->m_layout.m_fSpread, 0);
}

TEST_F(TextRulesFixture, TextBlockDropsTrailingLineBreaksAndRefusesAnEmptyText)
{
    auto block = Text<CTextObj>("Block");
    CTextBlockRules rules(*block, mm);
    rules.Open();
    CTextBlockRules::Fields fields = rules.Show();
    fields.text = "Two\nlines\n\n";
    fields.x = "5";
    EXPECT_EQ(rules.Accept(fields), CTextBlockRules::Outcome::accepted);
    EXPECT_EQ(block->m_strName, "Two\r\nlines");
    EXPECT_EQ(block->GetPosition(), CPoint(500, 0));

    fields.text = "\n\n";
    EXPECT_EQ(rules.Accept(fields), CTextBlockRules::Outcome::emptyText);

    fields.text = "ok";
    fields.marginX = "wide";
    std::optional<CFieldRefusal> refused;
    EXPECT_EQ(rules.Accept(fields, &refused), CTextBlockRules::Outcome::refusedField);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->field, DialogControlIds::marginX);
}

TEST_F(TextRulesFixture, TextBlockAntialiasingForcesTheFillAndEdgeSwitchesEnableTheirControls)
{
    auto block = Text<CTextObj>("Block");
    CTextBlockRules rules(*block, mm);
    rules.Open();
    CTextBlockRules::Fields fields = rules.Show();
    EXPECT_TRUE(rules.Enabled().fillBackground);
    EXPECT_FALSE(rules.Enabled().backColor);
    EXPECT_FALSE(rules.Enabled().edgeColor);

    fields.antialias = true;
    fields.thickEdge = true; // counts only with an edge
    ASSERT_FALSE(rules.Take(fields));
    EXPECT_EQ(block->m_bFillBackground, 1);
    EXPECT_EQ(block->m_nDrawFrame, 0);
    EXPECT_TRUE(rules.Show().fillBackground);
    EXPECT_FALSE(rules.Enabled().fillBackground);
    EXPECT_TRUE(rules.Enabled().backColor);

    const CSize plain = block->GetSize();
    fields.drawEdge = true;
    ASSERT_FALSE(rules.Take(fields));
    EXPECT_EQ(block->m_nDrawFrame, 2);
    EXPECT_TRUE(rules.Enabled().thickEdge);
    EXPECT_TRUE(rules.Enabled().edgeColor);
    // The edge widens the block.
    EXPECT_GT(block->GetSize().cx, plain.cx);
}

TEST_F(TextRulesFixture, TextBlockMarginsAreNeverNegative)
{
    auto block = Text<CTextObj>("Block");
    CTextBlockRules rules(*block, mm);
    rules.Open();
    const CSize bare = block->GetSize();
    CTextBlockRules::Fields fields = rules.Show();
    fields.marginX = "-2";
    fields.marginY = "1";
    ASSERT_TRUE(rules.TakeMargin(fields, true));
    ASSERT_TRUE(rules.TakeMargin(fields, false));
    EXPECT_EQ(block->m_sizeBkgndMargin, CSize(0, 100));
    EXPECT_EQ(block->GetSize(), CSize(bare.cx, bare.cy + 200));
    EXPECT_EQ(rules.Show().marginX, "0.00");
    fields.marginY = "x";
    EXPECT_FALSE(rules.TakeMargin(fields, false));
}


TEST_F(TextRulesFixture, TextIsStoredInACharacterSetThatHoldsItOrRefusedNamingWhatCannot)
{
    auto text = Text<CFreeTextObj>("Hello");
    CTextRules rules(*text, mm);
    rules.Open();
    CTextPropRules::Fields fields = rules.Show();

    // Western text stays in the Western set, byte for byte.
    fields.text = QStringLiteral("Gr\u00fc\u00dfe");
    ASSERT_FALSE(rules.Take(fields));
    EXPECT_EQ(text->m_strName, QByteArray("Gr\xfc\xdf" "e"));
    EXPECT_EQ(text->m_layout.m_lf.lfCharSet, 0);

    // Japanese moves the text to the Japanese set and a face with its glyphs.
    fields.text = QStringLiteral("\u65e5\u672c\u8a9e");
    ASSERT_FALSE(rules.Take(fields));
    EXPECT_EQ(text->m_layout.m_lf.lfCharSet, 128);
    EXPECT_EQ(text->m_strName, QByteArray("\x93\xfa\x96\x7b\x8c\xea"));
    EXPECT_EQ(text->m_layout.m_lf.FaceName(), QByteArray("MS Gothic"));
    EXPECT_EQ(rules.Show().text, QStringLiteral("\u65e5\u672c\u8a9e"));

    // No one set holds both: refused, the characters named, nothing stored.
    fields.text = QStringLiteral("Gr\u00fc\u00dfe \u65e5\u672c\u8a9e");
    const std::optional<CFieldRefusal> refused = rules.Take(fields);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->field, DialogControlIds::text);
    EXPECT_TRUE(refused->message.contains(QStringLiteral("\u00fc\u00df"))) << refused->message.toStdString();
    EXPECT_EQ(text->m_strName, QByteArray("\x93\xfa\x96\x7b\x8c\xea"));
    EXPECT_FALSE(text->m_strName.contains('\x1a'));

    // A text block follows the same rule.
    auto block = Text<CTextObj>("Block");
    CTextBlockRules blockRules(*block, mm);
    blockRules.Open();
    CTextBlockRules::Fields blockFields = blockRules.Show();
    blockFields.text = QStringLiteral("Gr\u00fc\u00dfe\n\u65e5\u672c");
    std::optional<CFieldRefusal> blockRefused;
    EXPECT_EQ(blockRules.Accept(blockFields, &blockRefused), CTextBlockRules::Outcome::refusedField);
    ASSERT_TRUE(blockRefused);
    EXPECT_EQ(blockRefused->field, DialogControlIds::text);
    blockFields.text = QStringLiteral("\u65e5\u672c\n\u8a9e");
    EXPECT_EQ(blockRules.Accept(blockFields), CTextBlockRules::Outcome::accepted);
    EXPECT_EQ(block->m_lf.lfCharSet, 128);
    EXPECT_EQ(blockRules.Show().text, QStringLiteral("\u65e5\u672c\n\u8a9e"));
}
