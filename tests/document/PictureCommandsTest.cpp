#include "DocumentTestSupport.h"

#include "document/CPenCommands.h"
#include "document/CPictureCommands.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A 90 x 60 mm plate at 254 dpi with 5 mm margins: printable 80 x 50 mm.
struct CommandFixture : ::testing::Test
{
    CVeldraDoc doc;
    QTemporaryDir temp;
    int tempCount = 0;

    void SetUp() override
    {
        CDocumentSettings settings;
        settings.marginTopLeft = {500, 500};
        settings.penWidth = 100; // 1 mm = 10 pixels here
        settings.penColor = RGB(255, 255, 255);
        doc.SetSettings(settings);
        doc.SetMaterialSize({9000, 6000});
        doc.SetDevice(254, 9000, 6000);
        doc.SetTempFileSource([this] { return temp.filePath(QStringLiteral("$VD%1").arg(++tempCount)); });
    }

    CDibImage Photo(int w, int h)
    {
        CDibImage image;
        image.Create(w, h, 24, RGB(120, 130, 140));
        return image;
    }
};

} // namespace

TEST_F(CommandFixture, PicturesFitThePrintableArea)
{
    CDibImage narrow = Photo(100, 200);
    CDibObj* tall = CPictureCommands::AddPicture(doc, narrow, QStringLiteral("narrow.jpg"));
    ASSERT_TRUE(tall);
    EXPECT_EQ(tall->GetSize(), (CSize{2500, 5000}));
    EXPECT_EQ(tall->GetPosition(), (CPoint{0, 0}));
    EXPECT_EQ(tall->m_strName, QByteArray("narrow.jpg"));

    CDibImage wide = Photo(400, 100);
    EXPECT_EQ(CPictureCommands::AddPicture(doc, wide, QStringLiteral("w"))->GetSize(), (CSize{8000, 2000}));
    CDibImage exact = Photo(800, 500);
    EXPECT_EQ(CPictureCommands::AddPicture(doc, exact, QStringLiteral("e"))->GetSize(), (CSize{8000, 5000}));
}

TEST_F(CommandFixture, WorkingCopiesAreNeverEnlargedAndFullPicturesGoToTemporaryFiles)
{
    CDibImage small = Photo(100, 100);
    CDibObj* picture = CPictureCommands::AddPicture(doc, small, QStringLiteral("s"));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->StoredImage().Width(), 100); // 50 mm at 254 dpi would be 500 dots
    ASSERT_TRUE(picture->DisplayImage());
    EXPECT_EQ(picture->DisplayImage()->Width(), 500);
    ASSERT_FALSE(picture->GetSourcePath().isEmpty());
    CDibImage full;
    ASSERT_TRUE(full.LoadBitmapFile(picture->GetSourcePath()));
    EXPECT_EQ(full.Width(), 100);

    CDibImage big = Photo(2000, 1250);
    CDibObj* reduced = CPictureCommands::AddPicture(doc, big, QStringLiteral("b"));
    EXPECT_EQ(reduced->StoredImage().Width(), 800);
    EXPECT_EQ(reduced->StoredImage().GetPixel(400, 300), RGB(120, 130, 140));
}

TEST_F(CommandFixture, NewPicturesGoBeforeTheFirstPictureWithOneUndoStep)
{
    doc.InsertAt(Picture("symbol", 0, 0, 100, 100, flagsSymbol), -1);
    doc.InsertAt(Picture("old picture"), -1);
    CDibImage image = Photo(10, 10);
    CPictureCommands::AddPicture(doc, image, QStringLiteral("new"));
    EXPECT_EQ(Names(doc), (std::vector<QByteArray>{"symbol", "new", "old picture"}));
    EXPECT_EQ(doc.UndoHistory().UndoCount(), 1);
    EXPECT_TRUE(doc.IsModified());
    doc.Undo();
    EXPECT_EQ(doc.GetObjectCount(), 2);
}

