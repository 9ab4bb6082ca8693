#include "PreviewTestSupport.h"

#include "imaging/CDibImage.h"
#include "view/artwork/CArtwork.h"

#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QScreen>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace {

constexpr COLORREF colour0 = RGB(0xC0, 0xC0, 0x40);
constexpr COLORREF colour1 = RGB(0xFF, 0xFF, 0x80);

std::vector<std::uint8_t> Gradient(int width, int height)
{
    std::vector<std::uint8_t> grey;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            grey.push_back(std::uint8_t((x * 7 + y * 3) % 256));
    return grey;
}

// The dialog over a plate of the given size, shown at a known size.
class PreviewDlgTest : public ::testing::Test
{
protected:
    void Open(int width, int height, int zoom = 1, QSize size = {640, 480})
    {
        grey = Gradient(width, height);
        placement.SetNormalRect({40, 30, 40 + size.width(), 30 + size.height()});
        dialog = std::make_unique<CPreviewDlg>(CPreviewDlg::Plate{grey, width, height}, zoom, colour0, colour1,
                                               placement);
        dialog->SetAdjustments({0, 0, -500});
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    }

    QImage Shown() const
    {
        QWidget* viewport = dialog->Picture()->viewport();
        return viewport->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    static QRgb Rgb(COLORREF c) { return qRgb(GetRValue(c), GetGValue(c), GetBValue(c)); }

    std::vector<std::uint8_t> grey;
    CAppSettings::WindowPlacement placement;
    std::unique_ptr<CPreviewDlg> dialog;
};

} // namespace

TEST_F(PreviewDlgTest, GammaEditShowsAndReadsGammaAsARealNumber)
{
    Open(50, 40);
    QLineEdit* gamma = PreviewEdit(*dialog, "1118");
    ASSERT_TRUE(gamma);
    EXPECT_EQ(gamma->text(), QStringLiteral("0.5"));
    EXPECT_EQ(gamma->maxLength(), 4);

    TypeKeys(gamma, {Qt::Key_2});
    EXPECT_EQ(dialog->Adjustments().gamma, 100);
    EXPECT_EQ(PreviewBar(*dialog, "1119")->value(), 100);
    TypeKeys(gamma, {Qt::Key_0});
    EXPECT_EQ(dialog->Adjustments().gamma, 0);

    TypeKeys(PreviewEdit(*dialog, "1114"), {Qt::Key_Minus, Qt::Key_7, Qt::Key_7});
    EXPECT_EQ(dialog->Adjustments().brightness, -50);
    EXPECT_EQ(PreviewBar(*dialog, "1117")->value(), -50);
}

TEST_F(PreviewDlgTest, GammaBarStepsThroughOne)
{
    Open(50, 40);
    dialog->SetAdjustments({0, 0, -10});
    QScrollBar* bar = PreviewBar(*dialog, "1119");
    QLineEdit* gamma = PreviewEdit(*dialog, "1118");
    bar->setFocus();
    QTest::keyClick(bar, Qt::Key_Right);
    EXPECT_EQ(gamma->text(), QStringLiteral("1"));
    EXPECT_EQ(dialog->Adjustments().gamma, 0);
    QTest::keyClick(bar, Qt::Key_Right);
    EXPECT_EQ(gamma->text(), QStringLiteral("1.01"));
    EXPECT_EQ(bar->value(), 1);
    QTest::keyClick(bar, Qt::Key_Left);
    QTest::keyClick(bar, Qt::Key_Left);
    EXPECT_EQ(gamma->text(), QStringLiteral("0.99"));
    EXPECT_EQ(bar->value(), -10);
    QTest::keyClick(bar, Qt::Key_Home);
    EXPECT_EQ(gamma->text(), QStringLiteral("0.1"));

    QScrollBar* contrast = PreviewBar(*dialog, "1116");
    contrast->setFocus();
    QTest::keyClick(contrast, Qt::Key_PageUp);
    QTest::keyClick(contrast, Qt::Key_Right);
    EXPECT_EQ(PreviewEdit(*dialog, "1115")->text(), QStringLiteral("11"));
    EXPECT_EQ(dialog->Adjustments().contrast, 11);
}

