#include "DocumentTestSupport.h"
#include "ObjectBytes.h"

#include "document/CDocumentFile.h"
#include "objects/CTextObj.h"
#include "platform/CArchive.h"
#include "platform/CVirtualEngraver.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct FileFixture : ::testing::Test
{
    QTemporaryDir dir;
    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    QString Write(const char* name, const QByteArray& bytes) const
    {
        QFile file(Path(name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return file.fileName();
    }
    static QByteArray Read(const QString& path)
    {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }
};

// A printer that is not the engraver.
struct OfficePrinter : IPrinter
{
    bool IsEngraver() const override { return false; }
    bool GetEngraverAdjustments(CEngraverAdjustments&) const override { return false; }
    bool SetEngraverAdjustments(const CEngraverAdjustments&) override { return false; }
};

// An object whose record cannot be written, as a full disk would leave it.
class CUnwritable : public CSymbolObj
{
public:
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            throw CFileException(QStringLiteral("disk full"));
        CSymbolObj::Serialize(ar);
    }
};

TestBytes PictureRecord(const std::string& name)
{
    return ObjectBytes::ClassRecord("CDibObj").raw(ObjectBytes::Common(name, flagsPicture, 1, 100, -200, 1000, 500))
        .raw(ObjectBytes::GreyImage(4, 2, 9));
}

} // namespace

TEST_F(FileFixture, AnEmptyDocumentIs82Bytes)
{
    CVeldraDoc doc;
    SetUpDocument(doc);
    doc.SetBaseColor(0x00C0FFEE);
    doc.Adjustments().Set({3, -4, 120});
    ASSERT_TRUE(CDocumentFile::Save(doc, Path("empty.vlz")).ok);
    const QByteArray expected = ObjectBytes::DocumentHeader(2, 9000, 6000, doc.GetBaseColor(), 3, -4, 120, 0).u16(0);
    EXPECT_EQ(expected.size(), 82);
    EXPECT_EQ(Read(Path("empty.vlz")), expected);
}

TEST_F(FileFixture, ObjectsFollowTheHeaderInListOrder)
{
    const QByteArray bytes = ObjectBytes::DocumentHeader(2, 9000, 9000, 0x102030, 0, 0, -500, 1).u16(2)
                                 .raw(PictureRecord("front"))
                                 .u16(0x8001).raw(ObjectBytes::Common("back", flagsPicture, 0, 0, 0, 10, 10))
                                 .raw(ObjectBytes::GreyImage(1, 1, 200));
    CVeldraDoc doc;
    const CDocumentFile::Result result = CDocumentFile::Open(doc, Write("two.vlz", bytes));
    ASSERT_TRUE(result.ok) << result.message.toStdString();
    EXPECT_EQ(Names(doc), (std::vector<QByteArray>{"front", "back"}));
    EXPECT_TRUE(doc.IsInverted());
    EXPECT_EQ(doc.GetBaseColor(), 0x102030u);
    EXPECT_EQ(doc.GetObjectAt(1)->m_bVisible, 0);

    // Saved again, byte for byte.
    ASSERT_TRUE(CDocumentFile::Save(doc, Path("again.vlz")).ok);
    EXPECT_EQ(Read(Path("again.vlz")), bytes);
}

TEST_F(FileFixture, OlderVersionsAndJunkAfterTheMagic)
{
    CVeldraDoc doc;
    ASSERT_TRUE(CDocumentFile::Open(doc, Write("v0.vlz", ObjectBytes::DocumentHeader(0, 5000, 5000, 0, 7, 8, 0, 0).u16(0))).ok);
    EXPECT_EQ(doc.Adjustments().Get(), (CEngraverAdjustments{7, 8, -500}));
    EXPECT_FALSE(doc.IsInverted());
    ASSERT_TRUE(CDocumentFile::Open(doc, Write("v1.vlz", ObjectBytes::DocumentHeader(1, 5000, 5000, 0, 1, 2, 300, 0).u16(0))).ok);
    EXPECT_EQ(doc.Adjustments().Get(), (CEngraverAdjustments{1, 2, 300}));

    QByteArray junk = ObjectBytes::DocumentHeader(2, 5000, 5000, 0, 0, 0, -500, 0).u16(0);
    junk[40] = 'x'; // after the terminating zero of the magic text
    EXPECT_TRUE(CDocumentFile::Open(doc, Write("junk.vlz", junk)).ok);
    junk[10] = 'x'; // inside it
    const CDocumentFile::Result bad = CDocumentFile::Open(doc, Write("bad.vlz", junk));
    EXPECT_FALSE(bad.ok);
    EXPECT_EQ(bad.message, QStringLiteral("Unexpected file format."));

    EXPECT_TRUE(CDocumentFile::Open(doc, Write("zero.vlz", QByteArray())).ok);
    EXPECT_EQ(doc.GetObjectCount(), 0);
    EXPECT_FALSE(CDocumentFile::Open(doc, Write("v3.vlz", ObjectBytes::DocumentHeader(3, 1, 1, 0, 0, 0, 0, 0).u16(0))).ok);
    const CDocumentFile::Result missing = CDocumentFile::Open(doc, Path("missing.vlz"));
    EXPECT_FALSE(missing.ok);
    EXPECT_FALSE(missing.formatError);
}

