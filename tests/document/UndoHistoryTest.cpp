// How the history keeps image objects: shared pixels, pen strokes kept as
// the rows they changed. Every state a stroke left must come back exactly,
// however the steps were reached.
#include "DocumentTestSupport.h"

#include "document/CPenCommands.h"
#include "objects/CPenPainter.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

struct PenHistory : ::testing::Test
{
    CVeldraDoc doc;
    CDibObj* layer = nullptr;
    std::vector<QByteArray> states; // the layer's pixels before each stroke

    void SetUp() override
    {
        SetUpDocument(doc);
        // An odd width: rows carry padding the comparison must ignore.
        auto object = Picture("pen", 0, 0, 4010, 3000, flagsPenLayer);
        CDibImage blank;
        blank.Create(401, 300, 24, transparentKey);
        object->SetImageFrom(&blank, flagsPenLayer, false);
        layer = object.get();
        doc.InsertAt(std::move(object), -1);
    }

    QByteArray Pixels() const
    {
        const CDibImage& image = layer->StoredImage();
        QByteArray bytes;
        for (int y = 0; y < image.Height(); ++y)
            bytes.append(reinterpret_cast<const char*>(image.Row(y)), 3 * image.Width());
        return bytes;
    }

    // Records, then strokes as the pen tool does.
    void Stroke(int n)
    {
        layer = static_cast<CDibObj*>(doc.GetObjectAt(0));
        states.push_back(Pixels());
        ASSERT_TRUE(doc.RecordUndo(UndoKind::changed, layer, true));
        CPenPainter pen;
        pen.SetPen(1 + n % 7, n % 2 ? 0xFFFFFF : RGB(n * 40, 0, 200));
        pen.BeginStroke(layer, 10 + n * 23 % 350, 5 + n * 41 % 280, true);
        pen.AddPoint(40 + n * 13 % 300, 30 + n * 17 % 250);
        ASSERT_TRUE(pen.EndStroke(390 - n * 7 % 100, 290 - n * 11 % 200));
    }

    void ExpectState(const QByteArray& pixels)
    {
        layer = static_cast<CDibObj*>(doc.GetObjectAt(0));
        ASSERT_EQ(Pixels().size(), pixels.size());
        EXPECT_TRUE(Pixels() == pixels);
    }
};

} // namespace

TEST_F(PenHistory, EveryStrokeUndoesAndRedoesToTheExactPixels)
{
    for (int n = 0; n < 12; ++n)
        Stroke(n);
    states.push_back(Pixels());
    for (int n = 11; n >= 0; --n) {
        ASSERT_TRUE(doc.Undo());
        ExpectState(states[std::size_t(n)]);
    }
    EXPECT_FALSE(doc.CanUndo());
    for (int n = 1; n <= 12; ++n) {
        ASSERT_TRUE(doc.Redo());
        ExpectState(states[std::size_t(n)]);
    }
    // Back and forth in the middle of the history.
    for (int n = 0; n < 5; ++n)
        ASSERT_TRUE(doc.Undo());
    ExpectState(states[7]);
    ASSERT_TRUE(doc.Redo());
    ExpectState(states[8]);
    ASSERT_TRUE(doc.Undo());
    ASSERT_TRUE(doc.Undo());
    ExpectState(states[6]);
}

TEST_F(PenHistory, NewStrokesAfterUndoingAndDroppedStepsKeepTheRest)
{
    for (int n = 0; n < 6; ++n)
        Stroke(n);
    ASSERT_TRUE(doc.Undo());
    ASSERT_TRUE(doc.Undo());
    // A new stroke after undoing: redo is gone, the history goes on.
    states.resize(4);
    Stroke(20);
    EXPECT_FALSE(doc.CanRedo());
    Stroke(21);
    // A cancelled step is dropped; the one behind it must still restore.
    const QByteArray beforeLast = Pixels();
    states.push_back(beforeLast);
    ASSERT_TRUE(doc.RecordUndo(UndoKind::changed, layer, true));
    doc.DropLastUndo();
    for (int n = int(states.size()) - 2; n >= 0; --n) {
        ASSERT_TRUE(doc.Undo());
        ExpectState(states[std::size_t(n)]);
    }
}

