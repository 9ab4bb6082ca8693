// Fill Paint in the history among pen strokes: every state the layer had
// must come back exactly, whichever way the steps are walked, with the
// strokes' steps kept as differences on either side of the fills.
#include "DocumentTestSupport.h"

#include "document/CPenCommands.h"

#include <gtest/gtest.h>

#include <QtEndian>

namespace {

constexpr COLORREF red = RGB(200, 0, 0), blue = RGB(0, 0, 255), white = RGB(255, 255, 255);
constexpr COLORREF ink = RGB(0, 160, 0);

struct FillHistory : ::testing::Test
{
    CVeldraDoc doc;
    CDocumentSettings settings;
    std::vector<QByteArray> states; // the layer after each step, the opened one first

    // A 900 x 600 pen layer as a file may bring it: below row 200 a comb of
    // one-pixel teeth (odd columns) whose gaps join along the bottom row,
    // so the background is one surface of very many short spans.
    void SetUp() override
    {
        SetUpDocument(doc);
        settings.penWidth = 100; // 10 pixels
        doc.SetSettings(settings);
        CDibImage& layer = CPenCommands::GetPenLayer(doc, true)->StoredImage();
        for (int y = 200; y < 599; ++y)
            for (int x = 1; x < 900; x += 2)
                layer.SetPixel(x, y, ink);
        doc.ClearUndo();
        doc.SetModifiedFlag(false);
        states.push_back(Layer());
    }

    QByteArray Layer()
    {
        const CDibImage& image = CPenCommands::GetPenLayer(doc, false)->StoredImage();
        QByteArray bytes;
        for (int y = 0; y < image.Height(); ++y)
            bytes.append(reinterpret_cast<const char*>(image.Row(y)), 3 * image.Width());
        return bytes;
    }

    UndoKind Newest() { return UndoKind(qFromLittleEndian<std::uint32_t>(doc.UndoHistory().NewestUndo().constData())); }

    void Pen(COLORREF colour)
    {
        settings.penColor = colour;
        doc.SetSettings(settings);
    }

    void Stroke(CPoint from, CPoint to, COLORREF colour)
    {
        Pen(colour);
        ASSERT_TRUE(CPenCommands::BeginStroke(doc, from, false));
        ASSERT_TRUE(CPenCommands::EndStroke(doc, to));
        EXPECT_EQ(Newest(), UndoKind::changed);
        states.push_back(Layer());
    }

    // A fill that changes the layer; kind is the step it must leave.
    void Fill(CPoint at, COLORREF colour, bool erase, UndoKind kind = UndoKind::filled)
    {
        Pen(colour);
        ASSERT_TRUE(CPenCommands::FillAt(doc, at, erase));
        EXPECT_EQ(Newest(), kind);
        states.push_back(Layer());
        EXPECT_NE(states.back(), states[states.size() - 2]);
    }

    // Undoes back to state `to`, then redoes forward to `back`, checking
    // every state on the way.
    void Walk(std::size_t to, std::size_t back)
    {
        for (std::size_t n = states.size() - 1; n > to; --n) {
            ASSERT_TRUE(doc.Undo()) << n;
            ASSERT_TRUE(Layer() == states[n - 1]) << "undone to " << n - 1;
        }
        for (std::size_t n = to + 1; n <= back; ++n) {
            ASSERT_TRUE(doc.Redo()) << n;
            ASSERT_TRUE(Layer() == states[n]) << "redone to " << n;
        }
    }
};

} // namespace

TEST_F(FillHistory, FillsAndStrokesUndoAndRedoToTheExactPixelsWithinTheLimit)
{
    Stroke({0, 100}, {899, 100}, white);  // 1: a white bar across
    Stroke({450, 0}, {450, 190}, white);  // 2: and one down to it
    Fill({100, 40}, red, false);          // 3: the top left quarter
    Fill({700, 40}, blue, false);         // 4: the top right one
    Stroke({20, 20}, {300, 80}, 0);       // 5: across the red
    Stroke({30, 60}, {200, 10}, 0);       // 6
    Fill({200, 100}, blue, false);        // 7: both bars
    Fill({400, 10}, red, true);           // 8: erasing what is left of the red
    // 9: the comb's background: more spans than the layer has bytes, so
    // the step keeps the layer whole.
    Fill({10, 150}, white, false, UndoKind::changed);
    Stroke({600, 150}, {800, 150}, red);  // 10
    Fill({600, 150}, 0, false);           // 11
    doc.SetModifiedFlag(false);           // saved here

    Walk(0, states.size() - 1);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_FALSE(doc.CanRedo());

    // Back and forth in the middle, then a new fill where redo was.
    Walk(6, 8);
    EXPECT_TRUE(doc.IsModified());
    ASSERT_TRUE(doc.Undo());
    ASSERT_TRUE(doc.Undo());
    states.resize(7);
    Fill({200, 100}, red, false);         // 7': the bars again, now red
    EXPECT_FALSE(doc.CanRedo());
    Stroke({500, 20}, {880, 20}, white);  // 8'
    Walk(0, states.size() - 1);
    EXPECT_TRUE(doc.IsModified());

    // A fill in a group is undone and redone with the rest of it.
    {
        CVeldraDoc::UndoGroup group(doc);
        Stroke({100, 150}, {300, 150}, red);
        Fill({700, 40}, white, false);
    }
    ASSERT_TRUE(doc.Undo());
    EXPECT_TRUE(Layer() == states[states.size() - 3]);
    ASSERT_TRUE(doc.Redo());
    EXPECT_TRUE(Layer() == states.back());

    // The limit drops the oldest steps (a group as a whole); the rest
    // still restore.
    settings.maxUndoCount = 3;
    doc.SetSettings(settings);
    Fill({700, 40}, red, false);
    Stroke({600, 20}, {880, 20}, blue);
    Fill({700, 20}, white, false);
    EXPECT_EQ(doc.UndoHistory().UndoCount(), 3);
    Walk(states.size() - 4, states.size() - 1);
}
