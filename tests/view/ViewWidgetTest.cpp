// The view driven as a user drives it: real mouse and key events on an
// offscreen window.
#include "ViewTestSupport.h"

#include "document/CPenCommands.h"
#include "document/CTextCommands.h"
#include "document/IObjectEditor.h"
#include "document/CUndoEngine.h"
#include "objects/ObjectFlags.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <QtEndian>

namespace {

UndoKind NewestUndoKind(const CVeldraDoc& doc)
{
    return UndoKind(qFromLittleEndian<std::uint32_t>(doc.UndoHistory().NewestUndo().constData()));
}

CCommandState StateOf(CVeldraView& view, CommandId id)
{
    CCommandState state;
    EXPECT_TRUE(view.OnUpdateCommand(id, state));
    return state;
}

} // namespace

TEST_F(ViewFixture, ZoomingAtAPointKeepsThePlatePointUnderIt)
{
    view->OnCommand(CommandId::ToolZoom);
    const QPoint at(600, 420);
    const CPoint before = view->ClientToDevice(at);
    QTest::mouseClick(Port(), Qt::LeftButton, {}, at);
    EXPECT_EQ(view->Zoom(), 150);
    CPoint after = view->ClientToDevice(at);
    EXPECT_NEAR(after.x, before.x, 1);
    EXPECT_NEAR(after.y, before.y, 1);

    QTest::mouseClick(Port(), Qt::RightButton, {}, at);
    QTest::mouseClick(Port(), Qt::RightButton, {}, at);
    EXPECT_EQ(view->Zoom(), 85);
    // At 85 % the plate fits across: the x axis cannot scroll and centres.
    EXPECT_EQ(view->horizontalScrollBar()->value(), 0);
    EXPECT_EQ(view->Geometry().Margins().cx, (800 - 765) / 2);
}

