// The rules of the settings dialogs, without any window: typed lengths and
// numbers, the pen preview, the grid record and the preferences copy.
#include "view/CGridPainter.h"
#include "view/settings/CGridSetupRules.h"
#include "view/settings/CIntegerField.h"
#include "view/settings/CPenSetupRules.h"
#include "view/settings/CPreferencesRules.h"
#include "view/DialogFont.h"

#include "settings/CAppSettings.h"
#include "objects/FontMapper.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

constexpr int mm = CUnitFormat::millimetres;
constexpr int inch = CUnitFormat::inches;

CTextDefaults SampleRecord()
{
    CTextDefaults record;
    record.logFont = CAppSettings::DefaultLogFont();
    record.zoom = 150;
    record.unit = 1;
    record.marginTopLeft = {300, 400};
    record.maxUndoCount = 50;
    record.previewColor0 = RGB(1, 2, 3);
    record.previewColor1 = RGB(4, 5, 6);
    record.outsideColor = RGB(0x20, 0x30, 0x40);
    record.pluginFolder = QStringLiteral("/opt/plugins");
    return record;
}

CPreferencesRules::Texts TextsOf(const CPreferencesRules& rules)
{
    return {rules.ZoomText(), rules.MarginXText(), rules.MarginYText(), rules.UndoText(), rules.Folder(), std::nullopt};
}

} // namespace

TEST(SettingsFields, PenWidthInMillimetresAndItsLimits)
{
    CPenSetupRules rules(mm, {150, 0});
    EXPECT_EQ(rules.WidthText(), "1.50");
    EXPECT_EQ(rules.UnitName(), "mm");
    EXPECT_EQ(rules.AcceptWidthText("0.004"), "Please enter a number between 0.01 and 20.00.");
    EXPECT_EQ(rules.AcceptWidthText("20.01"), "Please enter a number between 0.01 and 20.00.");
    EXPECT_EQ(rules.AcceptWidthText("1,5"), "Please enter a number, such as 12.5.");
    EXPECT_EQ(rules.AcceptWidthText(""), "Please enter a number, such as 12.5.");
    EXPECT_EQ(rules.Result().width, 150);
    EXPECT_EQ(rules.AcceptWidthText(" 20.00 "), "");
    EXPECT_EQ(rules.Result().width, 2000);
    EXPECT_EQ(rules.AcceptWidthText("0.015"), "");
    EXPECT_EQ(rules.Result().width, 2); // halves away from zero
}

TEST(SettingsFields, PenWidthInInchesKeepsAnUntouchedWidth)
{
    // 0.01 mm shows as 0.000 inch; confirming unchanged must not make it 0.
    CPenSetupRules thin(inch, {1, 0});
    EXPECT_EQ(thin.WidthText(), "0.000");
    EXPECT_EQ(thin.UnitName(), "inch");
    EXPECT_EQ(thin.AcceptWidthText("0.000"), "");
    EXPECT_EQ(thin.Result().width, 1);

    CPenSetupRules rules(inch, {100, 0});
    EXPECT_EQ(rules.WidthText(), "0.039");
    EXPECT_EQ(rules.AcceptWidthText("0.5"), "");
    EXPECT_EQ(rules.Result().width, 1270);
    EXPECT_EQ(rules.AcceptWidthText("0.787"), "");
    EXPECT_EQ(rules.Result().width, 1999);
    // What shows as the lower end is accepted even though it is below 0.01 mm.
    EXPECT_EQ(rules.AcceptWidthText("0"), "");
    EXPECT_EQ(rules.Result().width, 0);
    EXPECT_EQ(rules.AcceptWidthText("0.788"), "Please enter a number between 0.000 and 0.787.");
    EXPECT_EQ(rules.Result().width, 0);
}

TEST(SettingsFields, IntegersRefuseFractionsAndNumbersOutsideTheirRange)
{
    CIntegerField zoom(25, 1600, 100);
    for (const char* text : {"24", "1601", "1.5", "", "abc"})
        EXPECT_EQ(zoom.Take(text), "Please enter an integer between 25 and 1600.") << text;
    EXPECT_EQ(zoom.Value(), 100);
    EXPECT_EQ(zoom.Take(" 1600 "), "");
    EXPECT_EQ(zoom.Value(), 1600);
}