TEST_F(CommandFixture, RotationMapsPixelsAndSwapsTheSize)
{
    CDibImage image;
    image.Create(300, 200, 24, RGB(1, 1, 1));
    image.SetPixel(0, 199, RGB(255, 0, 0));   // bottom-left
    image.SetPixel(299, 0, RGB(0, 255, 0));   // top-right
    auto object = std::make_unique<CDibObj>();
    object->SetImageFrom(&image, flagsPicture, true);
    object->SetBounds(0, 0, 3000, 2000);
    CDibObj* picture = object.get();
    doc.InsertAt(std::move(object), -1);

    EXPECT_FALSE(CPictureCommands::RotatePicture(doc, *picture, 0));
    EXPECT_FALSE(doc.CanUndo());
    ASSERT_TRUE(CPictureCommands::RotatePicture(doc, *picture, 1));
    const CDibImage& turned = picture->StoredImage();
    EXPECT_EQ(turned.Width(), 200);
    EXPECT_EQ(turned.Height(), 300);
    EXPECT_EQ(turned.GetPixel(0, 0), RGB(255, 0, 0));     // the source's bottom-left
    EXPECT_EQ(turned.GetPixel(199, 299), RGB(0, 255, 0)); // its top-right
    EXPECT_EQ(picture->GetSize(), (CSize{2000, 3000}));
    EXPECT_EQ(doc.UndoHistory().UndoCount(), 1);

    ASSERT_TRUE(CPictureCommands::RotatePicture(doc, *picture, 3)); // back
    EXPECT_EQ(picture->StoredImage().GetPixel(0, 199), RGB(255, 0, 0));
    ASSERT_TRUE(CPictureCommands::RotatePicture(doc, *picture, 2));
    EXPECT_EQ(picture->StoredImage().GetPixel(299, 0), RGB(255, 0, 0));
    EXPECT_EQ(picture->GetSize(), (CSize{3000, 2000}));
}

TEST_F(CommandFixture, CropReplacesThePictureOnlyWhenConfirmed)
{
    doc.InsertAt(Picture("p"), -1);
    auto* picture = static_cast<CDibObj*>(doc.GetObjectAt(0));
    const CDibImage* stored = &picture->StoredImage();
    // Cancelling, after marking the copy, leaves picture and history alone.
    EXPECT_FALSE(CPictureCommands::Crop(doc, *picture, [](CDibImage& copy) {
        copy.SetPixel(1, 1, transparentKey);
        return false;
    }));
    EXPECT_EQ(picture->StoredImage().GetPixel(1, 1), RGB(50, 60, 70));
    EXPECT_FALSE(doc.CanUndo());

    ASSERT_TRUE(CPictureCommands::Crop(doc, *picture, [stored](CDibImage& copy) {
        EXPECT_NE(&copy, stored); // the dialog works on a copy
        copy.SetPixel(1, 1, transparentKey);
        return true;
    }));
    EXPECT_EQ(picture->StoredImage().GetPixel(1, 1), transparentKey);
    EXPECT_EQ(doc.UndoHistory().UndoCount(), 1);
    EXPECT_TRUE(doc.IsModified());
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(static_cast<CDibObj*>(doc.GetObjectAt(0))->StoredImage().GetPixel(1, 1), RGB(50, 60, 70));
}

TEST_F(CommandFixture, CropRefusesTheMaterialOutline)
{
    doc.InsertAt(Picture("outline", 0, 0, 1000, 1000, flagsMaterial), -1);
    bool asked = false;
    EXPECT_FALSE(CPictureCommands::Crop(doc, *doc.GetObjectAt(0), [&asked](CDibImage&) { return asked = true; }));
    EXPECT_FALSE(asked);
    EXPECT_FALSE(doc.CanUndo());
}

TEST_F(CommandFixture, APenStrokeMakesTheLayerOnceThenChangesIt)
{
    EXPECT_FALSE(CPenCommands::GetPenLayer(doc, false));
    EXPECT_EQ(CPenCommands::PenWidthPixels(doc), 10);
    ASSERT_TRUE(CPenCommands::BeginStroke(doc, {100, 100}, false));
    CPenCommands::ContinueStroke(doc, {200, 100});
    ASSERT_TRUE(CPenCommands::EndStroke(doc, {300, 100}));
    CDibObj* layer = CPenCommands::GetPenLayer(doc, false);
    ASSERT_TRUE(layer);
    EXPECT_EQ(layer->m_dwFlags, flagsPenLayer);
    EXPECT_EQ(layer->StoredImage().GetPixel(200, 100), RGB(255, 255, 255));
    EXPECT_EQ(layer->StoredImage().GetPixel(200, 200), transparentKey);
    ASSERT_EQ(doc.UndoHistory().UndoCount(), 1);
    EXPECT_EQ(doc.UndoHistory().NewestUndo().left(4), QByteArray::fromHex("00000000"));

    ASSERT_TRUE(CPenCommands::BeginStroke(doc, {100, 300}, true)); // erasing
    ASSERT_TRUE(CPenCommands::EndStroke(doc, {100, 300}));
    EXPECT_EQ(doc.UndoHistory().UndoCount(), 2);
    EXPECT_EQ(doc.UndoHistory().NewestUndo().left(4), QByteArray::fromHex("02000000"));
    EXPECT_FALSE(doc.PenTool());
    EXPECT_FALSE(CPenCommands::EndStroke(doc, {0, 0}));
}

