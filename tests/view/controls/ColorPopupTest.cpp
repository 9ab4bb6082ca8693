#include "view/controls/CColorPopup.h"
#include "view/controls/CGreyColorButton.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

struct ColorButtonFixture : ::testing::Test
{
    QWidget window;
    CColorButton* button = new CColorButton(&window);

    void SetUp() override
    {
        window.resize(300, 200);
        button->setGeometry(20, 30, 60, 24);
        window.show();
    }
    CColorPopup& Popup() { return button->Popup(); }
    // Opens the pop-up as Choose() does, but without waiting for it.
    void ShowPopup(COLORREF color)
    {
        Popup().Prepare(color, QRect(button->mapToGlobal(QPoint(0, 0)), button->size()));
        Popup().setResult(-1);
        Popup().show();
    }
    // A press on "Other..." hides the pop-up; its release lands on the
    // window below.
    void ClickOther(Qt::MouseButton mouseButton = Qt::LeftButton)
    {
        QTest::mousePress(&Popup(), mouseButton, {}, Popup().OtherButtonRect().center());
        QTest::mouseRelease(&window, mouseButton, {}, QPoint(1, 1));
    }
    void ReleaseAt(QPoint point)
    {
        QTest::mousePress(&Popup(), Qt::LeftButton, {}, point);
        QTest::mouseRelease(&Popup(), Qt::LeftButton, {}, point);
    }
    // Runs Choose() while the steps drive the pop-up; never hangs.
    bool ChooseWith(const std::function<void()>& steps)
    {
        QTimer::singleShot(0, &window, steps);
        QTimer::singleShot(5000, &Popup(), [this] { Popup().reject(); });
        return button->Choose();
    }
};

} // namespace

TEST_F(ColorButtonFixture, SixteenColoursMakeFourRowsAboveOtherAndTheExtraSwatch)
{
    ShowPopup(0x000000);
    CColorPopup& popup = Popup();
    ASSERT_EQ(popup.ItemCount(), 17);
    EXPECT_EQ(popup.RowCount(), 4);
    EXPECT_EQ(popup.GridRect(), QRect(0, 0, 97, 97));
    EXPECT_EQ(popup.ItemRect(1), QRect(1, 1, 23, 23));
    EXPECT_EQ(popup.ItemRect(4), QRect(73, 1, 23, 23));
    EXPECT_EQ(popup.ItemRect(5), QRect(1, 25, 23, 23));
    EXPECT_EQ(popup.ItemRect(16), QRect(73, 73, 23, 23));
    EXPECT_EQ(popup.ItemRect(0), QRect(73, 103, 23, 23));
    EXPECT_EQ(popup.OtherButtonRect(), QRect(0, 102, 72, 24));
    EXPECT_EQ(popup.size(), QSize(97, 127));
    for (int i = 1; i < popup.ItemCount(); ++i)
        EXPECT_EQ(popup.ItemColor(i), CColorButton::StandardPalette()[i - 1]);
    // Just below the button.
    EXPECT_EQ(popup.pos(), button->mapToGlobal(QPoint(0, button->height())));
}

TEST(ColorPopupLayout, EightGreysMakeTwoRows)
{
    CGreyColorButton button;
    CColorPopup& popup = button.Popup();
    popup.Prepare(0x404040, QRect(0, 0, 10, 10));
    ASSERT_EQ(popup.ItemCount(), 9);
    EXPECT_EQ(popup.RowCount(), 2);
    EXPECT_EQ(popup.GridRect(), QRect(0, 0, 97, 49));
    EXPECT_EQ(popup.ItemRect(8), QRect(73, 25, 23, 23));
    EXPECT_EQ(popup.ItemRect(0), QRect(73, 55, 23, 23));
    EXPECT_EQ(popup.ItemColor(1), 0x000000u);
    EXPECT_EQ(popup.ItemColor(8), 0xFFFFFFu);
    EXPECT_EQ(popup.HotIndex(), 2);
    EXPECT_FALSE(popup.IsExtraColorShown());
}

TEST(ColorPopupLayout, ThePopUpStaysOnTheScreen)
{
    const QRect screen(0, 0, 800, 600);
    const QSize size(97, 127);
    EXPECT_EQ(CColorPopup::PlaceAt(QRect(100, 100, 60, 24), size, screen), QPoint(100, 124));
    EXPECT_EQ(CColorPopup::PlaceAt(QRect(750, 100, 60, 24), size, screen), QPoint(703, 124));
    // No room below: above the button instead.
    EXPECT_EQ(CColorPopup::PlaceAt(QRect(100, 500, 60, 24), size, screen), QPoint(100, 373));
    // The right edge of a second screen.
    EXPECT_EQ(CColorPopup::PlaceAt(QRect(1580, 0, 60, 24), size, QRect(800, 0, 800, 600)), QPoint(1503, 24));
}

