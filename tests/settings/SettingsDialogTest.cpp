// The settings dialogs driven through their widgets, shown but never run
// modally.
#include "view/controls/CColorButton.h"
#include "view/controls/CGreyColorButton.h"
#include "view/settings/CGridSetupDlg.h"
#include "view/settings/CPenPreviewFrame.h"
#include "view/settings/CPenSetupDlg.h"
#include "view/settings/CPreferencesDlg.h"

#include "settings/CAppSettings.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>

#include <gtest/gtest.h>

namespace {

constexpr int mm = CUnitFormat::millimetres;
constexpr int inch = CUnitFormat::inches;

void ShowActive(QWidget& dialog)
{
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
}

// Replaces a field's text by keys, as the user would type it.
void TypeInto(QLineEdit* edit, const std::vector<Qt::Key>& keys)
{
    edit->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    for (Qt::Key key : keys)
        QTest::keyClick(edit, key);
}

template <class Widget>
Widget* Child(QWidget& dialog, const char* id)
{
    auto* widget = dialog.findChild<Widget*>(QLatin1String(id));
    EXPECT_TRUE(widget) << id;
    return widget;
}

// Pixels of one colour inside the preview's clip.
int CountPreviewPixels(CPenPreviewFrame* preview, QColor color)
{
    const QImage image = preview->grab().toImage();
    const QRect clip = CPenSetupRules::PreviewClip(preview->rect());
    int count = 0;
    for (int y = clip.top(); y <= clip.bottom(); ++y)
        for (int x = clip.left(); x <= clip.right(); ++x)
            count += QColor(image.pixel(x, y)) == color;
    return count;
}

CTextDefaults PreferencesRecord()
{
    CTextDefaults record;
    record.logFont = CAppSettings::DefaultLogFont();
    record.marginTopLeft = {100, 250};
    record.maxUndoCount = 30;
    record.previewColor0 = RGB(1, 2, 3);
    record.previewColor1 = RGB(4, 5, 6);
    record.pluginFolder = QStringLiteral("/opt/plugins");
    return record;
}

} // namespace

TEST(PenSetupDlg, TrackBarEditAndPreviewFollowEachOther)
{
    CPenSetupDlg dialog(mm, {100, RGB(0xFF, 0, 0)});
    ShowActive(dialog);
    EXPECT_EQ(dialog.WidthTrack()->value(), 99);
    EXPECT_EQ(dialog.WidthEdit()->text(), "1.00");
    EXPECT_EQ(Child<QLabel>(dialog, "1178")->text(), "mm");

    dialog.WidthTrack()->setFocus();
    QTest::keyClick(dialog.WidthTrack(), Qt::Key_Right);
    EXPECT_EQ(dialog.WidthEdit()->text(), "1.01");
    QTest::keyClick(dialog.WidthTrack(), Qt::Key_End);
    EXPECT_EQ(dialog.WidthEdit()->text(), "20.00");
    // The widest pen fills the frame: the clip's edge pixels are painted.
    const QImage wide = dialog.Preview()->grab().toImage();
    const QRect clip = CPenSetupRules::PreviewClip(dialog.Preview()->rect());
    EXPECT_EQ(QColor(wide.pixel(clip.center().x(), clip.top())), QColor(Qt::red));
    EXPECT_EQ(QColor(wide.pixel(clip.left(), clip.center().y())), QColor(Qt::red));

    QTest::keyClick(dialog.WidthTrack(), Qt::Key_Home);
    EXPECT_EQ(dialog.WidthEdit()->text(), "0.01");
    EXPECT_EQ(CountPreviewPixels(dialog.Preview(), Qt::red), 1);

    dialog.ColorButton()->SetColor(RGB(0x80, 0x80, 0x80));
    EXPECT_EQ(CountPreviewPixels(dialog.Preview(), QColor(0x80, 0x80, 0x80)), 1);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Result(), (CPenSetupRules::Pen{1, RGB(0x80, 0x80, 0x80)}));
}

TEST(PenSetupDlg, LeavingTheWidthTakesItOrSaysWhyAndRestoresTheLastValidOne)
{
    CPenSetupDlg dialog(mm, {100, 0});
    ShowActive(dialog);
    TypeInto(dialog.WidthEdit(), {Qt::Key_5});
    QTest::keyClick(dialog.WidthEdit(), Qt::Key_Tab);
    EXPECT_EQ(dialog.WidthTrack()->value(), 499);
    EXPECT_EQ(dialog.WidthEdit()->text(), "5.00");

    // Out of range or not a number: said with the range message every
    // dialog gives, the last valid width back, the focus kept.
    QStringList refusals;
    dialog.SetRefusalSink([&](const QString& message) { refusals += message; });
    for (const std::vector<Qt::Key>& keys : {std::vector<Qt::Key>{Qt::Key_2, Qt::Key_5}, std::vector<Qt::Key>{Qt::Key_9, Qt::Key_9, Qt::Key_9, Qt::Key_9, Qt::Key_9},
                                       std::vector<Qt::Key>{Qt::Key_A, Qt::Key_B}}) {
        TypeInto(dialog.WidthEdit(), keys);
        QTest::keyClick(dialog.WidthEdit(), Qt::Key_Tab);
        QCoreApplication::processEvents();
        EXPECT_EQ(dialog.WidthEdit()->text(), "5.00");
        EXPECT_EQ(dialog.WidthTrack()->value(), 499);
        EXPECT_EQ(QApplication::focusWidget(), dialog.WidthEdit());
    }
    EXPECT_EQ(refusals, (QStringList{"Please enter a number between 0.01 and 20.00.", "Please enter a number between 0.01 and 20.00.",
                                     "Please enter a number, such as 12.5."}));
    dialog.accept();
    EXPECT_EQ(dialog.Result().width, 500);
}