TEST(PenSetupRules, TrackBarStandsAtWidthMinusOne)
{
    CPenSetupRules rules(mm, {1, 0});
    EXPECT_EQ(rules.TrackPosition(), 0);
    rules.SetTrackPosition(99);
    EXPECT_EQ(rules.Result().width, 100);
    EXPECT_EQ(rules.WidthText(), "1.00");
    rules.SetTrackPosition(CPenSetupRules::trackMaximum);
    EXPECT_EQ(rules.Result().width, 2000);
    // Widths the bar cannot show put it at its nearest end.
    EXPECT_EQ(CPenSetupRules(inch, {0, 0}).TrackPosition(), 0);
    EXPECT_EQ(CPenSetupRules(mm, {5000, 0}).TrackPosition(), CPenSetupRules::trackMaximum);
}

TEST(PenSetupRules, PreviewIsOnePixelForTheThinnestAndFillsTheFrameForTheWidest)
{
    const QRect frame(0, 0, 100, 80);
    const auto thinnest = CPenSetupRules::Preview(frame, 1);
    EXPECT_FALSE(thinnest.disc);
    EXPECT_EQ(thinnest.bounds, QRect(50, 40, 1, 1));

    // r = MulDiv(width, 78, 4000): 1 still draws a square (2 pixels), 2 a disc.
    const auto small = CPenSetupRules::Preview(frame, 60);
    EXPECT_FALSE(small.disc);
    EXPECT_EQ(small.bounds, QRect(50, 40, 2, 2));
    const auto disc = CPenSetupRules::Preview(frame, 100);
    EXPECT_TRUE(disc.disc);
    EXPECT_EQ(disc.bounds, QRect(48, 38, 5, 5));

    const auto widest = CPenSetupRules::Preview(frame, 2000);
    EXPECT_TRUE(widest.disc);
    const QRect clip = CPenSetupRules::PreviewClip(frame);
    EXPECT_EQ(widest.bounds.top(), clip.top());
    EXPECT_GE(widest.bounds.bottom(), clip.bottom());
    // Painted row by row: the outermost rows are there, and the middle row
    // spans the whole bounds.
    const QList<QRect> rows = CPenSetupRules::PreviewRows(disc);
    ASSERT_EQ(rows.size(), 5);
    EXPECT_EQ(rows.front(), QRect(49, 38, 3, 1));
    EXPECT_EQ(rows[2], QRect(48, 40, 5, 1));
    EXPECT_EQ(rows.back(), QRect(49, 42, 3, 1));
    EXPECT_EQ(CPenSetupRules::PreviewRows(thinnest), QList<QRect>{thinnest.bounds});
}

