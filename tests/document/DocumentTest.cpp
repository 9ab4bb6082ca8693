#include "DocumentTestSupport.h"

#include "document/UpdateHint.h"

#include <gtest/gtest.h>

TEST(Document, ConvertsBetweenLayoutUnitsAndPlatePixels)
{
    CVeldraDoc doc;
    SetUpDocument(doc);
    EXPECT_EQ(doc.GetDeviceSize(), (CSize{900, 600}));
    EXPECT_EQ(doc.DocToDevice({0, 0}), (CPoint{450, 300}));
    EXPECT_EQ(doc.DocToDevice({-4500, 3000}), (CPoint{0, 0}));
    EXPECT_EQ(doc.DeviceToDoc({900, 600}), (CPoint{4500, -3000}));
    const CRect r = doc.DocRectToDevice({-100, 100, 100, -100});
    EXPECT_EQ(r, (CRect{440, 290, 460, 310}));

    CVeldraDoc odd;
    odd.SetMaterialSize({9001, 8999});
    odd.SetDevice(529, 9000, 9000);
    for (CPoint p : {CPoint{123, -456}, CPoint{-4500, 4499}, CPoint{1, 1}}) {
        const CPoint back = odd.DeviceToDoc(odd.DocToDevice(p));
        EXPECT_LE(std::abs(back.x - p.x), 2540 / 529 + 1);
        EXPECT_LE(std::abs(back.y - p.y), 2540 / 529 + 1);
    }
}

TEST(Document, SetDeviceDefaultsClampsAndSetsMargins)
{
    CVeldraDoc doc;
    doc.SetDevice(0, 0, 0);
    EXPECT_EQ(doc.GetResolution(), 529);
    EXPECT_EQ(doc.GetPrintableSize(), (CSize{5000, 5000}));
    EXPECT_EQ(doc.GetMaterialSize(), (CSize{5000, 5000})); // material 0: the printable area
    EXPECT_EQ(doc.GetMargins(), (CSize{100, 100}));

    // 200 mm at 529 dpi is over 1800 pixels: clamped, then converted back.
    CVeldraDoc big;
    CDocumentSettings settings;
    settings.materialSize = {9000, 9000};
    big.SetSettings(settings);
    big.SetDevice(529, 20000, 8000);
    EXPECT_EQ(big.GetPrintableSize(), (CSize{8643, 7999}));
    EXPECT_EQ(big.GetMaterialSize(), (CSize{9000, 9000}));
    EXPECT_EQ(big.GetMargins(), (CSize{178, 500}));
    EXPECT_EQ(big.GetDeviceSize(), (CSize{1874, 1874}));
}

TEST(Document, IsBoundToTellsWhetherBindingAgainChangesAnything)
{
    CVeldraDoc doc;
    EXPECT_FALSE(doc.IsBoundTo(529, 9000, 9000)); // no material yet
    doc.SetDevice(529, 9000, 9000);
    EXPECT_TRUE(doc.IsBoundTo(529, 9000, 9000));
    // Beyond 1800 pixels the page is limited as binding would limit it.
    EXPECT_TRUE(doc.IsBoundTo(529, 9500, 9100));
    EXPECT_FALSE(doc.IsBoundTo(600, 9000, 9000));
    EXPECT_FALSE(doc.IsBoundTo(529, 8000, 9000));
    doc.SetMaterialSize({4000, 3000});
    EXPECT_FALSE(doc.IsBoundTo(529, 9000, 9000)); // the plate's pixels are stale
}

TEST(Document, InsertKeepsTheMaterialAtTheHead)
{
    CVeldraDoc doc;
    SetUpDocument(doc);
    ASSERT_TRUE(doc.InsertAt(Picture("a"), 0));
    ASSERT_TRUE(doc.InsertAt(Picture("material", 0, 0, 9000, 6000, flagsMaterial), 0));
    EXPECT_TRUE(doc.HasMaterial());
    ASSERT_TRUE(doc.InsertAt(Picture("b"), 0));
    ASSERT_TRUE(doc.InsertAt(Picture("c"), -1));
    ASSERT_TRUE(doc.InsertAt(Picture("d"), 99));
    EXPECT_EQ(Names(doc), (std::vector<QByteArray>{"material", "b", "a", "c", "d"}));
    EXPECT_FALSE(doc.InsertAt(nullptr, 0));

    ASSERT_TRUE(doc.Delete(doc.GetObjectAt(0)));
    EXPECT_FALSE(doc.HasMaterial());
    CDibObj stranger;
    EXPECT_FALSE(doc.Delete(&stranger));
}