TEST(PenSetupDlg, OkRefusesAWidthOutOfRangeAndStaysOpen)
{
    CPenSetupDlg dialog(inch, {1, 0});
    QStringList refusals;
    dialog.SetRefusalSink([&](const QString& message) { refusals += message; });
    ShowActive(dialog);
    EXPECT_EQ(dialog.WidthEdit()->text(), "0.000");
    EXPECT_EQ(Child<QLabel>(dialog, "1178")->text(), "inch");

    TypeInto(dialog.WidthEdit(), {Qt::Key_Period, Qt::Key_8});
    dialog.accept();
    EXPECT_EQ(refusals, QStringList{"Please enter a number between 0.000 and 0.787."});
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(QApplication::focusWidget(), dialog.WidthEdit());
    EXPECT_EQ(dialog.WidthEdit()->selectedText(), ".8");

    TypeInto(dialog.WidthEdit(), {Qt::Key_Period, Qt::Key_7, Qt::Key_8, Qt::Key_7});
    dialog.accept();
    EXPECT_EQ(refusals.size(), 1);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.Result().width, 1999);
}

TEST(GridSetupDlg, CentreColourButtonFollowsItsCheckAndZeroIntervalsAreTaken)
{
    GridSettings grid;
    grid.pitch = {500, 500};
    grid.color = RGB(0x40, 0x40, 0x40);
    grid.centerColor = colorNone;
    CGridSetupDlg dialog(inch, grid);
    ShowActive(dialog);
    EXPECT_EQ(Child<QGroupBox>(dialog, "1090")->title(), "Interval (inch)");
    EXPECT_EQ(dialog.HorizontalEdit()->text(), "0.197");
    EXPECT_FALSE(dialog.CenterColorButton()->isEnabled());
    EXPECT_EQ(dialog.CenterColorButton()->Color(), grid.color);

    QTest::mouseClick(dialog.CenterColorCheck(), Qt::LeftButton);
    EXPECT_TRUE(dialog.CenterColorButton()->isEnabled());
    dialog.CenterColorButton()->SetColor(RGB(0xFF, 0, 0));
    dialog.ShowGridCheck()->setFocus();
    QTest::keyClick(dialog.ShowGridCheck(), Qt::Key_Space);
    TypeInto(dialog.VerticalEdit(), {Qt::Key_0});
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const GridSettings result = dialog.Result();
    EXPECT_EQ(result.pitch, (CPoint{500, 0})); // the untouched one exactly
    EXPECT_EQ(result.centerColor, RGB(0xFF, 0, 0));
    EXPECT_FALSE(result.shown);
}