TEST(GridSetupRules, IntervalZeroIsAcceptedAndDrawsNoLinesOnThatAxis)
{
    GridSettings grid;
    grid.pitch = {500, 500};
    grid.centerColor = colorNone;
    CGridSetupRules rules(mm, grid);
    EXPECT_EQ(rules.Accept("0", "50.01")->message, "Please enter a number between 0.00 and 50.00.");
    EXPECT_EQ(rules.Accept("-1", "5")->field, CGridSetupRules::horizontalField);
    EXPECT_FALSE(rules.Accept("0", "5"));
    EXPECT_EQ(rules.Result().pitch, (CPoint{0, 500}));

    // 90 x 60 mm at 254 dpi: one pixel per 0.1 mm, lines every 50 pixels.
    QImage image(900, 600, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    CGridPainter::Draw(painter, rules.Result(), {{9000, 6000}, 254, 1.0, {0, 0}});
    painter.end();
    const QRgb line = QColor(0x80, 0x80, 0x80).rgb();
    int horizontal = 0;
    int vertical = 0;
    for (int x = 0; x < 900; ++x)
        horizontal += image.pixel(x, 300) == line;
    for (int y = 0; y < 600; ++y)
        vertical += image.pixel(425, y) == line;
    EXPECT_EQ(horizontal, 900);
    EXPECT_EQ(vertical, 12); // only where the 12 horizontal lines in the image cross
}

TEST(GridSetupRules, CentreColourOnlyWhenChecked)
{
    GridSettings grid;
    grid.color = RGB(10, 20, 30);
    grid.centerColor = colorNone;
    CGridSetupRules rules(inch, grid);
    EXPECT_FALSE(rules.HasCenterColor());
    EXPECT_EQ(rules.CenterButtonColor(), grid.color);
    rules.SetCenterButtonColor(RGB(1, 1, 1));
    EXPECT_EQ(rules.Result().centerColor, colorNone);
    rules.SetHasCenterColor(true);
    EXPECT_EQ(rules.Result().centerColor, RGB(1, 1, 1));

    // Inch fields hand back an untouched pitch exactly (500 shows as 0.197).
    grid.pitch = {500, 100};
    CGridSetupRules inches(inch, grid);
    EXPECT_FALSE(inches.Accept(inches.HorizontalText(), inches.VerticalText()));
    EXPECT_EQ(inches.Result().pitch, grid.pitch);
    // 50 mm is 1.9685 inch: the shown end is cut, not rounded up past it.
    EXPECT_EQ(inches.Accept("1.969", "0")->message, "Please enter a number between 0.000 and 1.968.");
    EXPECT_FALSE(inches.Accept("1.968", "0"));
    EXPECT_EQ(inches.Result().pitch.x, 4999);
}

TEST(PreferencesRules, AdvancedOpensLevelOneOrWithShiftAndCtrlLevelTwo)
{
    CPreferencesRules rules(mm, SampleRecord(), 0);
    EXPECT_EQ(rules.Level(), 0);
    rules.SetAdvanced(true, false);
    EXPECT_EQ(rules.Level(), 1);
    rules.SetAdvanced(false, true);
    EXPECT_EQ(rules.Level(), 0);
    rules.SetAdvanced(true, true);
    EXPECT_EQ(rules.Level(), 2);
    EXPECT_TRUE(rules.SectionEnabled(2));
}

TEST(PreferencesRules, LevelZeroReadsOnlyZoomAndUnit)
{
    const CTextDefaults record = SampleRecord();
    CPreferencesRules rules(mm, record, 0);
    rules.SetUnitSetting(2);
    const CPreferencesRules::Texts texts{"400", "junk", "99", "0", "/elsewhere", std::nullopt};
    EXPECT_FALSE(rules.Accept(texts));
    CTextDefaults expected = record;
    expected.zoom = 400;
    expected.unit = 2;
    EXPECT_EQ(rules.Result(), expected);

    // One level up the same entries are refused and nothing is kept.
    rules.SetAdvanced(true, false);
    const auto refused = rules.Accept({"800", "junk", "99", "0", "/elsewhere", std::nullopt});
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->field, CPreferencesRules::marginXField);
    EXPECT_EQ(refused->message, "Please enter a number, such as 12.5.");
    EXPECT_EQ(rules.Accept({"800", "1", "99", "0", "", std::nullopt})->message, "Please enter a number between 0.00 and 50.00.");
    EXPECT_EQ(rules.Accept({"800", "1", "2", "0", "", std::nullopt})->message, "Please enter an integer between 1 and 32767.");
    EXPECT_EQ(rules.Result(), expected);

    EXPECT_FALSE(rules.Accept({"800", "1", "2", "32767", "/elsewhere", std::nullopt}));
    EXPECT_EQ(rules.Result().marginTopLeft, (CPoint{100, 200}));
    EXPECT_EQ(rules.Result().maxUndoCount, 32767);
    EXPECT_EQ(rules.Result().pluginFolder, record.pluginFolder); // level 2 only
    rules.SetAdvanced(true, true);
    EXPECT_FALSE(rules.Accept(TextsOf(rules)));
    EXPECT_EQ(rules.Result().pluginFolder, record.pluginFolder);
}

TEST(PreferencesRules, PreviewPresetsAndUserDefinedColours)
{
    EXPECT_EQ(CPreferencesRules::PresetOf(0x40C0C0, 0x80FFFF), CPreferencesRules::presetColor1);
    EXPECT_EQ(CPreferencesRules::PresetOf(0xC0C0C0, 0xF0F0F0), CPreferencesRules::presetColor2);
    EXPECT_EQ(CPreferencesRules::PresetOf(0xC0C0C0, 0x80FFFF), CPreferencesRules::presetUserDefined);

    CPreferencesRules rules(mm, SampleRecord(), 0);
    EXPECT_EQ(rules.PreviewChoice(), CPreferencesRules::presetUserDefined);
    EXPECT_FALSE(rules.PreviewButtonsEnabled()); // level 0 hides them
    rules.SetAdvanced(true, false);
    EXPECT_TRUE(rules.PreviewButtonsEnabled());

    rules.ChoosePreview(CPreferencesRules::presetColor2);
    EXPECT_FALSE(rules.PreviewButtonsEnabled());
    rules.SetPreviewColors(RGB(9, 9, 9), RGB(8, 8, 8)); // ignored: a preset is chosen
    EXPECT_EQ(rules.Result().previewColor0, 0xC0C0C0u);
    EXPECT_EQ(rules.Result().previewColor1, 0xF0F0F0u);

    rules.ChoosePreview(CPreferencesRules::presetUserDefined);
    rules.SetPreviewColors(RGB(9, 9, 9), RGB(8, 8, 8));
    EXPECT_EQ(rules.Result().previewColor0, RGB(9, 9, 9));
    EXPECT_EQ(rules.Result().previewColor1, RGB(8, 8, 8));
}

