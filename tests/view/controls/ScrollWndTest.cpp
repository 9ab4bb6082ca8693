#include "view/controls/CScrollWnd.h"

#include <QScrollBar>

#include <gtest/gtest.h>

namespace {

// A 200 x 100 client without bars.
struct ScrollWndFixture : ::testing::Test
{
    CScrollWnd window;
    int barWidth = 0;
    int barHeight = 0;

    void SetUp() override
    {
        window.setFrameShape(QFrame::NoFrame);
        window.resize(200, 100);
        window.show();
        barWidth = window.verticalScrollBar()->sizeHint().width();
        barHeight = window.horizontalScrollBar()->sizeHint().height();
    }
    bool HorizontalBar() const { return window.horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOn; }
    bool VerticalBar() const { return window.verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn; }
};

} // namespace

TEST_F(ScrollWndFixture, ContentThatFitsHasNoBarsAndDoesNotScroll)
{
    window.SetScrollSizes({200, 100}, {50, 50}, {5, 5});
    EXPECT_FALSE(HorizontalBar());
    EXPECT_FALSE(VerticalBar());
    window.ScrollTo(30, 40);
    EXPECT_EQ(window.GetScrollPosition(), (CPoint{0, 0}));
}

TEST_F(ScrollWndFixture, OnlyTheAxisThatDoesNotFitScrollsAndItClamps)
{
    window.SetScrollSizes({500, 40}, {50, 50}, {5, 5});
    EXPECT_TRUE(HorizontalBar());
    EXPECT_FALSE(VerticalBar());
    EXPECT_EQ(window.ClientSize(), QSize(200, 100 - barHeight));
    // The bar's page is the client extent.
    EXPECT_EQ(window.horizontalScrollBar()->pageStep(), 200);

    window.ScrollTo(120, 30);
    EXPECT_EQ(window.GetScrollPosition(), (CPoint{120, 0}));
    window.ScrollTo(10000, 0);
    EXPECT_EQ(window.GetScrollPosition(), (CPoint{300, 0}));
    window.ScrollTo(-20, 0);
    EXPECT_EQ(window.GetScrollPosition(), (CPoint{0, 0}));
}

TEST_F(ScrollWndFixture, ABarThatTakesRoomCanBringTheOtherBar)
{
    // Fits in height until the horizontal bar takes its share.
    window.SetScrollSizes({500, 100 - barHeight / 2}, {50, 50}, {5, 5});
    EXPECT_TRUE(HorizontalBar());
    EXPECT_TRUE(VerticalBar());
    EXPECT_EQ(window.ClientSize(), QSize(200 - barWidth, 100 - barHeight));
    window.ScrollTo(10000, 10000);
    EXPECT_EQ(window.GetScrollPosition(), (CPoint{500 - (200 - barWidth), barHeight / 2}));
}

TEST_F(ScrollWndFixture, NewSizesStartAtTheOriginAndAHiddenBarResetsItsAxis)
{
    window.SetScrollSizes({500, 400}, {50, 50}, {5, 5});
    window.ScrollTo(100, 100);
    window.SetScrollSizes({600, 400}, {50, 50}, {5, 5});
    EXPECT_EQ(window.GetScrollPosition(), (CPoint{0, 0}));

    window.ScrollTo(100, 100);
    // Wide enough now: the horizontal bar goes and its position with it.
    window.resize(700, 100);
    EXPECT_FALSE(HorizontalBar());
    EXPECT_TRUE(VerticalBar());
    EXPECT_EQ(window.GetScrollPosition(), (CPoint{0, 100}));
}

TEST_F(ScrollWndFixture, PageAndLineActionsStepByTheOwnersSteps)
{
    window.SetScrollSizes({1000, 1000}, {30, 70}, {4, 9});
    QScrollBar* horizontal = window.horizontalScrollBar();
    QScrollBar* vertical = window.verticalScrollBar();
    horizontal->triggerAction(QAbstractSlider::SliderPageStepAdd);
    vertical->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(window.GetScrollPosition(), (CPoint{30, 70}));
    horizontal->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    vertical->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(window.GetScrollPosition(), (CPoint{34, 61}));
    horizontal->triggerAction(QAbstractSlider::SliderPageStepSub);
    horizontal->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(window.GetScrollPosition().x, 0);
    vertical->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(window.GetScrollPosition().y, 1000 - window.ClientSize().height());
}