TEST_F(PenHistory, TheLimitDropsTheOldestAndTheRestStillRestore)
{
    CDocumentSettings settings;
    settings.maxUndoCount = 4;
    doc.SetSettings(settings);
    for (int n = 0; n < 9; ++n)
        Stroke(n);
    EXPECT_EQ(doc.UndoHistory().UndoCount(), 4);
    for (int n = 8; n >= 5; --n) {
        ASSERT_TRUE(doc.Undo());
        ExpectState(states[std::size_t(n)]);
    }
    EXPECT_FALSE(doc.Undo());
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(PenHistory, AStepKeepsItsPixelsWhenTheObjectChangesInPlace)
{
    const QByteArray before = Pixels();
    ASSERT_TRUE(doc.RecordUndo(UndoKind::changed, layer, true));
    // Any writable access takes the layer's own copy first.
    layer->StoredImage().SetPixel(3, 3, 0x00FF00);
    std::memset(layer->StoredImage().Row(10), 0x7F, 30);
    const QByteArray after = Pixels();
    ASSERT_TRUE(doc.Undo());
    ExpectState(before);
    ASSERT_TRUE(doc.Redo());
    ExpectState(after);
    // The record reads as the whole object, as a written record would.
    ASSERT_TRUE(doc.RecordUndo(UndoKind::changed, layer, true));
    const QByteArray record = doc.UndoHistory().NewestUndo();
    EXPECT_EQ(record.left(8), QByteArray::fromHex("0200000000000000"));
    EXPECT_GT(record.size(), 300 * 3);
}

TEST(UndoKeptObjects, RemovedPicturesComeBackWithTheirHistoryAndDisplay)
{
    CVeldraDoc doc;
    SetUpDocument(doc);
    auto picture = Picture("photo", 0, 0, 2000, 1000);
    picture->SetSourcePath("/pictures/photo.jpg");
    const CRect trim{1, 2, 3, 4};
    picture->SetTrim(2, &trim);
    picture->Refresh(&doc);
    doc.InsertAt(std::move(picture), -1);
    ASSERT_TRUE(doc.Delete(doc.GetObjectAt(0)));
    ASSERT_TRUE(doc.Undo());
    auto* back = dynamic_cast<CDibObj*>(doc.GetObjectAt(0));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->GetSourcePath(), QString("/pictures/photo.jpg"));
    CRect kept;
    EXPECT_EQ(back->GetTrim(&kept), 2);
    EXPECT_EQ(kept, trim);
    ASSERT_TRUE(back->DisplayImage());
    EXPECT_EQ(back->DisplayImage()->Width(), 200);
    // Redo removes it; undo again brings an object that is its own.
    ASSERT_TRUE(doc.Redo());
    ASSERT_TRUE(doc.Undo());
    auto* again = dynamic_cast<CDibObj*>(doc.GetObjectAt(0));
    again->StoredImage().SetPixel(0, 0, 0x010203);
    ASSERT_TRUE(doc.Redo());
    ASSERT_TRUE(doc.Undo());
    EXPECT_NE(dynamic_cast<CDibObj*>(doc.GetObjectAt(0))->StoredImage().GetPixel(0, 0), COLORREF(0x010203));
}

TEST(UndoKeptObjects, ADisplayMadeForAnotherResolutionIsMadeAgain)
{
    CVeldraDoc doc;
    SetUpDocument(doc);
    doc.InsertAt(Picture("p", 0, 0, 2000, 1000), -1);
    auto* picture = static_cast<CDibObj*>(doc.GetObjectAt(0));
    picture->Refresh(&doc);
    ASSERT_TRUE(doc.RecordUndo(UndoKind::changed, picture, true));
    doc.SetDevice(508, 9000, 6000);
    ASSERT_TRUE(doc.Undo());
    const auto* back = static_cast<CDibObj*>(doc.GetObjectAt(0));
    ASSERT_TRUE(back->DisplayImage());
    EXPECT_EQ(back->DisplayImage()->Width(), 400);
}