TEST(PreferencesRules, OutsideColourFollowsTheSystemOrTheButton)
{
    const COLORREF system = RGB(0xEE, 0xDD, 0xCC);
    CTextDefaults record = SampleRecord();
    record.outsideColor = colorNone;
    CPreferencesRules rules(mm, record, system);
    rules.SetAdvanced(true, false);
    EXPECT_TRUE(rules.UsesSystemColor());
    EXPECT_EQ(rules.OutsideButtonColor(), system);
    EXPECT_FALSE(rules.OutsideButtonEnabled());
    rules.SetOutsideButtonColor(RGB(1, 0, 0)); // the button cannot change it now
    EXPECT_EQ(rules.Result().outsideColor, colorNone);

    rules.SetUsesSystemColor(false);
    EXPECT_EQ(rules.Result().outsideColor, system);
    rules.SetOutsideButtonColor(RGB(1, 0, 0));
    EXPECT_EQ(rules.Result().outsideColor, RGB(1, 0, 0));
    rules.SetUsesSystemColor(true);
    EXPECT_EQ(rules.Result().outsideColor, colorNone);
    EXPECT_EQ(rules.OutsideButtonColor(), system);
}

TEST(PreferencesRules, ResetDefaultEmptiesTheFolderOnlyWhenItIsShown)
{
    CTextDefaults record = SampleRecord();
    record.logFont.lfHeight = -50;
    record.newText = QStringLiteral("Kept");
    CPreferencesRules rules(inch, record, 0);
    rules.SetAdvanced(true, false);
    rules.ResetDefaults();
    const CTextDefaults defaults;
    EXPECT_EQ(rules.Result().logFont, CAppSettings::DefaultLogFont());
    EXPECT_EQ(rules.Result().zoom, 100);
    EXPECT_EQ(rules.Result().unit, 0);
    EXPECT_EQ(rules.Result().marginTopLeft, defaults.marginTopLeft);
    EXPECT_EQ(rules.Result().outsideColor, colorNone);
    EXPECT_EQ(rules.PreviewChoice(), CPreferencesRules::presetColor1);
    EXPECT_EQ(rules.Result().maxUndoCount, 100);
    EXPECT_EQ(rules.Result().pluginFolder, record.pluginFolder);
    EXPECT_EQ(rules.Result().newText, "Kept");
    EXPECT_EQ(rules.MarginXText(), "0.039");

    rules.SetAdvanced(true, true);
    rules.ResetDefaults();
    EXPECT_TRUE(rules.Result().pluginFolder.isEmpty());
}

TEST(DialogFont, SizesRoundTripThroughPointsAndTheFaceKeepsItsCharacterSet)
{
    const LOGFONT original = CAppSettings::DefaultLogFont();
    const QFont shown = DialogFont::ToDialogFont(original);
    EXPECT_DOUBLE_EQ(shown.pointSizeF(), 24.0);
    EXPECT_EQ(DialogFont::FromDialogFont(shown, original), original);

    QFont chosen(QStringLiteral("Courier New"));
    chosen.setPointSizeF(9);
    chosen.setWeight(QFont::Bold);
    chosen.setItalic(true);
    const LOGFONT changed = DialogFont::FromDialogFont(chosen, original);
    EXPECT_EQ(changed.lfHeight, -12);
    EXPECT_EQ(changed.lfWeight, 700);
    EXPECT_EQ(changed.lfItalic, 1);
    EXPECT_EQ(changed.FaceName(), "Courier New");
    EXPECT_EQ(changed.lfPitchAndFamily, original.lfPitchAndFamily);
    EXPECT_EQ(changed.lfQuality, original.lfQuality);

    // A Japanese face cannot be written in windows-1252.
    const QString gothic = QString::fromUtf16(u"\uFF2D\uFF33 \u30B4\u30B7\u30C3\u30AF");
    chosen.setFamily(gothic);
    const LOGFONT japanese = DialogFont::FromDialogFont(chosen, original);
    EXPECT_EQ(japanese.lfCharSet, 128);
    EXPECT_EQ(FontMapper::FaceName(japanese), gothic);
}
