// A record put into a copy of the layout is the plate the user would get by
// typing its values into the texts; the layout itself keeps its fields.
#include "SerialPlate.h"

#include "batch/CDataSource.h"
#include "batch/CRecordDisplay.h"
#include "batch/CRecordLayout.h"
#include "document/UpdateHint.h"
#include "objects/ObjectName.h"

#include <gtest/gtest.h>

namespace {

const QDate today(2026, 3, 7);

CDataSource Staff()
{
    return *CDataSource::FromText(QString::fromUtf8("Name,Dept\nAnna Berg,Stores\n\"Olsen, K.\",Workshop\nZoë,Lab\n"),
                                  QLatin1Char(','), nullptr);
}

QByteArray HandMade(const PlateTexts& values)
{
    CVeldraDoc doc;
    MakeSerialPlate(doc, serialTemplate);
    TypeTexts(doc, values);
    doc.RefreshObjects();
    CPlateRenderer renderer(doc);
    return Pixels(RenderOutput(renderer, doc));
}

std::vector<QByteArray> Texts(const CVeldraDoc& doc)
{
    std::vector<QByteArray> texts;
    for (const CSymbolObj* object : doc.GetObjects())
        texts.push_back(object->m_strName);
    return texts;
}

} // namespace

TEST(RecordLayout, EachRecordIsThePlateTypedByHand)
{
    CVeldraDoc doc;
    MakeSerialPlate(doc, serialTemplate);
    const std::vector<QByteArray> before = Texts(doc);
    QString error;
    const std::unique_ptr<CRecordLayout> layout = CRecordLayout::Make(doc, &error);
    ASSERT_TRUE(layout) << qPrintable(error);
    EXPECT_EQ(layout->Columns(), QStringList({"Dept", "Name"}));
    const CDataSource staff = Staff();
    EXPECT_TRUE(layout->MissingColumns(staff).isEmpty());
    const PlateTexts expected[] = {{"Anna Berg", "No. 0001", "Stores\r\nRecord 1"},
                                   {"Olsen, K.", "No. 0006", "Workshop\r\nRecord 2"},
                                   {QString::fromUtf8("Zoë"), "No. 0011", "Lab\r\nRecord 3"}};
    // Out of order and back again: nothing of one record stays in another.
    for (int record : {2, 1, 3, 2}) {
        ASSERT_TRUE(layout->Apply(staff, record, today, &error)) << qPrintable(error);
        EXPECT_EQ(Pixels(RenderOutput(layout->Renderer(), layout->Layout())), HandMade(expected[record - 1]))
            << "record " << record;
    }
    EXPECT_EQ(Texts(doc), before);
    EXPECT_FALSE(doc.IsModified());
}

TEST(RecordLayout, AValueOutsideTheCodePageIsRefusedNamingRecordAndColumn)
{
    CVeldraDoc doc;
    MakeSerialPlate(doc, serialTemplate);
    const std::unique_ptr<CRecordLayout> layout = CRecordLayout::Make(doc, nullptr);
    ASSERT_TRUE(layout);
    const auto data = CDataSource::FromText(QString::fromUtf8("Name,Dept\nAnna,Stores\nEve,Σ-Lab\n"), QLatin1Char(','), nullptr);
    ASSERT_TRUE(layout->Apply(*data, 1, today, nullptr));
    const std::vector<QByteArray> first = Texts(layout->Layout());
    QString error;
    EXPECT_FALSE(layout->Apply(*data, 2, today, &error));
    EXPECT_EQ(error, QString::fromUtf8("Record 2, column \"Dept\": the text's code page cannot hold \"Σ\"."));
    // Never a "?" in its place, and no half of record 2 either.
    EXPECT_EQ(Texts(layout->Layout()), first);
}

TEST(RecordLayout, MissingColumnsAndMalformedFieldsAreNamed)
{
    CVeldraDoc doc;
    MakeSerialPlate(doc, serialTemplate);
    const std::unique_ptr<CRecordLayout> layout = CRecordLayout::Make(doc, nullptr);
    const auto other = CDataSource::FromText("Name,Town\nA,B\n", QLatin1Char(','), nullptr);
    EXPECT_EQ(layout->MissingColumns(*other), "The layout's fields {Dept} name no column of the data. Its columns: Name, Town.");
    EXPECT_TRUE(layout->MissingColumns(CDataSource::Counted(3)).contains("(no data file)"));

    CVeldraDoc broken;
    MakeSerialPlate(broken, {"{Name", "x", "y"});
    QString error;
    EXPECT_FALSE(CRecordLayout::Make(broken, &error));
    EXPECT_TRUE(error.startsWith("The text \"{Name\":")) << qPrintable(error);

    CVeldraDoc plain;
    MakeSerialPlate(plain, {"Plain", "{{braces}}", "text"});
    EXPECT_FALSE(CRecordLayout::Make(plain, nullptr)->HasFields());
}

// The record navigator's plate: the copy follows changes to the layout and
// to its device, and refuses a source that lacks a column.
TEST(RecordDisplay, ShowsTheRecordAndFollowsTheLayout)
{
    CVeldraDoc doc;
    MakeSerialPlate(doc, serialTemplate);
    CRecordDisplay display(doc);
    EXPECT_FALSE(display.Shown());
    QString error;
    EXPECT_FALSE(display.SetSource(*CDataSource::FromText("Name\nA\n", QLatin1Char(','), nullptr), &error));
    EXPECT_TRUE(error.contains("{Dept}"));
    EXPECT_FALSE(display.IsActive());
    ASSERT_TRUE(display.SetSource(Staff(), &error)) << qPrintable(error);
    EXPECT_EQ(display.RecordCount(), 3);
    ASSERT_TRUE(display.ShowRecord(3));
    EXPECT_TRUE(display.ShowRecord(7));
    EXPECT_EQ(display.Record(), 3);
    CRecordLayout* shown = display.Shown();
    ASSERT_TRUE(shown);
    EXPECT_EQ(ObjectName::Decoded(*shown->Layout().GetObjectAt(2)), QString::fromUtf8("Zoë"));

    // A text changed in the layout shows at the next look.
    CSymbolObj* line = doc.GetObjectAt(2);
    TypeLine<CTextRules>(*dynamic_cast<CFreeTextObj*>(line), "Tag: {Name}");
    doc.UpdateAllViews(nullptr, hintPlateChanged, line);
    shown = display.Shown();
    ASSERT_TRUE(shown);
    EXPECT_EQ(ObjectName::Decoded(*shown->Layout().GetObjectAt(2)), QString::fromUtf8("Tag: Zoë"));
    // Dragged: no hint at all.
    line->SetPosition(-500, 400);
    shown = display.Shown();
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->Layout().GetObjectAt(2)->GetPosition(), CPoint(-500, 400));
    doc.SetDevice(300, 6000, 3000);
    shown = display.Shown();
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->Layout().GetDeviceSize(), doc.GetDeviceSize());

    display.Clear();
    EXPECT_FALSE(display.Shown());
}
