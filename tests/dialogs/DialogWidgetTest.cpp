#include "TextObjects.h"
#include "DocumentTestSupport.h"

#include "objects/CArcTextObj.h"
#include "objects/CTextObj.h"
#include "view/dialogs/CFanTextDlg.h"
#include "view/dialogs/CPropertiesDlg.h"
#include "view/dialogs/CTextBlockDlg.h"
#include "view/dialogs/CTextDlg.h"
#include "view/controls/CUnitFormat.h"
#include "view/dialogs/DialogSupport.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {

constexpr int mm = CUnitFormat::millimetres;
constexpr int inch = CUnitFormat::inches;

template <class Widget>
Widget* Control(QWidget& dialog, int id)
{
    return dialog.findChild<Widget*>(QString::number(id));
}

// Types a number or plain text with key presses.
void Type(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        if (c.isDigit())
            QTest::keyClick(widget, Qt::Key(Qt::Key_0 + c.digitValue()));
        else if (c == QLatin1Char('.'))
            QTest::keyClick(widget, Qt::Key_Period);
        else if (c == QLatin1Char(','))
            QTest::keyClick(widget, Qt::Key_Comma);
        else if (c == QLatin1Char('-'))
            QTest::keyClick(widget, Qt::Key_Minus);
        else if (c == QLatin1Char('\n'))
            QTest::keyClick(widget, Qt::Key_Return);
        else if (c.isLower())
            QTest::keyClick(widget, Qt::Key(Qt::Key_A + (c.unicode() - 'a')));
    }
}

void Replace(QWidget* edit, const QString& text)
{
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    Type(edit, text);
}

class DialogFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SetUpDocument(doc);
    }

    template <class Object>
    std::unique_ptr<Object> Text(const char* text)
    {
        return MakeText<Object>(doc, text);
    }

    static void Show(QDialog& dialog)
    {
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    }

    CVeldraDoc doc;
    QStringList refusals;
};

} // namespace

TEST_F(DialogFixture, PropertiesInInchesRelabelsAndStoresInches)
{
    auto picture = Picture("p", 0, 0, 2540, 1270);
    CPropertiesDlg dialog(*picture, inch);
    Show(dialog);
    EXPECT_EQ(dialog.windowTitle(), "Properties");
    EXPECT_EQ(Control<QGroupBox>(dialog, 1009)->title(), "Position (inch)");
    EXPECT_EQ(Control<QGroupBox>(dialog, 1008)->title(), "Size (inch)");
    for (int id : {1167, 1168, 1169, 1170})
        EXPECT_EQ(Control<QLabel>(dialog, id)->text(), "inch") << id;
    auto* width = Control<QLineEdit>(dialog, 1006);
    EXPECT_EQ(width->text(), "1.000");
    EXPECT_EQ(width->maxLength(), 8);
    Replace(Control<QLineEdit>(dialog, 1007), "2");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(picture->GetSize(), CSize(2540, 5080));
}

TEST_F(DialogFixture, PropertiesKeepAspectSetsTheHeightFromTheWidth)
{
    auto picture = Picture("p", 0, 0, 4000, 2000);
    CPropertiesDlg dialog(*picture, mm);
    Show(dialog);
    EXPECT_EQ(Control<QLabel>(dialog, 1167)->text(), "mm");
    auto* keep = Control<QCheckBox>(dialog, 1004);
    auto* width = Control<QLineEdit>(dialog, 1006);
    auto* height = Control<QLineEdit>(dialog, 1007);
    keep->setChecked(true);
    Replace(width, "10");
    // Return ends the entry (the height follows), then confirms.
    QTest::keyClick(width, Qt::Key_Return);
    EXPECT_EQ(height->text(), "5.00");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(picture->GetSize(), CSize(1000, 500));
    EXPECT_TRUE(picture->HasFlag(SOF_KEEPASPECT));
}