TEST_F(PreviewDlgTest, GammaBarFollowsTheWheelBothWaysBelowOne)
{
    Open(50, 40);
    dialog->SetAdjustments({0, 0, -500});
    QScrollBar* bar = PreviewBar(*dialog, "1119");
    const auto wheel = [this, bar](int delta) {
        const QPointF at(bar->width() / 2.0, bar->height() / 2.0);
        QWheelEvent event(at, bar->mapToGlobal(at), {}, QPoint(0, delta), Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(bar, &event);
        return dialog->Adjustments().gamma;
    };
    const int one = wheel(120);
    EXPECT_NE(one, -500);
    EXPECT_EQ(wheel(-120), -500);
    EXPECT_EQ(wheel(-120) + 500, -(one + 500));
}

TEST_F(PreviewDlgTest, SetStandardAndOkReadTheEdits)
{
    Open(50, 40);
    dialog->SetAdjustments({20, -30, 250});
    ClickPreviewButton(*dialog, "1109");
    EXPECT_EQ(dialog->Adjustments(), (CEngraverAdjustments{0, 0, -500}));
    EXPECT_EQ(PreviewEdit(*dialog, "1115")->text(), QStringLiteral("0"));
    EXPECT_EQ(PreviewBar(*dialog, "1119")->value(), -500);

    // A gamma the bar put in the edit is read back as it is.
    dialog->SetAdjustments({0, 0, 14});
    ClickPreviewButton(*dialog, "1");
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->Adjustments().gamma, 14);
}

TEST_F(PreviewDlgTest, ZoomKeepsTheTopLeftDevicePoint)
{
    Open(900, 700);
    CPreviewPictureWnd* picture = dialog->Picture();
    picture->ScrollTo(37, 23);
    ASSERT_EQ(picture->GetScrollPosition(), (CPoint{37, 23}));
    auto* zoom = dialog->findChild<QComboBox*>(QStringLiteral("1106"));
    ASSERT_TRUE(zoom);
    EXPECT_EQ(zoom->itemText(2), QStringLiteral(" 400%"));
    zoom->setFocus();
    QTest::keyClick(zoom, Qt::Key_Down);
    QTest::keyClick(zoom, Qt::Key_Down);
    EXPECT_EQ(dialog->Zoom(), 4);
    EXPECT_EQ(picture->TotalSize(), (CSize{3600, 2800}));
    EXPECT_EQ(picture->GetScrollPosition(), (CPoint{148, 92}));
}

TEST_F(PreviewDlgTest, WhatThePictureShowsIsTheWholePictureScrolled)
{
    Open(300, 200, 4);
    CPreviewPictureWnd* picture = dialog->Picture();
    // Not on a dot cell's edge, so the part is drawn shifted.
    picture->ScrollTo(301, 203);
    const CPoint scroll = picture->GetScrollPosition();
    ASSERT_EQ(scroll, (CPoint{301, 203}));
    CPreviewPicture reference;
    reference.SetAdjustments(dialog->Adjustments());
    CDibImage whole;
    ASSERT_TRUE(reference.Render(grey, 300, 200, 4, colour0, colour1, whole));
    const QImage shown = Shown();
    ASSERT_FALSE(shown.isNull());
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            ASSERT_EQ(shown.pixel(x, y), Rgb(whole.GetPixel(scroll.x + x, scroll.y + y))) << x << "," << y;
}

