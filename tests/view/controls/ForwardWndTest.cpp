#include "view/controls/CForwardWnd.h"

#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A dialog that records what its picture control hands it, and can scroll
// by hand with the left button.
struct RecordingTarget : IForwardTarget
{
    struct Call
    {
        QString what;
        QPoint point;
        Qt::MouseButtons buttons;
        Qt::KeyboardModifiers modifiers;
    };
    CForwardWnd* window = nullptr;
    bool dragWithLeftButton = false;
    QList<Call> calls;
    QList<QPoint> paintedAt;
    bool setsCursor = false;
    int cursorQueries = 0;

    void Record(const char* what, KeyFlags keys, QPoint point)
    {
        calls.append({QLatin1String(what), point, keys.buttons, keys.modifiers});
    }
    void OnForwardPaint(QPainter&, QPoint scrollPosition) override { paintedAt.append(scrollPosition); }
    bool OnForwardSetCursor() override
    {
        ++cursorQueries;
        if (setsCursor)
            window->viewport()->setCursor(Qt::CrossCursor);
        return setsCursor;
    }
    void OnForwardMouseMove(KeyFlags keys, QPoint point) override
    {
        Record("move", keys, point);
        if (window->IsDragging())
            window->DragTo(point);
    }
    void OnForwardLButtonDown(KeyFlags keys, QPoint point) override
    {
        Record("ldown", keys, point);
        if (dragWithLeftButton)
            window->BeginDrag(point);
    }
    void OnForwardLButtonUp(KeyFlags keys, QPoint point) override
    {
        Record("lup", keys, point);
        window->EndDrag();
    }
    void OnForwardRButtonDown(KeyFlags keys, QPoint point) override { Record("rdown", keys, point); }
    void OnForwardRButtonUp(KeyFlags keys, QPoint point) override { Record("rup", keys, point); }
    void OnForwardMButtonDown(KeyFlags keys, QPoint point) override { Record("mdown", keys, point); }
    void OnForwardMButtonUp(KeyFlags keys, QPoint point) override { Record("mup", keys, point); }
};

// 400 x 300 of content in a 200 x 150 window, scrolled to (50, 40).
struct ForwardWndFixture : ::testing::Test
{
    RecordingTarget target;
    CForwardWnd window{&target};

    void SetUp() override
    {
        target.window = &window;
        window.setFrameShape(QFrame::NoFrame);
        window.resize(200, 150);
        window.show();
        window.SetScrollSizes({400, 300}, {50, 50}, {5, 5});
        window.ScrollTo(50, 40);
        ASSERT_EQ(window.GetScrollPosition(), (CPoint{50, 40}));
    }
    void TearDown() override
    {
        if (QWidget::mouseGrabber())
            QWidget::mouseGrabber()->releaseMouse();
    }
    QWidget* Client() { return window.viewport(); }
};

} // namespace