TEST_F(CommandFixture, FillPaintsTheLayer)
{
    ASSERT_TRUE(CPenCommands::FillAt(doc, {5, 5}, false));
    CDibObj* layer = CPenCommands::GetPenLayer(doc, false);
    ASSERT_TRUE(layer);
    EXPECT_EQ(layer->StoredImage().GetPixel(899, 599), RGB(255, 255, 255));
    ASSERT_TRUE(CPenCommands::FillAt(doc, {5, 5}, true)); // right button erases
    EXPECT_EQ(layer->StoredImage().GetPixel(0, 0), transparentKey);
    EXPECT_EQ(doc.UndoHistory().UndoCount(), 2);
}

TEST_F(CommandFixture, AFillThatPaintsNothingLeavesTheListAndHistoryAsTheyWere)
{
    // Off the plate, or on a surface that already has the fill's colour,
    // with no layer yet and then with one.
    const int objects = doc.GetObjectCount();
    EXPECT_FALSE(CPenCommands::FillAt(doc, {-50, -50}, false));
    EXPECT_FALSE(CPenCommands::FillAt(doc, {5, 5}, true)); // erasing a new, empty layer
    EXPECT_EQ(doc.GetObjectCount(), objects);
    EXPECT_FALSE(doc.CanUndo());
    ASSERT_TRUE(CPenCommands::FillAt(doc, {5, 5}, false));
    doc.SetModifiedFlag(false);
    EXPECT_FALSE(CPenCommands::FillAt(doc, {-50, -50}, false));
    EXPECT_FALSE(CPenCommands::FillAt(doc, {5, 5}, false));
    EXPECT_EQ(doc.GetObjectCount(), objects + 1);
    EXPECT_EQ(doc.UndoHistory().UndoCount(), 1);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(CommandFixture, FanTextFacesAwayFromTheCentre)
{
    using CPictureCommands::PlaceFanText;
    EXPECT_EQ(PlaceFanText(10, 300).angle, 360.0f);
    EXPECT_TRUE(PlaceFanText(10, 300).invert);
    EXPECT_EQ(PlaceFanText(10, -300).angle, 180.0f);
    EXPECT_FALSE(PlaceFanText(10, -300).invert);
    EXPECT_EQ(PlaceFanText(-300, 10).angle, 270.0f);
    EXPECT_EQ(PlaceFanText(300, -10).angle, 90.0f);
    EXPECT_FLOAT_EQ(PlaceFanText(300, 400).radius, 50.0f);
}

TEST_F(CommandFixture, MergingFlattensIntoOnePictureAndDeletesTheObjects)
{
    doc.InsertAt(Picture("a", -1000, 0, 1000, 1000), -1);
    doc.InsertAt(Picture("b", 1000, 0, 1000, 1000), -1);
    const std::vector<CSymbolObj*> both = doc.GetObjects();
    CDibObj* merged = CPictureCommands::MergeObjects(doc, both, false);
    ASSERT_TRUE(merged);
    EXPECT_EQ(doc.GetObjectCount(), 1);
    const CDibImage& image = merged->StoredImage();
    EXPECT_EQ(image.Width(), 900);
    EXPECT_EQ(image.GetPixel(350, 300), RGB(50, 60, 70));
    EXPECT_EQ(image.GetPixel(450, 300), transparentKey);
    EXPECT_EQ(merged->GetSize(), (CSize{9000, 6000}));
    EXPECT_EQ(doc.UndoHistory().UndoCount(), 3); // added, then two removals
}

TEST_F(CommandFixture, PastedPicturesGetTheirOwnFullResolutionFile)
{
    const QString original = temp.filePath(QStringLiteral("original.bmp"));
    CDibImage image = Photo(4, 4);
    ASSERT_TRUE(image.SaveBitmapFile(original));
    for (int i = 0; i < 2; ++i) {
        auto pasted = Picture("pasted");
        pasted->SetSourcePath(original);
        ASSERT_TRUE(CPictureCommands::AddPasted(doc, std::move(pasted)));
    }
    const QString first = static_cast<CDibObj*>(doc.GetObjectAt(0))->GetSourcePath();
    const QString second = static_cast<CDibObj*>(doc.GetObjectAt(1))->GetSourcePath();
    EXPECT_NE(first, second);
    EXPECT_NE(first, original);
    EXPECT_TRUE(QFile::exists(first));
    EXPECT_TRUE(QFile::exists(second));
}
