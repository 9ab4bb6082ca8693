#include "DocumentTestSupport.h"

#include "document/ILayerList.h"
#include "document/UpdateHint.h"
#include "objects/CTextObj.h"

#include <gtest/gtest.h>

namespace {

struct UndoFixture : ::testing::Test
{
    CVeldraDoc doc;
    void SetUp() override
    {
        SetUpDocument(doc);
        for (const char* name : {"0", "1", "2", "3", "4"})
            doc.InsertAt(Picture(name), -1);
    }
};

// Records what the layer window is told.
struct LayerLog : ILayerList
{
    std::vector<std::string> calls;
    void AddRow(CSymbolObj*, int index) override { calls.push_back("add " + std::to_string(index)); }
    void RemoveRow(CSymbolObj*) override { calls.push_back("remove"); }
    void RefreshRow(CSymbolObj*) override { calls.push_back("refresh"); }
    void MoveRow(int from, int to) override { calls.push_back("move " + std::to_string(from) + " " + std::to_string(to)); }
    void Fill(const std::vector<CSymbolObj*>&) override { calls.push_back("fill"); }
    void Clear() override { calls.push_back("clear"); }
};

} // namespace

TEST_F(UndoFixture, AddedAndRemovedObjectsComeAndGo)
{
    auto added = Picture("new");
    CSymbolObj* raw = added.get();
    doc.InsertAt(std::move(added), 2);
    ASSERT_TRUE(doc.RecordUndo(UndoKind::added, raw, true));
    // kind 0, index 2, then the object with its class record.
    const QByteArray& record = doc.UndoHistory().NewestUndo();
    EXPECT_EQ(record.left(8), QByteArray::fromHex("0000000002000000"));
    EXPECT_EQ(record.mid(8, 6), QByteArray::fromHex("ffff03000700"));

    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(Names(doc), (std::vector<QByteArray>{"0", "1", "2", "3", "4"}));
    ASSERT_TRUE(doc.Redo());
    EXPECT_EQ(Names(doc), (std::vector<QByteArray>{"0", "1", "new", "2", "3", "4"}));

    ASSERT_TRUE(doc.Delete(doc.GetObjectAt(0)));
    EXPECT_EQ(doc.GetObjectCount(), 5);
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(Names(doc).front(), QByteArray("0"));
    ASSERT_TRUE(doc.Redo());
    EXPECT_EQ(Names(doc).front(), QByteArray("1"));
}

TEST_F(UndoFixture, ChangedObjectsSwapWholeRecords)
{
    CSymbolObj* object = doc.GetObjectAt(1);
    ASSERT_TRUE(doc.RecordUndo(UndoKind::changed, object, true));
    object->m_strName = "renamed";
    object->m_bVisible = 0;
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(doc.GetObjectAt(1)->m_strName, QByteArray("1"));
    EXPECT_EQ(doc.GetObjectAt(1)->m_bVisible, 1);
    ASSERT_TRUE(doc.Redo());
    EXPECT_EQ(doc.GetObjectAt(1)->m_strName, QByteArray("renamed"));
    EXPECT_EQ(doc.GetObjectAt(1)->m_bVisible, 0);
    // The restored picture keeps its display image for the document.
    auto* picture = dynamic_cast<CDibObj*>(doc.GetObjectAt(1));
    ASSERT_TRUE(picture && picture->DisplayImage());
    EXPECT_EQ(picture->DisplayImage()->Width(), 100);
}

TEST_F(UndoFixture, OrderMovesGoBackWhereTheyCameFrom)
{
    doc.MoveObject(1, 4);
    doc.RecordOrderUndo(1, 4, true);
    EXPECT_EQ(Names(doc), (std::vector<QByteArray>{"0", "2", "3", "1", "4"}));
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(Names(doc), (std::vector<QByteArray>{"0", "1", "2", "3", "4"}));
    ASSERT_TRUE(doc.Redo());
    EXPECT_EQ(Names(doc), (std::vector<QByteArray>{"0", "2", "3", "1", "4"}));
    ASSERT_TRUE(doc.Undo());

    doc.MoveObject(4, 1);
    doc.RecordOrderUndo(4, 1, true);
    EXPECT_EQ(Names(doc), (std::vector<QByteArray>{"0", "4", "1", "2", "3"}));
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(Names(doc), (std::vector<QByteArray>{"0", "1", "2", "3", "4"}));

    const int before = doc.UndoHistory().UndoCount();
    doc.RecordOrderUndo(2, 2, true);
    EXPECT_EQ(doc.UndoHistory().UndoCount(), before);
}