TEST_F(ColorButtonFixture, TheOpeningColourIsHotThenTheMouseMovesItAndOtherClearsIt)
{
    ShowPopup(0x123456);
    EXPECT_TRUE(Popup().IsExtraColorShown());
    EXPECT_EQ(Popup().HotIndex(), 0);
    EXPECT_EQ(Popup().HotColor(), 0x123456u);

    ShowPopup(0x808080);
    CColorPopup& popup = Popup();
    EXPECT_FALSE(popup.IsExtraColorShown());
    EXPECT_EQ(popup.HotIndex(), 4);
    QTest::mouseMove(&popup, popup.ItemRect(6).center());
    EXPECT_EQ(popup.HotIndex(), 6);
    // Between swatches and over the hidden extra swatch: unchanged.
    QTest::mouseMove(&popup, QPoint(24, 30));
    QTest::mouseMove(&popup, popup.ItemRect(0).center());
    EXPECT_EQ(popup.HotIndex(), 6);
    QTest::mouseMove(&popup, popup.OtherButtonRect().center());
    EXPECT_EQ(popup.HotIndex(), -1);
    QTest::mouseMove(&popup, popup.ItemRect(11).center());
    EXPECT_EQ(popup.HotIndex(), 11);
    popup.reject();
}

TEST_F(ColorButtonFixture, ReleasingInTheGridPicksAndElsewhereCancels)
{
    ShowPopup(0x000000);
    QTest::mouseMove(&Popup(), Popup().ItemRect(3).center());
    ReleaseAt(Popup().ItemRect(3).center());
    EXPECT_EQ(Popup().result(), QDialog::Accepted);
    EXPECT_EQ(Popup().HotColor(), 0xC0C0C0u);

    ShowPopup(0x000000);
    ReleaseAt(QPoint(200, 40));
    EXPECT_EQ(Popup().result(), QDialog::Rejected);

    // The extra swatch lies below the grid: releasing on it cancels.
    ShowPopup(0x123456);
    QTest::mouseMove(&Popup(), Popup().ItemRect(0).center());
    ReleaseAt(Popup().ItemRect(0).center());
    EXPECT_EQ(Popup().result(), QDialog::Rejected);

    // Nothing hot after crossing "Other...": nothing to pick in the grid.
    ShowPopup(0x000000);
    QTest::mouseMove(&Popup(), Popup().OtherButtonRect().center());
    QTest::mouseMove(&Popup(), QPoint(0, 0));
    ReleaseAt(QPoint(0, 0));
    EXPECT_EQ(Popup().result(), QDialog::Rejected);
}

TEST_F(ColorButtonFixture, OtherAsksTheColourDialogFromTheCurrentColour)
{
    QList<COLORREF> asked;
    std::optional<COLORREF> answer = 0x00AA55;
    Popup().SetOtherColorChooser([&](COLORREF initial, QWidget* parent) {
        asked.append(initial);
        EXPECT_EQ(parent, button);
        EXPECT_FALSE(Popup().isVisible());
        return answer;
    });
    ShowPopup(0x123456);
    ClickOther();
    EXPECT_EQ(asked, QList<COLORREF>{0x123456});
    EXPECT_EQ(Popup().result(), QDialog::Accepted);
    EXPECT_EQ(Popup().HotIndex(), 0);
    EXPECT_EQ(Popup().HotColor(), 0x00AA55u);

    answer.reset();
    ShowPopup(0xFFFFFF);
    ClickOther(Qt::RightButton);
    EXPECT_EQ(Popup().result(), QDialog::Rejected);
}

TEST_F(ColorButtonFixture, ChooseTakesThePickedColourAndTellsOnce)
{
    button->SetColor(0x808080);
    QSignalSpy changed(button, &CColorButton::colorChanged);
    const bool chosen = ChooseWith([this] {
        QTest::mouseMove(&Popup(), Popup().ItemRect(12).center());
        QTest::mouseRelease(&Popup(), Qt::LeftButton, {}, Popup().ItemRect(12).center());
    });
    EXPECT_TRUE(chosen);
    EXPECT_EQ(button->Color(), 0x808000u);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed[0][0].value<COLORREF>(), 0x808000u);

    EXPECT_FALSE(ChooseWith([this] { QTest::keyClick(&Popup(), Qt::Key_Escape); }));
    EXPECT_EQ(button->Color(), 0x808000u);
    EXPECT_EQ(changed.count(), 1);

    // A colour from the dialog opens next time as the extra swatch.
    Popup().SetOtherColorChooser([](COLORREF, QWidget*) { return std::optional<COLORREF>(0x336699); });
    EXPECT_TRUE(ChooseWith([this] { ClickOther(); }));
    EXPECT_EQ(button->Color(), 0x336699u);
    ShowPopup(button->Color());
    EXPECT_EQ(Popup().HotIndex(), 0);
    Popup().reject();
}

TEST_F(ColorButtonFixture, TheSwatchShowsTheColourAndGoesWhenDisabledUnlessKept)
{
    button->SetColor(RGB(255, 0, 0));
    const QPoint inside(24, 12);
    EXPECT_EQ(button->grab().toImage().pixelColor(inside), QColor(255, 0, 0));

    button->setEnabled(false);
    EXPECT_NE(button->grab().toImage().pixelColor(inside), QColor(255, 0, 0));
    button->SetKeepSwatchWhenDisabled(true);
    EXPECT_EQ(button->grab().toImage().pixelColor(inside), QColor(255, 0, 0));
}