TEST_F(ViewFixture, ZoomCommandsStopAtTheLimitsAndFitShowsTheWholePlate)
{
    view->OnCommand(CommandId::FitToScreen);
    EXPECT_EQ(view->Zoom(), 85);
    EXPECT_TRUE(StateOf(*view, CommandId::ZoomIn).enabled);
    view->SetZoom(1600);
    EXPECT_FALSE(StateOf(*view, CommandId::ZoomIn).enabled);
    view->OnCommand(CommandId::ZoomIn);
    EXPECT_EQ(view->Zoom(), 1600);
    view->OnCommand(CommandId::Zoom200);
    EXPECT_EQ(view->Zoom(), 200);
    EXPECT_EQ(StateOf(*view, CommandId::Zoom200).checked, 1);
    EXPECT_EQ(StateOf(*view, CommandId::Zoom400).checked, 0);
    view->SetZoom(25);
    EXPECT_FALSE(StateOf(*view, CommandId::ZoomOut).enabled);

    // Ctrl and the wheel zoom about the cursor.
    view->SetZoom(100);
    QWheelEvent wheel(QPointF(400, 300), Port()->mapToGlobal(QPointF(400, 300)), {}, QPoint(0, 120), Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(Port(), &wheel);
    EXPECT_EQ(view->Zoom(), 150);
}

TEST_F(ViewFixture, APressSelectsAndOnlyTheNextPressDrags)
{
    CSymbolObj* picture = Add(Picture("a", 0, 0, 1000, 1000));
    const QPoint centre = At({0, 0});
    Drag(centre, centre + QPoint(50, 0));
    EXPECT_EQ(view->Selection(), picture);
    EXPECT_EQ(picture->GetPosition(), (CPoint{0, 0}));
    EXPECT_FALSE(doc.CanUndo());

    Drag(centre, centre + QPoint(50, -20));
    EXPECT_EQ(picture->GetPosition(), (CPoint{500, 200}));
    EXPECT_EQ(doc.UndoHistory().UndoCount(), 1);
    EXPECT_EQ(NewestUndoKind(doc), UndoKind::bounds);

    // A press beside it clears the selection and moves nothing.
    Drag(At({-4000, 2500}), At({-3000, 2500}));
    EXPECT_EQ(view->Selection(), nullptr);
    EXPECT_EQ(picture->GetPosition(), (CPoint{500, 200}));
}

TEST_F(ViewFixture, FixedObjectsSelectButDoNotDrag)
{
    CSymbolObj* fixed = Add(Picture("fixed", 0, 0, 1000, 1000, flagsPicture | SOF_FIXED));
    Drag(At({0, 0}), At({0, 0}) + QPoint(30, 0));
    Drag(At({0, 0}), At({0, 0}) + QPoint(30, 0));
    EXPECT_EQ(view->Selection(), fixed);
    EXPECT_EQ(fixed->GetPosition(), (CPoint{0, 0}));
}

TEST_F(ViewFixture, ResizingGrowsAboutTheCentreOrFromTheOppositeCornerWithCtrl)
{
    // A symbol-like object without the aspect lock, so both sides follow.
    CSymbolObj* box = Add(Picture("box", 0, 0, 1000, 1000, flagsPicture & ~SOF_KEEPASPECT));
    view->SetSelection(box);
    const QPoint corner = At({500, -500}); // bottom-right handle
    Drag(corner, corner + QPoint(20, 10));
    EXPECT_EQ(box->GetPosition(), (CPoint{0, 0}));
    EXPECT_EQ(box->GetSize(), (CSize{1400, 1200}));

    const QPoint newCorner = At({700, -600});
    Drag(newCorner, newCorner + QPoint(10, 10), Qt::ControlModifier);
    EXPECT_EQ(box->GetSize(), (CSize{1500, 1300}));
    // The top-left corner stayed where it was.
    EXPECT_EQ(box->GetPosition().x - 750, -700);
    EXPECT_EQ(box->GetPosition().y + 650, 600);

    // Shift keeps the proportions.
    const QPoint third = At({box->GetPosition().x + 750, box->GetPosition().y - 650});
    Drag(third, third + QPoint(30, 0), Qt::ShiftModifier);
    EXPECT_NEAR(double(box->GetSize().cy) / box->GetSize().cx, 1300.0 / 1500.0, 0.01);
}

TEST_F(ViewFixture, CtrlSnapsMovesToTheGridAndShiftKeepsOneDirection)
{
    CSymbolObj* picture = Add(Picture("a", 130, 70, 1000, 1000));
    view->SetSelection(picture);
    Drag(At({130, 70}), At({130, 70}) + QPoint(23, -7), Qt::ControlModifier);
    EXPECT_EQ(picture->GetPosition().x % 500, 0);
    EXPECT_EQ(picture->GetPosition().y % 500, 0);

    const CPoint start = picture->GetPosition();
    Drag(At(start), At(start) + QPoint(30, 10), Qt::ShiftModifier);
    EXPECT_EQ(picture->GetPosition(), (CPoint{start.x + 300, start.y}));
}

TEST_F(ViewFixture, ArrowKeysStepByWindowPixelsWithOneUndoStepPerHeldKey)
{
    CSymbolObj* picture = Add(Picture("a"));
    view->SetSelection(picture);
    view->setFocus();
    QTest::keyClick(view.get(), Qt::Key_Right);
    EXPECT_EQ(picture->GetPosition(), (CPoint{10, 0}));
    QTest::keyClick(view.get(), Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(picture->GetPosition(), (CPoint{10, 100}));

    view->SetZoom(25);
    QTest::keyClick(view.get(), Qt::Key_Left);
    EXPECT_EQ(picture->GetPosition(), (CPoint{-30, 100}));
    QTest::keyClick(view.get(), Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(picture->GetPosition(), (CPoint{-30, -300}));
    EXPECT_EQ(doc.UndoHistory().UndoCount(), 4);

    // A held key: one press, then repeats.
    view->SetZoom(100);
    QKeyEvent first(QEvent::KeyPress, Qt::Key_Left, {}, QString(), false);
    QApplication::sendEvent(view.get(), &first);
    for (int i = 0; i < 5; ++i) {
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Left, {}, QString(), true);
        QApplication::sendEvent(view.get(), &repeat);
    }
    EXPECT_EQ(picture->GetPosition(), (CPoint{-90, -300}));
    EXPECT_EQ(doc.UndoHistory().UndoCount(), 5);
    doc.Undo();
    EXPECT_EQ(picture->GetPosition(), (CPoint{-30, -300}));
}

TEST_F(ViewFixture, TabWalksThroughTheObjectsSkippingLockedOnes)
{
    CSymbolObj* back = Add(Picture("back"));
    Add(Picture("locked", 0, 0, 1000, 1000, flagsPicture | SOF_LOCKED));
    CSymbolObj* front = Add(Picture("front"));
    view->setFocus();
    QTest::keyClick(view.get(), Qt::Key_Tab);
    EXPECT_EQ(view->Selection(), front);
    QTest::keyClick(view.get(), Qt::Key_Tab);
    EXPECT_EQ(view->Selection(), back);
    QTest::keyClick(view.get(), Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(view->Selection(), front);
}

TEST_F(ViewFixture, PenStrokesMakeTheLayerOnceAndThenRecordChanges)
{
    EXPECT_FALSE(StateOf(*view, CommandId::ToolFillPaint).enabled);
    view->OnCommand(CommandId::ToolPen);
    Drag(At({-1000, 0}), At({1000, 0}));
    CDibObj* layer = CPenCommands::GetPenLayer(doc, false);
    ASSERT_NE(layer, nullptr);
    EXPECT_EQ(doc.UndoHistory().UndoCount(), 1);
    EXPECT_EQ(NewestUndoKind(doc), UndoKind::added);
    // The stroke is white on the layer's transparent key.
    const CPoint middle = doc.DocToDevice({0, 0});
    EXPECT_EQ(layer->GetImage(true)->GetPixel(middle.x, middle.y), RGB(255, 255, 255));

    Drag(At({0, 1000}), At({0, -1000}));
    EXPECT_EQ(doc.UndoHistory().UndoCount(), 2);
    EXPECT_EQ(NewestUndoKind(doc), UndoKind::changed);

    // Now Fill Paint can be chosen; without the layer it falls back to Pen.
    EXPECT_TRUE(StateOf(*view, CommandId::ToolFillPaint).enabled);
    view->OnCommand(CommandId::ToolFillPaint);
    EXPECT_EQ(view->CurrentTool(), CVeldraView::toolFillPaint);
    doc.Undo();
    doc.Undo();
    EXPECT_FALSE(StateOf(*view, CommandId::ToolFillPaint).enabled);
    EXPECT_EQ(view->CurrentTool(), CVeldraView::toolPen);
}

TEST_F(ViewFixture, SelectingWhileDrawingLeavesNoSelection)
{
    CSymbolObj* picture = Add(Picture("a"));
    view->OnCommand(CommandId::ToolPen);
    doc.Select(picture);
    EXPECT_EQ(view->Selection(), nullptr);
    view->OnCommand(CommandId::ToolSelect);
    doc.Select(picture);
    EXPECT_EQ(view->Selection(), picture);
    // An object about to go away is let go of first.
    view->OnUpdate(nullptr, 19, picture);
    EXPECT_EQ(view->Selection(), nullptr);
}

TEST_F(ViewFixture, HandScrollingFollowsTheMouseOnlyWhereThePlateOverflows)
{
    view->SetZoom(200); // 1800 x 1200: scrolls both ways
    view->ScrollTo({100, 100});
    QTest::mousePress(Port(), Qt::MiddleButton, {}, QPoint(300, 300));
    MoveHeld(QPoint(260, 280), {}, Qt::MiddleButton);
    QTest::mouseRelease(Port(), Qt::MiddleButton, {}, QPoint(260, 280));
    EXPECT_EQ(view->ScrollPosition(), QPoint(140, 120));

    view->SetZoom(50); // fits: nothing moves
    Press(QPoint(300, 300), Qt::AltModifier);
    MoveHeld(QPoint(200, 200), Qt::AltModifier);
    Release(QPoint(200, 200), Qt::AltModifier);
    EXPECT_EQ(view->ScrollPosition(), QPoint(0, 0));
}

TEST_F(ViewFixture, ThePaintedPictureShowsGridSelectionAndOutside)
{
    doc.SetBaseColor(RGB(0, 0, 0));
    grid.centerColor = RGB(0, 0, 255);
    view->SetZoom(50); // 450 x 300 centred in 800 x 600
    CSymbolObj* picture = Add(Picture("a", 0, 0, 2000, 2000));
    view->SetSelection(picture);
    const QImage image = view->ComposeVisible();
    const CSize margin = view->Geometry().Margins();
    EXPECT_EQ(margin, (CSize{175, 150}));
    // Outside the plate: the outside colour.
    EXPECT_EQ(image.pixel(10, 10), qRgb(255, 255, 255));
    // The vertical centre line of the grid, in its own colour.
    EXPECT_EQ(image.pixel(175 + 225, 150 + 20), qRgb(0, 0, 255));
    // The dotted outline is black or white, the handles sit on the corners.
    const QPoint corner = At({-1000, 1000});
    const QRgb onOutline = image.pixel(At({-500, 1000}));
    EXPECT_TRUE(onOutline == qRgb(0, 0, 0) || onOutline == qRgb(255, 255, 255));
    EXPECT_NE(image.pixel(corner), image.pixel(At({0, 0}) + QPoint(3, 3)));

    view->OnCommand(CommandId::ShowGrid);
    EXPECT_FALSE(grid.shown);
    EXPECT_EQ(StateOf(*view, CommandId::ShowGrid).checked, 0);
}

namespace {

// Confirms or cancels every edit, and remembers what it was shown.
struct ScriptedEditor : IObjectEditor
{
    bool confirm = true;
    std::vector<CSymbolObj*> edited;
    bool Edit(CSymbolObj& object) override
    {
        edited.push_back(&object);
        object.m_strName = "edited";
        return confirm;
    }
    CTextAttributes NewTextAttributes() const override { return {}; }
};

} // namespace

TEST_F(ViewFixture, TextToolsPlaceTextWhereClickedAndReturnToSelect)
{
    ScriptedEditor editor;
    view->SetObjectEditor(&editor);
    view->SetTextPlacer(CVeldraView::toolHorizontalText,
                        [&](CPoint device) { return CTextCommands::AddText(doc, device, false, editor); });
    view->SetTextPlacer(CVeldraView::toolFanText,
                        [&](CPoint device) { return CTextCommands::AddFanText(doc, device, editor); });

    editor.confirm = false;
    view->OnCommand(CommandId::ToolHorizontalText);
    QTest::mouseClick(Port(), Qt::LeftButton, {}, At({1000, 1000}));
    EXPECT_EQ(doc.GetObjectCount(), 0);
    EXPECT_EQ(view->CurrentTool(), CVeldraView::toolHorizontalText);

    editor.confirm = true;
    QTest::mouseClick(Port(), Qt::LeftButton, {}, At({1000, 1000}));
    ASSERT_EQ(doc.GetObjectCount(), 1);
    EXPECT_EQ(doc.GetObjectAt(0)->GetPosition(), (CPoint{1000, 1000}));
    EXPECT_EQ(view->CurrentTool(), CVeldraView::toolSelect);
    EXPECT_EQ(view->Selection(), doc.GetObjectAt(0));
    EXPECT_EQ(StateOf(*view, CommandId::TextToolDropDown).checked, 0);

    view->OnCommand(CommandId::ToolFanText);
    EXPECT_EQ(StateOf(*view, CommandId::TextToolDropDown).checked, 1);
    QTest::mouseClick(Port(), Qt::LeftButton, {}, At({0, 2000}));
    ASSERT_EQ(doc.GetObjectCount(), 2);
    EXPECT_EQ(doc.UndoHistory().UndoCount(), 2);
}

TEST_F(ViewFixture, DoubleClickingTheSelectionEditsItsProperties)
{
    ScriptedEditor editor;
    view->SetObjectEditor(&editor);
    CSymbolObj* picture = Add(Picture("a"));
    view->SetSelection(picture);
    EXPECT_TRUE(StateOf(*view, CommandId::Properties).enabled);
    view->SetCommandSink([&](CommandId id) { view->OnCommand(id); });
    QTest::mouseDClick(Port(), Qt::LeftButton, {}, At({0, 0}));
    ASSERT_FALSE(editor.edited.empty());
    EXPECT_EQ(picture->m_strName, QByteArray("edited"));
    EXPECT_EQ(view->Selection(), picture);
    doc.Undo();
    EXPECT_EQ(doc.GetObjectAt(0)->m_strName, QByteArray("a"));
}

TEST_F(ViewFixture, AMoveKeepsThePicturesDisplayImageAndAResizeRemakesIt)
{
    auto* picture = static_cast<CDibObj*>(Add(Picture("a", 0, 0, 1000, 1000)));
    picture->Refresh(&doc);
    ASSERT_TRUE(picture->HasDisplay());
    const std::uint64_t stamp = picture->DisplayStamp();
    Drag(At({0, 0}), At({0, 0}));
    Drag(At({0, 0}), At({0, 0}) + QPoint(40, 10));
    ASSERT_NE(picture->GetPosition(), (CPoint{0, 0}));
    EXPECT_EQ(picture->DisplayStamp(), stamp);

    // A corner dragged outwards: the display image is made for the new size.
    CRect rect;
    picture->GetRect(&rect);
    const QPoint corner = At({rect.right, rect.top});
    Drag(corner, corner + QPoint(30, 30));
    ASSERT_NE(picture->GetSize(), (CSize{1000, 1000}));
    EXPECT_NE(picture->DisplayStamp(), stamp);
    EXPECT_EQ(picture->DisplayImage()->Width(), doc.DocToDeviceSize(picture->GetSize()).cx);
}