TEST_F(UndoFixture, VisibilityAndBounds)
{
    CSymbolObj* object = doc.GetObjectAt(3);
    ASSERT_TRUE(doc.RecordUndo(UndoKind::visibility, object, true));
    object->m_bVisible = 0;
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(doc.GetObjectAt(3)->m_bVisible, 1);
    ASSERT_TRUE(doc.Redo());
    EXPECT_EQ(doc.GetObjectAt(3)->m_bVisible, 0);

    ASSERT_TRUE(doc.RecordUndo(UndoKind::bounds, object, true));
    EXPECT_EQ(doc.UndoHistory().NewestUndo().size(), 8 + 16);
    object->SetBounds(700, 800, 2000, 500);
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(object->GetPosition(), (CPoint{0, 0}));
    EXPECT_EQ(object->GetSize(), (CSize{1000, 1000}));
    EXPECT_EQ(dynamic_cast<CDibObj*>(object)->DisplayImage()->Width(), 100);
    ASSERT_TRUE(doc.Redo());
    EXPECT_EQ(object->GetPosition(), (CPoint{700, 800}));
    EXPECT_EQ(dynamic_cast<CDibObj*>(object)->DisplayImage()->Width(), 200);
}

TEST_F(UndoFixture, TextBoundsAreRecordedWhole)
{
    auto text = std::make_unique<CTextObj>();
    CSymbolObj* raw = text.get();
    doc.InsertAt(std::move(text), -1);
    ASSERT_TRUE(doc.RecordUndo(UndoKind::bounds, raw, true));
    EXPECT_EQ(doc.UndoHistory().NewestUndo().left(4), QByteArray::fromHex("02000000"));
}

TEST_F(UndoFixture, HistoryDepthAndRedoClearing)
{
    CDocumentSettings settings;
    settings.maxUndoCount = 3;
    doc.SetSettings(settings);
    for (int i = 0; i < 5; ++i)
        doc.RecordUndo(UndoKind::visibility, doc.GetObjectAt(0), true);
    EXPECT_EQ(doc.UndoHistory().UndoCount(), 3);
    doc.Undo();
    EXPECT_TRUE(doc.CanRedo());
    doc.RecordUndo(UndoKind::visibility, doc.GetObjectAt(0), true);
    EXPECT_FALSE(doc.CanRedo());
    doc.DropLastUndo();
    EXPECT_EQ(doc.UndoHistory().UndoCount(), 2);

    settings.maxUndoCount = 0;
    doc.SetSettings(settings);
    doc.RecordUndo(UndoKind::visibility, doc.GetObjectAt(0), true);
    EXPECT_FALSE(doc.CanUndo());

    CDibObj stranger;
    EXPECT_FALSE(doc.RecordUndo(UndoKind::changed, &stranger, false));
    EXPECT_FALSE(doc.RecordUndo(UndoKind::changed, nullptr, false));
}

TEST_F(UndoFixture, ARecordWhoseObjectIsGoneIsDropped)
{
    doc.RecordUndo(UndoKind::visibility, doc.GetObjectAt(4), true);
    doc.RemoveRaw(4);
    doc.RemoveRaw(3);
    EXPECT_FALSE(doc.Undo());
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_FALSE(doc.CanRedo());
}

TEST_F(UndoFixture, UndoTellsTheViewsAndTheLayerList)
{
    LayerLog layers;
    HintLog hints;
    doc.SetLayerList(&layers);
    doc.AddObserver(&hints);
    doc.MoveObject(0, 2);
    doc.RecordOrderUndo(0, 2, true);
    doc.Delete(doc.GetObjectAt(4));
    hints.entries.clear();
    doc.Undo();
    doc.Undo();
    EXPECT_EQ(layers.calls, (std::vector<std::string>{"remove", "add 4", "move 1 0"}));
    ASSERT_GE(hints.entries.size(), 2u);
    EXPECT_EQ(hints.entries.front().hint, int(hintSelect));
    EXPECT_EQ(hints.entries.back().hint, int(hintPlateChanged));
}

TEST_F(UndoFixture, UndoingAResizeRebuildsEveryImageObjectsDisplay)
{
    // Frames, symbols and material outlines show a display image made for
    // their size as much as pictures do.
    for (const std::uint32_t flags : {flagsFrame, flagsSymbol, flagsPicture}) {
        doc.InsertAt(Picture("resized", 0, 0, 1000, 1000, flags), 1);
        auto* object = dynamic_cast<CDibObj*>(doc.GetObjectAt(1));
        object->Refresh(&doc);
        ASSERT_TRUE(doc.RecordUndo(UndoKind::bounds, object, true));
        object->SetBounds(0, 0, 3000, 500);
        object->Refresh(&doc);
        ASSERT_EQ(object->DisplayImage()->Width(), 300);
        ASSERT_TRUE(doc.Undo());
        ASSERT_NE(object->DisplayImage(), nullptr) << flags;
        EXPECT_EQ(object->DisplayImage()->Width(), 100) << flags;
        EXPECT_EQ(object->DisplayImage()->Height(), 100) << flags;
        ASSERT_TRUE(doc.Redo());
        EXPECT_EQ(object->DisplayImage()->Width(), 300) << flags;
    }
}

TEST_F(UndoFixture, DeletingIsAChangeToAskAboutBeforeClosing)
{
    doc.SetModifiedFlag(false);
    ASSERT_TRUE(doc.Delete(doc.GetObjectAt(2)));
    EXPECT_TRUE(doc.IsModified());
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(doc.GetObjectCount(), 5);
}
