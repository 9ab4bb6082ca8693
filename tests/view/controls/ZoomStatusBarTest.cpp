#include "view/controls/CZoomStatusBar.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Records the menu instead of running it.
class RecordingStatusBar : public CZoomStatusBar
{
public:
    using CZoomStatusBar::CZoomStatusBar;

    // The menu's own separators go with it: only whether each entry was one.
    QList<QAction*> shownActions;
    QList<bool> shownSeparators;
    QPoint shownAt;
    QSize shownSize;
    int shown = 0;

protected:
    void ExecMenu(QMenu& menu, QPoint screenPosition) override
    {
        ++shown;
        shownActions = menu.actions();
        shownSeparators.clear();
        for (const QAction* action : shownActions)
            shownSeparators.append(action->isSeparator());
        shownAt = screenPosition;
        shownSize = menu.sizeHint();
    }
};

struct ZoomStatusBarFixture : ::testing::Test
{
    QMainWindow frame;
    RecordingStatusBar* bar = new RecordingStatusBar;
    QList<QAction*> zoomActions;

    void SetUp() override
    {
        frame.setStatusBar(bar);
        for (const char* text : {"Fit to Screen", "50%", "100%", "200%", "400%"})
            zoomActions.append(new QAction(QLatin1String(text), &frame));
        bar->SetZoomActions(zoomActions);
        frame.resize(640, 200);
        frame.show();
        LayOut();
    }
    static void LayOut() { QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest); }
    // Where a click on a pane lands: on the pane's own label.
    void PressOnPane(int id, Qt::MouseButton button)
    {
        QWidget* pane = bar->childAt(bar->PaneRect(id).center());
        ASSERT_NE(pane, nullptr);
        QTest::mouseClick(pane, button, {}, pane->rect().center());
    }
};

} // namespace

TEST_F(ZoomStatusBarFixture, PanesKeepTheirWidthsAndTheFirstStretches)
{
    // The selection panes hold the longest position in the bar's font.
    const int selectionWidth = bar->PaneRect(136).width();
    EXPECT_GE(selectionWidth, 136);
    EXPECT_GT(selectionWidth, bar->fontMetrics().horizontalAdvance(QStringLiteral("Position: -000.000, -000.000 inch")));
    EXPECT_EQ(bar->PaneRect(137).width(), selectionWidth);
    EXPECT_EQ(bar->PaneRect(134).width(), bar->fontMetrics().horizontalAdvance(QStringLiteral("1000%")));
    EXPECT_LT(bar->PaneRect(0).right(), bar->PaneRect(136).left());
    EXPECT_LT(bar->PaneRect(136).right(), bar->PaneRect(137).left());
    EXPECT_LT(bar->PaneRect(137).right(), bar->PaneRect(134).left());

    const int before = bar->PaneRect(0).width();
    frame.resize(840, 200);
    LayOut();
    EXPECT_EQ(bar->PaneRect(0).width(), before + 200);
    EXPECT_EQ(bar->PaneRect(136).width(), selectionWidth);
}

TEST_F(ZoomStatusBarFixture, TextsGoToTheirPanesAndPromptsCoverOnlyTheFirst)
{
    bar->SetPaneText(0, QStringLiteral("Cursor: 1.00, 2.00 mm"));
    bar->SetPaneText(136, QStringLiteral("Position: 0.00, 0.00 mm"));
    bar->SetPaneText(134, QStringLiteral(" 100%"));
    bar->SetPaneText(999, QStringLiteral("lost"));
    EXPECT_EQ(bar->PaneText(0), "Cursor: 1.00, 2.00 mm");
    EXPECT_EQ(bar->PaneText(136), "Position: 0.00, 0.00 mm");
    EXPECT_EQ(bar->PaneText(137), "");
    EXPECT_EQ(bar->PaneText(134), " 100%");
    EXPECT_EQ(bar->PaneText(999), "");
    EXPECT_TRUE(bar->PaneRect(999).isNull());

    QWidget* prompt = bar->childAt(bar->PaneRect(0).center());
    QWidget* zoom = bar->childAt(bar->PaneRect(134).center());
    ASSERT_TRUE(prompt && zoom);
    bar->showMessage(QStringLiteral("Opens a layout"));
    EXPECT_FALSE(prompt->isVisible());
    EXPECT_TRUE(zoom->isVisible());
    bar->clearMessage();
    EXPECT_TRUE(prompt->isVisible());
    EXPECT_EQ(bar->PaneText(0), "Cursor: 1.00, 2.00 mm");
}

TEST_F(ZoomStatusBarFixture, LeftOrRightPressOnTheZoomPaneOpensTheZoomMenu)
{
    PressOnPane(134, Qt::LeftButton);
    ASSERT_EQ(bar->shown, 1);
    ASSERT_EQ(bar->shownActions.size(), 6);
    EXPECT_EQ(bar->shownActions[0], zoomActions[0]);
    EXPECT_EQ(bar->shownSeparators, (QList<bool>{false, true, false, false, false, false}));
    for (int i = 1; i < zoomActions.size(); ++i)
        EXPECT_EQ(bar->shownActions[i + 1], zoomActions[i]);

    PressOnPane(134, Qt::RightButton);
    EXPECT_EQ(bar->shown, 2);
    PressOnPane(134, Qt::MiddleButton);
    PressOnPane(136, Qt::LeftButton);
    PressOnPane(0, Qt::RightButton);
    EXPECT_EQ(bar->shown, 2);
}

TEST_F(ZoomStatusBarFixture, TheMenuOpensAboveThePaneAtTheScreensBottomAndBelowItElsewhere)
{
    const QRect screen = frame.screen()->availableGeometry();
    const QSize menu(120, 140);
    const auto paneOnScreen = [this] {
        const QRect pane = bar->PaneRect(134);
        return QRect(bar->mapToGlobal(pane.topLeft()), pane.size()).adjusted(2, 2, -1, -1);
    };

    frame.move(screen.left() + 40, screen.top() + screen.height() - frame.frameGeometry().height());
    QRect pane = paneOnScreen();
    ASSERT_GT(pane.bottom() + menu.height(), screen.bottom());
    EXPECT_EQ(bar->ZoomMenuPosition(menu), QPoint(pane.left(), pane.top() - menu.height()));

    frame.move(screen.left() + 40, screen.top());
    pane = paneOnScreen();
    EXPECT_EQ(bar->ZoomMenuPosition(menu), QPoint(pane.left(), pane.bottom() + 1));

    PressOnPane(134, Qt::LeftButton);
    EXPECT_EQ(bar->shownAt, bar->ZoomMenuPosition(bar->shownSize));
}