TEST_F(DialogFixture, PropertiesRefusesASizeOutOfRangeAndStaysOpen)
{
    auto picture = Picture("p", 0, 0, 1000, 1000);
    CPropertiesDlg dialog(*picture, mm);
    dialog.SetRefusalSink([this](const QString& message) { refusals.push_back(message); });
    Show(dialog);
    EXPECT_FALSE(dialog.Preview().isNull());
    Replace(Control<QLineEdit>(dialog, 1007), "2000");
    dialog.accept();
    ASSERT_EQ(refusals.size(), 1);
    EXPECT_EQ(refusals[0], "Height: Please enter a number between 0.5 and 1000.");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(picture->GetSize(), CSize(1000, 1000));
}

TEST_F(DialogFixture, PropertiesPreviewShowsTheObjectOnTheFaceColour)
{
    CDibObj picture;
    CDibImage image;
    ASSERT_TRUE(image.Create(8, 4, 24, RGB(50, 60, 70)));
    picture.SetImageFrom(&image, flagsPicture, true);
    picture.SetBounds(0, 0, 1000, 500);
    CPropertiesDlg dialog(picture, mm);
    const QImage& preview = dialog.Preview();
    ASSERT_FALSE(preview.isNull());
    const QColor face = dialog.palette().color(QPalette::Button);
    // A wide picture is centred: face colour above, the picture in the middle.
    EXPECT_EQ(preview.pixelColor(preview.width() / 2, 1).rgb(), face.rgb());
    EXPECT_EQ(preview.pixelColor(preview.width() / 2, preview.height() / 2).rgb(), QColor(50, 60, 70).rgb());
}

TEST_F(DialogFixture, TextDialogSizeFollowsTheTypedText)
{
    auto text = Text<CFreeTextObj>("A");
    CTextDlg dialog(*text, mm);
    Show(dialog);
    auto* width = Control<QLineEdit>(dialog, 1006);
    const double before = width->text().toDouble();
    Type(Control<QLineEdit>(dialog, 1120), "bcdef");
    EXPECT_EQ(text->m_strName, "Abcdef");
    EXPECT_GT(width->text().toDouble(), before);
    Replace(Control<QLineEdit>(dialog, 1158), "-400");
    auto* rotate = Control<QCheckBox>(dialog, 1160);
    rotate->setChecked(true);
    EXPECT_FALSE(Control<QLabel>(dialog, 1166)->pixmap().isNull());
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FLOAT_EQ(text->m_layout.m_fAngle, 140);
    EXPECT_EQ(text->m_layout.m_bRotateGlyphs, 1);
}

TEST_F(DialogFixture, TextDialogRefusesANonNumber)
{
    auto text = Text<CFreeTextObj>("A");
    CTextDlg dialog(*text, mm);
    dialog.SetRefusalSink([this](const QString& message) { refusals.push_back(message); });
    Show(dialog);
    Replace(Control<QLineEdit>(dialog, 1022), "");
    dialog.accept();
    ASSERT_EQ(refusals.size(), 1);
    // The field by its label, and a number as the user writes one.
    EXPECT_EQ(refusals[0], "Horizontal: Please enter a number, such as 12.5.");
    EXPECT_TRUE(dialog.isVisible());
}

// In French the decimal comma is a decimal point, and the message's
// example is written with it; the point is still taken.
TEST_F(DialogFixture, NumberFieldsTakeTheLocalesDecimalSeparator)
{
    struct FrenchNumbers
    {
        FrenchNumbers() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }
        ~FrenchNumbers() { QLocale::setDefault(QLocale::c()); }
    } french;
    auto text = Text<CFreeTextObj>("A");
    CTextDlg dialog(*text, mm);
    dialog.SetRefusalSink([this](const QString& message) { refusals.push_back(message); });
    Show(dialog);
    Replace(Control<QLineEdit>(dialog, 1022), "50,5");
    Replace(Control<QLineEdit>(dialog, 1023), "-2.25");
    dialog.accept();
    EXPECT_TRUE(refusals.isEmpty()) << refusals.join('|').toStdString();
    EXPECT_EQ(text->GetPosition(), CPoint(5050, -225));
    EXPECT_EQ(CUnitFormat(CUnitFormat::millimetres).Parse("1,005"), 101);

    CTextDlg again(*text, mm);
    again.SetRefusalSink([this](const QString& message) { refusals.push_back(message); });
    Show(again);
    Replace(Control<QLineEdit>(again, 1022), "cinquante");
    again.accept();
    ASSERT_EQ(refusals.size(), 1);
    EXPECT_TRUE(refusals[0].endsWith("12,5.")) << refusals[0].toStdString();
}

