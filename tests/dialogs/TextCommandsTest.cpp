#include "DocumentTestSupport.h"

#include "document/CTextCommands.h"
#include "document/IObjectEditor.h"
#include "document/UpdateHint.h"
#include "objects/CArcTextObj.h"
#include "objects/CTextObj.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// Answers as told, after an optional change of the object.
struct ScriptedEditor : IObjectEditor
{
    bool answer = true;
    std::function<void(CSymbolObj&)> change;
    int calls = 0;
    CSymbolObj* edited = nullptr;

    bool Edit(CSymbolObj& object) override
    {
        ++calls;
        edited = &object;
        if (change)
            change(object);
        return answer;
    }
    CTextAttributes NewTextAttributes() const override
    {
        CTextAttributes attributes;
        attributes.text = "Placed";
        attributes.fontColor = RGB(1, 2, 3);
        return attributes;
    }
};

class TextCommands : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SetUpDocument(doc);
        doc.AddObserver(&hints);
    }
    void TearDown() override { doc.RemoveObserver(&hints); }

    CVeldraDoc doc;
    HintLog hints;
    ScriptedEditor editor;
};

} // namespace

TEST_F(TextCommands, ConfirmedTextIsAddedAtTheHeadWithOneUndoStep)
{
    doc.InsertAt(Picture("below"), 0);
    // Plate pixel (550, 200) at 254 dpi: 10 mm right of and 10 mm above the centre.
    ASSERT_TRUE(CTextCommands::AddText(doc, {550, 200}, false, editor));
    ASSERT_EQ(doc.GetObjectCount(), 2);
    auto* text = dynamic_cast<CFreeTextObj*>(doc.GetObjectAt(0));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text, editor.edited);
    EXPECT_EQ(text->GetPosition(), CPoint(1000, 1000));
    EXPECT_EQ(text->m_strName, "Placed");
    EXPECT_EQ(text->m_crFont, RGB(1, 2, 3));
    EXPECT_EQ(text->m_pDoc, &doc);
    EXPECT_GT(text->GetSize().cx, 0);
    EXPECT_EQ(doc.UndoHistory().UndoCount(), 1);
    ASSERT_FALSE(hints.entries.empty());
    EXPECT_EQ(hints.entries.back().hint, hintSelect);
    EXPECT_EQ(hints.entries.back().object, text);

    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(doc.GetObjectCount(), 1);
}

TEST_F(TextCommands, ABlockIsATextObjectSizedToItsText)
{
    ASSERT_TRUE(CTextCommands::AddText(doc, {450, 300}, true, editor));
    auto* block = dynamic_cast<CTextObj*>(doc.GetObjectAt(0));
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block->GetPosition(), CPoint(0, 0));
    EXPECT_GT(block->GetSize().cy, 0);
}

TEST_F(TextCommands, CancelledPlacementLeavesNoTrace)
{
    editor.answer = false;
    EXPECT_FALSE(CTextCommands::AddText(doc, {450, 300}, true, editor));
    EXPECT_FALSE(CTextCommands::AddText(doc, {450, 300}, false, editor));
    EXPECT_FALSE(CTextCommands::AddFanText(doc, {450, 300}, editor));
    EXPECT_EQ(editor.calls, 3);
    EXPECT_EQ(doc.GetObjectCount(), 0);
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(hints.entries.empty());
}

TEST_F(TextCommands, FanTextFacesAwayFromThePlateCentre)
{
    // 20 mm straight above the centre: upside down at the top.
    ASSERT_TRUE(CTextCommands::AddFanText(doc, {450, 100}, editor));
    auto* above = dynamic_cast<CArcTextObj*>(doc.GetObjectAt(0));
    ASSERT_NE(above, nullptr);
    EXPECT_FLOAT_EQ(above->m_layout.m_fAngle, 360);
    EXPECT_FLOAT_EQ(above->m_layout.m_fRadius, 200);
    EXPECT_EQ(above->m_layout.m_bInvert, 1);
    EXPECT_EQ(above->GetPosition(), CPoint(0, 2000));

    ASSERT_TRUE(CTextCommands::AddFanText(doc, {450, 500}, editor));
    auto* below = dynamic_cast<CArcTextObj*>(doc.GetObjectAt(0));
    EXPECT_FLOAT_EQ(below->m_layout.m_fAngle, 180);
    EXPECT_EQ(below->m_layout.m_bInvert, 0);
    EXPECT_EQ(doc.UndoHistory().UndoCount(), 2);
}