TEST(PreferencesDlg, AdvancedRevealsLevelsAndShiftCtrlTheFolder)
{
    CPreferencesDlg dialog(mm, PreferencesRecord(), 0);
    ShowActive(dialog);
    auto* advanced = Child<QPushButton>(dialog, "1144");
    const auto visibleLevels = [&] {
        int shown = 0;
        while (shown < 3 && dialog.Section(shown)->isVisible())
            ++shown;
        return shown;
    };
    EXPECT_EQ(visibleLevels(), 1);
    EXPECT_FALSE(Child<QLineEdit>(dialog, "1131")->isEnabled());
    const int levelZeroHeight = dialog.height();

    QTest::mouseClick(advanced, Qt::LeftButton);
    EXPECT_EQ(dialog.Level(), 1);
    EXPECT_EQ(visibleLevels(), 2);
    EXPECT_TRUE(Child<QLineEdit>(dialog, "1131")->isEnabled());
    EXPECT_FALSE(Child<QLineEdit>(dialog, "1074")->isEnabled());
    QCoreApplication::processEvents();
    const int levelOneHeight = dialog.height();
    EXPECT_GT(levelOneHeight, levelZeroHeight);

    QTest::mouseClick(advanced, Qt::LeftButton);
    EXPECT_EQ(dialog.Level(), 0);
    QTest::mouseClick(advanced, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(dialog.Level(), 1);
    QTest::mouseClick(advanced, Qt::LeftButton);
    QTest::mouseClick(advanced, Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(dialog.Level(), 2);
    EXPECT_EQ(visibleLevels(), 3);
    EXPECT_TRUE(Child<QLineEdit>(dialog, "1074")->isEnabled());
    EXPECT_FALSE(Child<QLineEdit>(dialog, "1071")->isEnabled());
    QCoreApplication::processEvents();
    EXPECT_GT(dialog.height(), levelOneHeight);
}

TEST(PreferencesDlg, ConfirmedAtLevelZeroChangesOnlyZoomAndUnit)
{
    // Inches on purpose: margins that cannot show exactly must not drift.
    const CTextDefaults record = PreferencesRecord();
    CPreferencesDlg dialog(inch, record, 0);
    ShowActive(dialog);
    TypeInto(Child<QLineEdit>(dialog, "1060"), {Qt::Key_2, Qt::Key_0, Qt::Key_0});
    QTest::mouseClick(Child<QRadioButton>(dialog, "1059"), Qt::LeftButton);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    CTextDefaults expected = record;
    expected.zoom = 200;
    expected.unit = 2;
    EXPECT_EQ(dialog.Result(), expected);
}

TEST(PreferencesDlg, NumbersOutOfRangeKeepTheDialogOpenOnTheirField)
{
    CPreferencesDlg dialog(mm, PreferencesRecord(), 0);
    QStringList refusals;
    dialog.SetRefusalSink([&](const QString& message) { refusals += message; });
    ShowActive(dialog);
    QTest::mouseClick(Child<QPushButton>(dialog, "1144"), Qt::LeftButton);

    auto* zoom = Child<QLineEdit>(dialog, "1060");
    TypeInto(zoom, {Qt::Key_2, Qt::Key_0});
    dialog.accept();
    EXPECT_EQ(QApplication::focusWidget(), zoom);
    TypeInto(zoom, {Qt::Key_2, Qt::Key_5});
    auto* undo = Child<QLineEdit>(dialog, "1053");
    TypeInto(undo, {Qt::Key_0});
    dialog.accept();
    EXPECT_EQ(QApplication::focusWidget(), undo);
    auto* margin = Child<QLineEdit>(dialog, "1132");
    TypeInto(undo, {Qt::Key_7});
    TypeInto(margin, {Qt::Key_5, Qt::Key_1});
    dialog.accept();
    EXPECT_EQ(QApplication::focusWidget(), margin);
    EXPECT_EQ(refusals, (QStringList{"Zoom: Please enter an integer between 25 and 1600.",
                                     "Undo Count: Please enter an integer between 1 and 32767.",
                                     "Vertical: Please enter a number between 0.00 and 50.00."}));
    EXPECT_TRUE(dialog.isVisible());

    TypeInto(margin, {Qt::Key_5, Qt::Key_0});
    dialog.accept();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.Result().zoom, 25);
    EXPECT_EQ(dialog.Result().maxUndoCount, 7);
    EXPECT_EQ(dialog.Result().marginTopLeft, (CPoint{100, 5000}));
}

TEST(PreferencesDlg, PresetsAndTheSystemColourDecideWhichSwatchesCanChange)
{
    CTextDefaults record = PreferencesRecord();
    record.outsideColor = colorNone;
    const COLORREF system = RGB(0xF0, 0xF0, 0xE0);
    CPreferencesDlg dialog(mm, record, system);
    ShowActive(dialog);
    QTest::mouseClick(Child<QPushButton>(dialog, "1144"), Qt::LeftButton);

    auto* off = Child<CColorButton>(dialog, "1095");
    auto* on = Child<CColorButton>(dialog, "1096");
    EXPECT_TRUE(Child<QRadioButton>(dialog, "1094")->isChecked());
    EXPECT_TRUE(off->isEnabled());
    EXPECT_TRUE(on->isEnabled());

    QTest::mouseClick(Child<QRadioButton>(dialog, "1093"), Qt::LeftButton);
    EXPECT_FALSE(off->isEnabled());
    EXPECT_TRUE(off->KeepSwatchWhenDisabled());
    EXPECT_EQ(off->Color(), 0xC0C0C0u);
    EXPECT_EQ(on->Color(), 0xF0F0F0u);

    auto* outside = Child<CColorButton>(dialog, "1055");
    auto* useSystem = Child<QCheckBox>(dialog, "1064");
    EXPECT_TRUE(useSystem->isChecked());
    EXPECT_FALSE(outside->isEnabled());
    EXPECT_EQ(outside->Color(), system);
    QTest::mouseClick(useSystem, Qt::LeftButton);
    EXPECT_TRUE(outside->isEnabled());
    outside->SetColor(RGB(0, 0, 0x80));

    dialog.accept();
    EXPECT_EQ(dialog.Result().previewColor0, 0xC0C0C0u);
    EXPECT_EQ(dialog.Result().previewColor1, 0xF0F0F0u);
    EXPECT_EQ(dialog.Result().outsideColor, RGB(0, 0, 0x80));
}
