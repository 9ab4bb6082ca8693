// The geometry of the Trimming Picture dialog, without the dialog: sizes in
// each mode, the picture's place in the area, and the tracker's drags.
#include "view/trimming/CTrimTracker.h"
#include "view/trimming/CTrimmingRules.h"

#include <gtest/gtest.h>

namespace {

// A 420 x 320 area, as the dialog has it, shrunk by the frame's pixel.
CTrimmingRules Open(CSize picture, CSize printable, int mode = CTrimmingRules::all, CRect stored = {})
{
    CTrimmingRules rules;
    EXPECT_TRUE(rules.Open({picture, 529, printable, {1, 1, 419, 319}, mode, stored}));
    return rules;
}

} // namespace

TEST(TrimmingRules, AllModeFillsThePrintableAreaInThePicturesProportions)
{
    CTrimmingRules rules = Open({400, 300}, {8000, 4000});
    EXPECT_EQ(rules.Mode(), CTrimmingRules::all);
    EXPECT_TRUE(rules.KeepAspect());
    EXPECT_EQ(rules.Size(), (CSize{5333, 4000}));
    EXPECT_EQ(rules.Tracker(), rules.DisplayRect());
    rules.SetKeepAspect(false);
    rules.ApplyMode(CTrimmingRules::all);
    EXPECT_EQ(rules.Size(), (CSize{8000, 4000}));
    // Typed sides stay within the printable area.
    rules.SetWidth(9000);
    EXPECT_EQ(rules.Size().cx, 8000);
}

TEST(TrimmingRules, SameSizeIsThePicturesOwnSizeAndCannotBeTyped)
{
    // 100 x 50 dots at 529 dpi: 4.80 x 2.40 mm.
    const CTrimmingRules rules = Open({100, 50}, {8000, 4000}, CTrimmingRules::sameSize);
    EXPECT_EQ(rules.Size(), (CSize{480, 240}));
    EXPECT_FALSE(rules.SizeEditable());
    EXPECT_EQ(rules.HandleMask(), 0);
    EXPECT_TRUE(rules.TrackerMoves());
}

TEST(TrimmingRules, APictureIsShownWholeAndCentred)
{
    // Smaller than the room it has: 1:1, in the middle of 408 x 308.
    const CTrimmingRules small = Open({100, 50}, {8000, 4000});
    EXPECT_EQ(small.DisplayRect(), (CRect{160, 135, 260, 185}));
    EXPECT_EQ(small.PictureRect(), (CRect{0, 0, 100, 50}));

    // Larger: one factor for both sides, the whole picture still reachable.
    const CTrimmingRules large = Open({4000, 1000}, {8000, 4000});
    EXPECT_EQ(large.DisplayRect().Width(), 408);
    EXPECT_EQ(large.DisplayRect().Height(), 102);
    EXPECT_EQ(large.PictureRect(), (CRect{0, 0, 4000, 1000}));

    // Free starts as the largest rectangle of the printable area's shape.
    CTrimmingRules free = Open({4000, 1000}, {8000, 4000}, CTrimmingRules::free);
    EXPECT_EQ(free.Tracker().Height(), 102);
    EXPECT_EQ(free.Tracker().Width(), 204);
    EXPECT_EQ(free.HandleMask(), 255);
    // A stored rectangle comes back for its own mode.
    const CTrimmingRules again = Open({4000, 1000}, {8000, 4000}, CTrimmingRules::free, {20, 140, 120, 180});
    EXPECT_EQ(again.Tracker(), (CRect{20, 140, 120, 180}));
}

TEST(TrimmingRules, ATrackerDraggedWiderMovesTheSizeWithKeepAspect)
{
    CTrimmingRules rules = Open({400, 300}, {8000, 8000}, CTrimmingRules::free);
    const CRect start = rules.Tracker();
    rules.SetTracker({start.left, start.top, start.left + 200, start.top + 100});
    EXPECT_EQ(rules.Size(), (CSize{8000, 4000}));
}

TEST(TrimTracker, HandlesSitOutsideAndTheRectangleKeepsItsMinimum)
{
    CTrimTracker tracker;
    tracker.rect = {100, 100, 200, 150};
    EXPECT_EQ(tracker.HitTest({97, 97}), CTrimTracker::hitTopLeft);
    EXPECT_EQ(tracker.HitTest({202, 125}), CTrimTracker::hitRight);
    EXPECT_EQ(tracker.HitTest({150, 125}), CTrimTracker::hitMiddle);
    EXPECT_EQ(tracker.HitTest({300, 300}), CTrimTracker::hitNothing);
    tracker.handleMask = 0;
    EXPECT_EQ(tracker.HitTest({97, 97}), CTrimTracker::hitNothing);

    tracker.handleMask = 255;
    tracker.Begin(CTrimTracker::hitBottomRight, {203, 153});
    EXPECT_EQ(tracker.Drag({103, 103}, false), (CRect{100, 100, 132, 132}));
    tracker.Begin(CTrimTracker::hitMiddle, {150, 120});
    EXPECT_EQ(tracker.Drag({160, 100}, false), (CRect{110, 80, 210, 130}));
}

TEST(TrimTracker, ShiftKeepsTheStartingProportions)
{
    const CSize start{100, 50};
    // Too flat: the height follows, from the corner dragged.
    EXPECT_EQ(CTrimTracker::AdjustAspect({0, 0, 200, 60}, start, CTrimTracker::hitBottomRight), (CRect{0, 0, 200, 100}));
    EXPECT_EQ(CTrimTracker::AdjustAspect({0, 0, 200, 60}, start, CTrimTracker::hitTopRight), (CRect{0, -40, 200, 60}));
    // Too tall: the width follows.
    EXPECT_EQ(CTrimTracker::AdjustAspect({0, 0, 100, 80}, start, CTrimTracker::hitBottomLeft), (CRect{-60, 0, 100, 80}));
    EXPECT_EQ(CTrimTracker::AdjustAspect({0, 0, 100, 80}, start, CTrimTracker::hitBottom), (CRect{0, 0, 160, 80}));
    // The left and right edges made narrower keep their drag.
    EXPECT_EQ(CTrimTracker::AdjustAspect({20, 0, 100, 50}, start, CTrimTracker::hitLeft), (CRect{20, 0, 100, 50}));
}