TEST_F(FileFixture, HostileObjectListsAreRefusedWholly)
{
    const TestBytes header = ObjectBytes::DocumentHeader(2, 5000, 5000, 0, 0, 0, -500, 0);
    const TestBytes common = ObjectBytes::Common("", flagsPicture, 1, 0, 0, 1, 1);
    const TestBytes image = ObjectBytes::GreyImage(1, 1, 1);
    const QByteArray cases[] = {
        TestBytes(header).u16(2).raw(PictureRecord("a")).u16(0),                              // a null entry
        TestBytes(header).u16(2).raw(PictureRecord("a")).u16(2),                              // the same object twice
        TestBytes(header).u16(1).u16(0xFFFF).u16(3).u16(8).text("CUnknown"),                 // unknown class
        TestBytes(header).u16(1).u16(0xFFFF).u16(3).u16(64).text(std::string(64, 'C')),      // name too long
        TestBytes(header).u16(1).u16(5),                                                      // index not assigned
        TestBytes(header).u16(2).raw(PictureRecord("a")).u16(0x8002),                         // class tag naming an object
        TestBytes(header).u16(1).u16(0xFFFF).u16(1).u16(7).text("CDibObj").raw(common).raw(image), // schema 1
        TestBytes(header).u16(1).u16(0xFFFF).u16(0).u16(7).text("CDibObj").raw(common).raw(image), // schema 0
        TestBytes(header).u16(0xFFFF).u32(0x7FFFFFFF).raw(PictureRecord("a")),                // a huge count
        TestBytes(header).u16(1).raw(ObjectBytes::ClassRecord("CDibObj")).raw(common)         // image size disagrees
            .i32(2).i32(40).u32(40).i32(1).i32(1).u16(1).u16(24).u32(0).u32(0).i32(0).i32(0).u32(0).u32(0)
            .i32(2).i32(1).i32(3).bytes({0xFF, 1}),
    };
    for (const QByteArray& bytes : cases) {
        CVeldraDoc doc;
        const CDocumentFile::Result result = CDocumentFile::Open(doc, Write("hostile.vlz", bytes));
        EXPECT_FALSE(result.ok);
        EXPECT_TRUE(result.formatError);
        EXPECT_EQ(result.message, QStringLiteral("Unexpected file format."));
        EXPECT_EQ(doc.GetObjectCount(), 0);
    }
    // Every truncation of a good file, too.
    const QByteArray good = TestBytes(header).u16(1).raw(PictureRecord("whole"));
    for (qsizetype n = 1; n < good.size(); ++n) {
        CVeldraDoc doc;
        EXPECT_FALSE(CDocumentFile::Open(doc, Write("cut.vlz", good.left(n))).ok) << n;
        EXPECT_EQ(doc.GetObjectCount(), 0);
    }
}

TEST_F(FileFixture, HugeObjectsFromTinyFilesDrawFromTheirStoredImage)
{
    // A 1 x 1 picture claiming 908 mm: its display image would need 1 GiB.
    const QByteArray bytes = ObjectBytes::DocumentHeader(2, 9000, 9000, 0, 0, 0, -500, 0).u16(1)
                                 .raw(ObjectBytes::ClassRecord("CDibObj"))
                                 .raw(ObjectBytes::Common("huge", flagsPicture, 1, 0, 0, 90800, 90800))
                                 .raw(ObjectBytes::GreyImage(1, 1, 9));
    CVeldraDoc doc;
    doc.SetMaterialSize({9000, 9000});
    doc.SetDevice(529, 9000, 9000);
    ASSERT_TRUE(CDocumentFile::Open(doc, Write("huge.vlz", bytes)).ok);
    auto* picture = dynamic_cast<CDibObj*>(doc.GetObjectAt(0));
    ASSERT_TRUE(picture);
    EXPECT_FALSE(picture->HasDisplay());
    EXPECT_EQ(picture->GetImage(false), &picture->StoredImage());
}