TEST(Document, MoveObjectInsertsBeforeTheTarget)
{
    CVeldraDoc doc;
    for (const char* name : {"0", "1", "2", "3", "4"})
        doc.InsertAt(Picture(name), -1);
    HintLog log;
    doc.AddObserver(&log);
    ASSERT_TRUE(doc.MoveObject(1, 4));
    EXPECT_EQ(Names(doc), (std::vector<QByteArray>{"0", "2", "3", "1", "4"}));
    ASSERT_TRUE(doc.MoveObject(3, 1));
    EXPECT_EQ(Names(doc), (std::vector<QByteArray>{"0", "1", "2", "3", "4"}));
    ASSERT_TRUE(doc.MoveObject(0, 9)); // to the tail
    EXPECT_EQ(Names(doc).back(), QByteArray("0"));
    EXPECT_FALSE(doc.MoveObject(7, 0));
    ASSERT_EQ(log.entries.size(), 3u);
    EXPECT_EQ(log.entries[0].hint, int(hintOrderChanged));
}

TEST(Document, SelectionSkipsLockedObjects)
{
    CVeldraDoc doc;
    doc.InsertAt(Picture("a"), -1);
    doc.InsertAt(Picture("locked", 0, 0, 10, 10, flagsPicture | SOF_LOCKED), -1);
    doc.InsertAt(Picture("c"), -1);
    HintLog log;
    doc.AddObserver(&log);
    doc.SelectNext(doc.GetObjectAt(0), false);
    doc.SelectNext(doc.GetObjectAt(2), false); // wraps to the head
    doc.SelectNext(doc.GetObjectAt(0), true);  // backwards wraps to the tail
    doc.Select(doc.GetObjectAt(1));
    ASSERT_EQ(log.entries.size(), 4u);
    EXPECT_EQ(log.entries[0].object, doc.GetObjectAt(2));
    EXPECT_EQ(log.entries[1].object, doc.GetObjectAt(0));
    EXPECT_EQ(log.entries[2].object, doc.GetObjectAt(2));
    EXPECT_EQ(log.entries[3].object, nullptr);

    CVeldraDoc allLocked;
    allLocked.InsertAt(Picture("x", 0, 0, 10, 10, flagsPicture | SOF_LOCKED), -1);
    allLocked.InsertAt(Picture("y", 0, 0, 10, 10, flagsPicture | SOF_LOCKED), -1);
    HintLog lockedLog;
    allLocked.AddObserver(&lockedLog);
    allLocked.SelectNext(allLocked.GetObjectAt(1), false);
    allLocked.SelectNext(nullptr, false);
    allLocked.SelectNext(nullptr, true);
    ASSERT_EQ(lockedLog.entries.size(), 3u);
    EXPECT_EQ(lockedLog.entries[0].object, allLocked.GetObjectAt(1)); // the start object
    EXPECT_EQ(lockedLog.entries[1].object, allLocked.GetObjectAt(0)); // the head
    EXPECT_EQ(lockedLog.entries[2].object, allLocked.GetObjectAt(1)); // the tail
}

TEST(Document, ObjectAtPrefersTheSelectionsHandles)
{
    CVeldraDoc doc;
    SetUpDocument(doc);
    doc.InsertAt(Picture("front", 0, 0, 1000, 1000), -1);
    doc.InsertAt(Picture("back", 500, 500, 1000, 1000), -1);
    CSymbolObj* front = doc.GetObjectAt(0);
    CSymbolObj* back = doc.GetObjectAt(1);
    const CSize tol{20, 20};
    EXPECT_EQ(doc.ObjectAt({400, 400}, tol, nullptr), front);
    // The selected back object's bottom-left handle lies inside the front one.
    EXPECT_EQ(doc.ObjectAt({0, 0}, tol, back), back);
    EXPECT_EQ(doc.ObjectAt({0, 0}, tol, nullptr), front);
    EXPECT_EQ(doc.ObjectAt({900, 900}, tol, nullptr), back);
    EXPECT_EQ(doc.ObjectAt({5000, 5000}, tol, nullptr), nullptr);
}

TEST(Document, MoveCenterRecordsAndNewDocumentTakesTheSettings)
{
    CVeldraDoc doc;
    SetUpDocument(doc);
    doc.InsertAt(Picture("p", 300, -200), -1);
    doc.MoveCenter(doc.GetObjectAt(0), true);
    EXPECT_EQ(doc.GetObjectAt(0)->GetPosition(), (CPoint{0, 0}));
    EXPECT_TRUE(doc.CanUndo());
    EXPECT_TRUE(doc.IsModified());
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(doc.GetObjectAt(0)->GetPosition(), (CPoint{300, -200}));

    CDocumentSettings settings;
    settings.baseColor = 0x123456;
    settings.marginTopLeft = {250, 300};
    doc.SetSettings(settings);
    doc.OnNewDocument();
    EXPECT_EQ(doc.GetObjectCount(), 0);
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_EQ(doc.GetBaseColor(), 0x123456u);
    EXPECT_EQ(doc.GetMargins(), (CSize{250, 300}));
}