TEST_F(DialogFixture, FanDialogShowsSpanAndRadiusAndTakesThemBack)
{
    auto fan = Text<CArcTextObj>("Fan");
    fan->m_layout.m_fRadius = 200;
    CFanTextDlg dialog(*fan, mm);
    Show(dialog);
    EXPECT_EQ(dialog.windowTitle(), "Fan Text");
    EXPECT_EQ(Control<QLineEdit>(dialog, 1006)->text(), "180");
    Replace(Control<QLineEdit>(dialog, 1007), "4");
    Replace(Control<QLineEdit>(dialog, 1008), "10");
    Replace(Control<QLineEdit>(dialog, 1006), "90");
    Control<QCheckBox>(dialog, 1159)->setChecked(true);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(fan->GetSize().cy, 400);
    EXPECT_FLOAT_EQ(fan->m_layout.m_fRadius, 120);
    EXPECT_FLOAT_EQ(fan->m_layout.m_fSpread, 25);
    EXPECT_EQ(fan->m_layout.m_bInvert, 1);
}

TEST_F(DialogFixture, TextBlockShiftEnterConfirmsWithoutTrailingBlankLines)
{
    auto block = Text<CTextObj>("");
    CTextBlockDlg dialog(*block, inch);
    Show(dialog);
    EXPECT_EQ(Control<QLabel>(dialog, 1172)->text(), "inch");
    auto* text = Control<QPlainTextEdit>(dialog, 1120);
    text->setFocus();
    Type(text, "ab\ncd\n\n");
    EXPECT_EQ(text->toPlainText(), "ab\ncd\n\n");
    QTest::keyClick(text, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(block->m_strName, "ab\r\ncd");
}

TEST_F(DialogFixture, TextBlockRefusesAnEmptyText)
{
    auto block = Text<CTextObj>("Old");
    CTextBlockDlg dialog(*block, mm);
    Show(dialog);
    auto* text = Control<QPlainTextEdit>(dialog, 1120);
    Replace(text, "\n\n");
    QTest::keyClick(text, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_NE(dialog.result(), QDialog::Accepted);
}

TEST_F(DialogFixture, TextBlockAntialiasingChecksAndLocksFillBackground)
{
    auto block = Text<CTextObj>("Block");
    CTextBlockDlg dialog(*block, mm);
    Show(dialog);
    auto* fill = Control<QCheckBox>(dialog, 1020);
    auto* backColor = Control<QWidget>(dialog, 1036);
    EXPECT_FALSE(fill->isChecked());
    EXPECT_FALSE(backColor->isEnabled());
    EXPECT_FALSE(Control<QCheckBox>(dialog, 1019)->isEnabled());
    QTest::mouseClick(Control<QCheckBox>(dialog, 1017), Qt::LeftButton);
    EXPECT_TRUE(fill->isChecked());
    EXPECT_FALSE(fill->isEnabled());
    EXPECT_TRUE(backColor->isEnabled());
    QTest::mouseClick(Control<QCheckBox>(dialog, 1018), Qt::LeftButton);
    EXPECT_TRUE(Control<QCheckBox>(dialog, 1019)->isEnabled());
    EXPECT_TRUE(Control<QWidget>(dialog, 1033)->isEnabled());
}