TEST_F(ForwardWndFixture, ButtonsReachTheTargetInContentCoordinatesWithTheMouseHeldBetween)
{
    QTest::mousePress(Client(), Qt::LeftButton, Qt::ShiftModifier, QPoint(10, 20));
    EXPECT_EQ(QWidget::mouseGrabber(), Client());
    QTest::mouseRelease(Client(), Qt::LeftButton, Qt::ShiftModifier, QPoint(12, 22));
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    QTest::mousePress(Client(), Qt::RightButton, {}, QPoint(1, 1));
    EXPECT_EQ(QWidget::mouseGrabber(), Client());
    QTest::mouseRelease(Client(), Qt::RightButton, {}, QPoint(1, 1));
    QTest::mouseClick(Client(), Qt::MiddleButton, {}, QPoint(199, 149));
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);

    ASSERT_EQ(target.calls.size(), 6);
    const QStringList order{"ldown", "lup", "rdown", "rup", "mdown", "mup"};
    for (int i = 0; i < order.size(); ++i)
        EXPECT_EQ(target.calls[i].what, order[i]);
    EXPECT_EQ(target.calls[0].point, QPoint(60, 60));
    EXPECT_EQ(target.calls[0].buttons, Qt::LeftButton);
    EXPECT_EQ(target.calls[0].modifiers, Qt::ShiftModifier);
    EXPECT_EQ(target.calls[1].point, QPoint(62, 62));
    EXPECT_EQ(target.calls[2].point, QPoint(51, 41));
    EXPECT_EQ(target.calls[5].point, QPoint(249, 189));

    // A quick second click is one more press: press, release, double-click,
    // release as the system sends them.
    target.calls.clear();
    QTest::mouseClick(Client(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseDClick(Client(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(QWidget::mouseGrabber(), Client());
    QTest::mouseRelease(Client(), Qt::LeftButton, {}, QPoint(5, 5));
    QStringList seen;
    for (const auto& call : target.calls)
        seen << call.what;
    EXPECT_EQ(seen, (QStringList{"ldown", "lup", "ldown", "lup"}));
}

TEST_F(ForwardWndFixture, PaintingHandsTheScrollPosition)
{
    target.paintedAt.clear();
    Client()->grab();
    ASSERT_FALSE(target.paintedAt.isEmpty());
    EXPECT_EQ(target.paintedAt.back(), QPoint(50, 40));
}

TEST_F(ForwardWndFixture, TheTargetChoosesTheCursorWhileNoButtonIsHeld)
{
    target.setsCursor = true;
    QTest::mouseMove(Client(), QPoint(30, 30));
    EXPECT_EQ(target.cursorQueries, 1);
    EXPECT_EQ(Client()->cursor().shape(), Qt::CrossCursor);
    ASSERT_FALSE(target.calls.isEmpty());
    EXPECT_EQ(target.calls.back().point, QPoint(80, 70));

    target.setsCursor = false;
    QTest::mouseMove(Client(), QPoint(31, 30));
    EXPECT_EQ(Client()->cursor().shape(), Qt::ArrowCursor);

    // Held: the press owns the cursor.
    QTest::mousePress(Client(), Qt::RightButton, {}, QPoint(31, 30));
    const int queries = target.cursorQueries;
    QTest::mouseMove(Client(), QPoint(40, 30));
    EXPECT_EQ(target.cursorQueries, queries);
    QTest::mouseRelease(Client(), Qt::RightButton, {}, QPoint(40, 30));
}

TEST_F(ForwardWndFixture, HandDragKeepsTheGrabbedPointUnderTheMouse)
{
    target.dragWithLeftButton = true;
    QTest::mousePress(Client(), Qt::LeftButton, {}, QPoint(100, 100));
    EXPECT_TRUE(window.IsDragging());
    // The program's own closed hand, not the arrow.
    EXPECT_EQ(Client()->cursor().shape(), Qt::BitmapCursor);

    QTest::mouseMove(Client(), QPoint(80, 90));
    EXPECT_EQ(window.GetScrollPosition(), (CPoint{70, 50}));
    // The next move reports the same spot under the mouse: no further scroll.
    QTest::mouseMove(Client(), QPoint(80, 90));
    EXPECT_EQ(window.GetScrollPosition(), (CPoint{70, 50}));
    QTest::mouseMove(Client(), QPoint(200, 200));
    EXPECT_EQ(window.GetScrollPosition(), (CPoint{0, 0}));

    QTest::mouseRelease(Client(), Qt::LeftButton, {}, QPoint(200, 200));
    EXPECT_FALSE(window.IsDragging());
    EXPECT_EQ(Client()->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(ForwardWndFixture, ADragThatLostTheMouseStopsWithoutScrolling)
{
    window.BeginDrag(QPoint(100, 100));
    window.DragTo(QPoint(10, 10));
    EXPECT_FALSE(window.IsDragging());
    EXPECT_EQ(window.GetScrollPosition(), (CPoint{50, 40}));
}