TEST_F(FileFixture, AFailedSaveLeavesTheOldFileAlone)
{
    const QByteArray old = ObjectBytes::DocumentHeader(2, 5000, 5000, 0, 0, 0, -500, 0).u16(1).raw(PictureRecord("old"));
    const QString path = Write("keep.vlz", old);
    CVeldraDoc doc;
    doc.InsertAt(std::make_unique<CUnwritable>(), -1);
    const CDocumentFile::Result result = CDocumentFile::Save(doc, path);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.message.startsWith(QStringLiteral("Failed to save document.")));
    EXPECT_EQ(Read(path), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);

    EXPECT_FALSE(CDocumentFile::Save(doc, Path("no/such/folder/x.vlz")).ok);
}

TEST_F(FileFixture, AdjustmentsGoToTheEngraverOrAreKept)
{
    const QByteArray bytes = ObjectBytes::DocumentHeader(2, 5000, 5000, 0, 12, -7, 250, 0).u16(0);
    const QString path = Write("adjust.vlz", bytes);

    // The engraver takes them on opening and gives them on saving.
    CVirtualEngraver engraver;
    CVeldraDoc withEngraver;
    withEngraver.Adjustments().SetPrinter(&engraver);
    ASSERT_TRUE(CDocumentFile::Open(withEngraver, path).ok);
    CEngraverAdjustments onDevice;
    engraver.GetEngraverAdjustments(onDevice);
    EXPECT_EQ(onDevice, (CEngraverAdjustments{12, -7, 250}));
    engraver.SetEngraverAdjustments({1, 1, 1});
    ASSERT_TRUE(CDocumentFile::Save(withEngraver, Path("engraver.vlz")).ok);
    EXPECT_EQ(Read(Path("engraver.vlz")), ObjectBytes::DocumentHeader(2, 5000, 5000, 0, 1, 1, 1, 0).u16(0).data());

    // Another printer, or none: the document's own values come back.
    OfficePrinter office;
    for (IPrinter* printer : {static_cast<IPrinter*>(&office), static_cast<IPrinter*>(nullptr)}) {
        CVeldraDoc doc;
        doc.Adjustments().SetPrinter(printer);
        ASSERT_TRUE(CDocumentFile::Open(doc, path).ok);
        ASSERT_TRUE(CDocumentFile::Save(doc, Path("kept.vlz")).ok);
        EXPECT_EQ(Read(Path("kept.vlz")), bytes);
    }
}

TEST_F(FileFixture, AFailedOpenLeavesTheOpenLayoutAsItWas)
{
    CVeldraDoc doc;
    SetUpDocument(doc);
    doc.InsertAt(Picture("kept"), 0);
    doc.SetBaseColor(0x123456);
    const CSize material = doc.GetMaterialSize();
    QByteArray cut = TestBytes(ObjectBytes::DocumentHeader(2, 4000, 3000, 0xFF, 0, 0, -500, 0)).u16(1)
                         .raw(PictureRecord("new"));
    cut.chop(3);
    for (const QString& path : {Write("cut.vlz", cut), Path("missing.vlz"), dir.path()}) {
        EXPECT_FALSE(CDocumentFile::Open(doc, path).ok) << path.toStdString();
        ASSERT_EQ(doc.GetObjectCount(), 1);
        EXPECT_EQ(doc.GetObjectAt(0)->m_strName, QByteArray("kept"));
        EXPECT_EQ(doc.GetMaterialSize(), material);
        EXPECT_EQ(doc.GetBaseColor(), COLORREF(0x123456));
    }
    // A good file replaces it all.
    const QByteArray good = TestBytes(ObjectBytes::DocumentHeader(2, 4000, 3000, 0xFF, 0, 0, -500, 0)).u16(1)
                                .raw(PictureRecord("new"));
    ASSERT_TRUE(CDocumentFile::Open(doc, Write("good.vlz", good)).ok);
    EXPECT_EQ(Names(doc), std::vector<QByteArray>{"new"});
    EXPECT_EQ(doc.GetMaterialSize(), (CSize{4000, 3000}));
}
