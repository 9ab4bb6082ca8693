// The layer window's rules: where rows stand, what Up, Down and a drop may
// move, and what a row says.
#include "DocumentTestSupport.h"

#include "objects/CTextObj.h"
#include "view/layers/CLayerRows.h"

#include <gtest/gtest.h>

namespace {

// Material, then a, b, c in list order (a front-most).
class LayerRowsFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SetUpDocument(doc);
        doc.InsertAt(Picture("material", 0, 0, 9000, 6000, flagsMaterial), 0);
        for (const char* name : {"a", "b", "c"})
            doc.InsertAt(Picture(name), -1);
    }

    std::vector<QByteArray> RowNames() const
    {
        std::vector<QByteArray> names;
        for (const CSymbolObj* object : doc.GetObjects())
            names.push_back(object->m_strName);
        return names;
    }

    // Moves as the window does and returns the rows afterwards.
    std::vector<QByteArray> Moved(int row, int target)
    {
        const auto move = CLayerRows::MoveToRow(row, target, doc.GetObjectCount(), true);
        EXPECT_TRUE(move);
        if (move) {
            EXPECT_TRUE(doc.MoveObject(move->from, move->to));
        }
        return RowNames();
    }

    CVeldraDoc doc;
};

using RowList = std::vector<QByteArray>;

} // namespace

TEST_F(LayerRowsFixture, MovesLandWhereTheRowWasPut)
{
    EXPECT_EQ(Moved(1, 4), (RowList{"material", "b", "c", "a"}));
    EXPECT_EQ(Moved(3, 1), (RowList{"material", "a", "b", "c"}));
    EXPECT_EQ(Moved(2, 4), (RowList{"material", "a", "c", "b"}));
    EXPECT_EQ(Moved(2, 1), (RowList{"material", "c", "a", "b"}));
}

TEST_F(LayerRowsFixture, TheMaterialRowNeverMovesNorIsPassed)
{
    EXPECT_FALSE(CLayerRows::UpTarget(1, true));
    EXPECT_FALSE(CLayerRows::UpTarget(0, true));
    EXPECT_EQ(CLayerRows::UpTarget(2, true), 1);
    EXPECT_EQ(CLayerRows::UpTarget(1, false), 0);
    EXPECT_FALSE(CLayerRows::DownTarget(0, 4, true));
    EXPECT_EQ(CLayerRows::DownTarget(0, 4, false), 2);
    EXPECT_EQ(CLayerRows::DownTarget(2, 4, true), 4);
    EXPECT_FALSE(CLayerRows::DownTarget(3, 4, true));
    EXPECT_FALSE(CLayerRows::MoveToRow(0, 3, 4, true));
    EXPECT_FALSE(CLayerRows::MoveToRow(2, 0, 4, true));
    // Staying put is no move (and no undo step).
    EXPECT_FALSE(CLayerRows::MoveToRow(2, 2, 4, true));
    EXPECT_FALSE(CLayerRows::MoveToRow(2, 3, 4, true));
    EXPECT_FALSE(CLayerRows::MoveToRow(2, 5, 4, true));
}

TEST(LayerRowsDrop, TargetRoundsToTheNearestGapWithinTheVisibleRows)
{
    // Rows 36 pixels high, row 2 at the top, scrolled 10 pixels into it.
    const CLayerRows::DropGeometry geometry{2, -10, 36, 5, 20};
    EXPECT_EQ(CLayerRows::DropTarget(geometry, 0, false), 2);
    EXPECT_EQ(CLayerRows::DropTarget(geometry, 9, false), 3);
    EXPECT_EQ(CLayerRows::DropTarget(geometry, 60, false), 4);
    EXPECT_EQ(CLayerRows::DropTarget(geometry, -200, false), 2);
    EXPECT_EQ(CLayerRows::DropTarget(geometry, 1000, false), 7);
    // Few rows: at most after the last.
    EXPECT_EQ(CLayerRows::DropTarget({0, 0, 36, 10, 3}, 1000, true), 3);
    // Never above the material.
    EXPECT_EQ(CLayerRows::DropTarget({0, 0, 36, 10, 3}, -50, true), 1);
}

TEST(LayerRowsText, KindNameAndTheNameCutTo32Characters)
{
    CTextObj text;
    text.m_dwFlags = flagsTextBlock;
    text.m_strName = "0123456789abcdefghijklmnopqrstuvwxyz";
    EXPECT_EQ(CLayerRows::RowText(text), QStringLiteral("Text (0123456789abcdefghijklmnopqrstuv)"));
    text.m_strName = "two\r\nlines";
    EXPECT_EQ(CLayerRows::RowText(text), QStringLiteral("Text (two lines)"));
    auto pen = Picture("", 0, 0, 10, 10, flagsPenLayer);
    EXPECT_EQ(CLayerRows::RowText(*pen), QStringLiteral("Drawing pen"));
    auto odd = Picture("odd", 0, 0, 10, 10, 0x0004);
    EXPECT_EQ(CLayerRows::RowText(*odd), QStringLiteral(" (odd)"));
}

TEST_F(LayerRowsFixture, JoiningTheDisplayedLeavesOutTheMaterialAndTheHidden)
{
    doc.GetObjectAt(2)->m_bVisible = 0;
    const std::vector<CSymbolObj*> joined = CLayerRows::DisplayedForJoin(doc.GetObjects());
    ASSERT_EQ(joined.size(), 2u);
    EXPECT_EQ(joined[0]->m_strName, "a");
    EXPECT_EQ(joined[1]->m_strName, "c");
    doc.GetObjectAt(1)->m_bVisible = doc.GetObjectAt(3)->m_bVisible = 0;
    EXPECT_TRUE(CLayerRows::DisplayedForJoin(doc.GetObjects()).empty());
}