TEST_F(PreviewDlgTest, SmallPictureIsCentredInWindowColour)
{
    Open(40, 30, 2);
    CPreviewPictureWnd* picture = dialog->Picture();
    const QSize client = picture->ClientSize();
    ASSERT_GT(client.width(), 80);
    ASSERT_GT(client.height(), 60);
    const CPoint offset = picture->CentringOffset();
    EXPECT_EQ(offset.x, (client.width() - 80) / 2);
    EXPECT_EQ(offset.y, (client.height() - 60) / 2);
    EXPECT_EQ(picture->GetScrollPosition(), (CPoint{0, 0}));

    const QImage shown = Shown();
    const QRgb window = picture->palette().color(QPalette::Base).rgb();
    ASSERT_NE(window, Rgb(colour0));
    EXPECT_EQ(shown.pixel(0, 0), window);
    EXPECT_EQ(shown.pixel(offset.x - 1, offset.y + 10), window);
    EXPECT_EQ(shown.pixel(offset.x + 80, offset.y + 10), window);
    EXPECT_EQ(shown.pixel(offset.x + 10, offset.y + 60), window);
    EXPECT_EQ(shown.pixel(client.width() - 1, client.height() - 1), window);
    // Grey 0 at the top-left of the plate: the first shade.
    EXPECT_EQ(shown.pixel(offset.x, offset.y), Rgb(colour0));
    CPreviewPicture reference;
    reference.SetAdjustments(dialog->Adjustments());
    const std::vector<COLORREF> shades = CPreviewPicture::Ramp(colour0, colour1, 16);
    EXPECT_EQ(shown.pixel(offset.x + 79, offset.y + 59), Rgb(shades[std::size_t(reference.Adjust(grey.back()) >> 4)]));
}

TEST_F(PreviewDlgTest, LargePictureOpensCentredAndDragsWithTheHand)
{
    Open(1000, 900);
    CPreviewPictureWnd* picture = dialog->Picture();
    const QSize client = picture->ClientSize();
    const CPoint centred = picture->GetScrollPosition();
    EXPECT_EQ(centred, (CPoint{(1000 - client.width()) / 2, (900 - client.height()) / 2}));

    QWidget* viewport = picture->viewport();
    const auto showsCursor = [viewport](CursorKind kind) {
        return viewport->cursor().pixmap().toImage() == CArtwork::Cursor(kind).pixmap().toImage();
    };
    EXPECT_TRUE(showsCursor(CursorKind::Scroll));
    QTest::mousePress(viewport, Qt::LeftButton, {}, QPoint(100, 100));
    EXPECT_TRUE(showsCursor(CursorKind::HandScroll));
    QTest::mouseMove(viewport, QPoint(60, 70));
    EXPECT_EQ(picture->GetScrollPosition(), (CPoint{centred.x + 40, centred.y + 30}));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, QPoint(60, 70));
    EXPECT_TRUE(showsCursor(CursorKind::Scroll));
    QTest::mouseMove(viewport, QPoint(10, 10));
    EXPECT_EQ(picture->GetScrollPosition(), (CPoint{centred.x + 40, centred.y + 30}));
}

TEST_F(PreviewDlgTest, PlacementDefaultsToTheWorkAreaLessASixthAndIsKept)
{
    grey = Gradient(20, 20);
    CAppSettings::WindowPlacement empty{{0, 0}, {0, 0}, 1};
    dialog = std::make_unique<CPreviewDlg>(CPreviewDlg::Plate{grey, 20, 20}, 1, colour0, colour1, empty);
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(dialog->geometry(), area.adjusted(area.width() / 6, area.height() / 6, -area.width() / 6,
                                                -area.height() / 6));
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    dialog->resize(dialog->minimumWidth() + 10, dialog->minimumHeight() + 100);
    ClickPreviewButton(*dialog, "2");
    EXPECT_EQ(empty.size, (CSize{dialog->minimumWidth() + 10, dialog->minimumHeight() + 100}));
}

TEST_F(PreviewDlgTest, MissingPlateEndsAsCancelled)
{
    grey = {1, 2, 3};
    CPreviewDlg tooFew(CPreviewDlg::Plate{grey, 2, 2}, 1, colour0, colour1, placement);
    EXPECT_EQ(tooFew.exec(), QDialog::Rejected);
    CPreviewDlg empty(CPreviewDlg::Plate{grey, 0, 1}, 1, colour0, colour1, placement);
    EXPECT_EQ(empty.exec(), QDialog::Rejected);
}