TEST_F(TextCommands, CancelledEditLeavesObjectHistoryAndModifiedStateAlone)
{
    CSymbolObj* picture = nullptr;
    {
        auto object = Picture("p", 0, 0, 1000, 1000);
        picture = object.get();
        doc.InsertAt(std::move(object), 0);
    }
    // A full history with a step to redo.
    ASSERT_TRUE(doc.RecordUndo(UndoKind::bounds, picture, false));
    picture->Offset(10, 0);
    ASSERT_TRUE(doc.RecordUndo(UndoKind::bounds, picture, false));
    picture->Offset(10, 0);
    ASSERT_TRUE(doc.Undo());
    doc.SetModifiedFlag(false);
    hints.entries.clear();
    const QByteArray newest = doc.UndoHistory().NewestUndo();

    editor.answer = false;
    editor.change = [](CSymbolObj& object) { object.SetBounds(5, 5, 300, 300); };
    EXPECT_FALSE(CTextCommands::EditObjectProperties(doc, *picture, editor));
    EXPECT_NE(editor.edited, picture);
    EXPECT_EQ(picture->GetSize(), CSize(1000, 1000));
    EXPECT_EQ(picture->GetPosition(), CPoint(10, 0));
    EXPECT_EQ(doc.UndoHistory().UndoCount(), 1);
    EXPECT_EQ(doc.UndoHistory().RedoCount(), 1);
    EXPECT_EQ(doc.UndoHistory().NewestUndo(), newest);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(hints.entries.empty());
}

TEST_F(TextCommands, CancelledEditKeepsTheOldestStepOfAFullHistory)
{
    CSymbolObj* picture = doc.GetObjectAt(doc.InsertAt(Picture("p"), 0) ? 0 : -1);
    ASSERT_NE(picture, nullptr);
    CDocumentSettings settings;
    settings.maxUndoCount = 2;
    doc.SetSettings(settings);
    ASSERT_TRUE(doc.RecordUndo(UndoKind::bounds, picture, false));
    ASSERT_TRUE(doc.RecordUndo(UndoKind::visibility, picture, false));
    ASSERT_EQ(doc.UndoHistory().UndoCount(), 2);
    editor.answer = false;
    EXPECT_FALSE(CTextCommands::EditObjectProperties(doc, *picture, editor));
    EXPECT_EQ(doc.UndoHistory().UndoCount(), 2);
}

TEST_F(TextCommands, ConfirmedEditChangesTheObjectAndCanBeUndone)
{
    auto object = Picture("p", 0, 0, 1000, 1000);
    CDibObj* picture = object.get();
    doc.InsertAt(std::move(object), 0);
    editor.change = [](CSymbolObj& copy) { copy.SetBounds(500, -500, 2000, 400); };
    ASSERT_TRUE(CTextCommands::EditObjectProperties(doc, *picture, editor));
    EXPECT_EQ(picture->GetSize(), CSize(2000, 400));
    EXPECT_EQ(picture->GetPosition(), CPoint(500, -500));
    // The display image follows the new size at 254 dpi.
    ASSERT_TRUE(picture->HasDisplay());
    EXPECT_EQ(picture->DisplayImage()->Width(), 200);
    EXPECT_EQ(doc.UndoHistory().UndoCount(), 1);
    EXPECT_TRUE(doc.IsModified());
    ASSERT_FALSE(hints.entries.empty());
    EXPECT_EQ(hints.entries.back().hint, hintPlateChanged);

    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(doc.GetObjectAt(0)->GetSize(), CSize(1000, 1000));
}

TEST_F(TextCommands, LockedObjectsAreNotEdited)
{
    doc.InsertAt(Picture("pen", 0, 0, 1000, 1000, flagsPenLayer), 0);
    EXPECT_FALSE(CTextCommands::EditObjectProperties(doc, *doc.GetObjectAt(0), editor));
    EXPECT_EQ(editor.calls, 0);
}
