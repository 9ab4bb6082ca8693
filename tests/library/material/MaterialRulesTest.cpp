// Material Setup without widgets: where the preview draws, what the dialog
// accepts, and what a setup starts from.
#include "MaterialTestSupport.h"

#include "settings/CAppSettings.h"
#include "document/CVeldraDoc.h"
#include "library/material/CLibraryMaterial.h"
#include "library/material/CMaterialChange.h"
#include "library/material/CMaterialPreviewRules.h"
#include "library/material/CMaterialSetupRules.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

constexpr int mm = CUnitFormat::millimetres;
constexpr CSize maximum{9000, 9000};

} // namespace

TEST(MaterialPreviewRules, TheSquareAndTheFittedShape)
{
    // Wide frame: 4 pixels above and below, the rest split left and right.
    EXPECT_EQ(CMaterialPreviewRules::Square({10, 20, 200, 100}), QRect(10 + 54, 24, 92, 92));
    EXPECT_EQ(CMaterialPreviewRules::Square({0, 0, 100, 151}), QRect(4, 29, 92, 92));
    // An odd difference rounds the inset down.
    EXPECT_EQ(CMaterialPreviewRules::Square({0, 0, 101, 100}), QRect(4, 4, 92, 92));

    const QRect square(0, 0, 100, 100);
    // 80 x 40: half as high, a quarter of the side off above and below.
    EXPECT_EQ(CMaterialPreviewRules::FitShape(square, {8000, 4000}), QRect(0, 25, 100, 50));
    EXPECT_EQ(CMaterialPreviewRules::FitShape(square, {3000, 9000}), QRect(33, 0, 34, 100));
    EXPECT_EQ(CMaterialPreviewRules::FitShape(square, {5000, 5000}), square);
}

TEST(MaterialPreviewRules, ALargerLibraryMaterialShowsItsCentredPart)
{
    // 90 mm drawn in 900 pixels on a 45 x 30 mm plate: 450 and 600 pixels
    // are cut, half on each side.
    EXPECT_EQ(CMaterialPreviewRules::LibraryPart({900, 900}, {9000, 9000}, {4500, 3000}), (CRect{225, 300, 675, 600}));
    // An odd cut (11 pixels) takes 5 from each side.
    EXPECT_EQ(CMaterialPreviewRules::LibraryPart({101, 50}, {1000, 500}, {890, 500}), (CRect{5, 0, 96, 50}));
    // A plate as large or larger shows the whole picture.
    EXPECT_EQ(CMaterialPreviewRules::LibraryPart({90, 60}, {9000, 6000}, {9000, 9000}), (CRect{0, 0, 90, 60}));
}

TEST(MaterialSetupRules, SizesOutsideOneToNinetyMillimetresAreRefused)
{
    CMaterialSetupRules rules(mm, {{5000, 4000}, 1, {}}, maximum);
    EXPECT_EQ(rules.WidthText(), "50.00");
    EXPECT_EQ(rules.Accept("0.5", "40")->message, "Please enter a number between 1 and 90.");
    EXPECT_EQ(rules.Accept("0.5", "40")->field, CMaterialSetupRules::widthField);
    EXPECT_EQ(rules.Accept("50", "91")->field, CMaterialSetupRules::heightField);
    EXPECT_EQ(rules.Accept("50", "91")->message, "Please enter a number between 1 and 90.");
    EXPECT_EQ(rules.Accept("abc", "40")->message, "Please enter a number, such as 12.5.");
    EXPECT_EQ(rules.Size(), (CSize{5000, 4000})); // nothing kept from a refused pair
    EXPECT_FALSE(rules.Accept("1", "90"));
    EXPECT_EQ(rules.Size(), (CSize{100, 9000}));

    // Inches: the limits in thousandths of an inch, and a length shown and
    // handed back unchanged keeps its 0.01 mm.
    CMaterialSetupRules inches(CUnitFormat::inches, {{5001, 9000}, 0, {}}, maximum);
    EXPECT_EQ(inches.Accept("0.038", "1")->message, "Please enter a number between 0.039 and 3.543.");
    EXPECT_EQ(inches.Accept("1", "3.544")->message, "Please enter a number between 0.039 and 3.543.");
    EXPECT_FALSE(inches.Accept(inches.WidthText(), inches.HeightText()));
    EXPECT_EQ(inches.Size(), (CSize{5001, 9000}));
}

TEST(MaterialSetupRules, LibraryMaterialsAndTheFallBackToTheRectangle)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("Oval.vls");
    // A file saved as a symbol is taken as a material all the same.
    ASSERT_TRUE(WriteMaterialFile(path, 9000, 90, flagsSymbol | 0x10000));

    CMaterialSetupRules rules(mm, {{9000, 9000}, MaterialChoice::libraryShape, path}, maximum);
    ASSERT_EQ(rules.Shape(), MaterialChoice::libraryShape);
    ASSERT_TRUE(rules.LibraryObject());
    EXPECT_EQ(rules.LibraryObject()->m_dwFlags, 0x10000u | flagsMaterial | SOF_KEEPASPECT);
    EXPECT_EQ(rules.LibraryObject()->m_strName, "Oval");

    // Cancelling the library window keeps a material whose file is there...
    rules.LibraryChoiceCancelled();
    EXPECT_EQ(rules.Shape(), MaterialChoice::libraryShape);
    // ...and drops one whose file has gone.
    ASSERT_TRUE(QFile::remove(path));
    rules.LibraryChoiceCancelled();
    EXPECT_EQ(rules.Shape(), 0);
    EXPECT_FALSE(rules.LibraryObject());

    // A missing or unreadable file leaves the rectangle, at opening and
    // when chosen.
    EXPECT_EQ(CMaterialSetupRules(mm, {{9000, 9000}, -1, path}, maximum).Shape(), 0);
    EXPECT_EQ(CMaterialSetupRules(mm, {{9000, 9000}, -1, {}}, maximum).Shape(), 0);
    QFile junk(folder.filePath("Junk.vls"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly) && junk.write("not a symbol file") > 0);
    junk.close();
    rules.TakeLibraryChoice(junk.fileName());
    EXPECT_EQ(rules.Shape(), 0);
    // A folder where the file should be is no material either.
    EXPECT_FALSE(CLibraryMaterial::Read(folder.path()));

    // A shape index that no version wrote stands for the rectangle.
    EXPECT_EQ(CMaterialSetupRules(mm, {{9000, 9000}, 7, {}}, maximum).Shape(), 0);
}

TEST(MaterialChange, WhereASetupStarts)
{
    CVeldraDoc doc;
    doc.SetMaterialSize({4000, 3000});
    doc.SetDevice(254, 6000, 5000);
    doc.SetShapeIndex(2);
    CAppSettings settings;

    // A new layout: the last size, the printable area while there is none,
    // and the maximum in both directions when one side is past it.
    settings.materialSize = {7000, 6500};
    settings.materialShapeIndex = -1;
    settings.materialShapeFileName = "/lib/Oval.vls";
    EXPECT_EQ(CMaterialChange::Start(doc, settings, true), (MaterialChoice{{7000, 6500}, -1, "/lib/Oval.vls"}));
    settings.materialSize = {0, 6500};
    settings.materialShapeIndex = 1;
    EXPECT_EQ(CMaterialChange::Start(doc, settings, true), (MaterialChoice{{6000, 5000}, 1, {}}));
    settings.materialSize = {9500, 5000};
    EXPECT_EQ(CMaterialChange::Start(doc, settings, true).size, (CSize{9000, 9000}));
    settings.materialSize = {5000, 9001};
    EXPECT_EQ(CMaterialChange::Start(doc, settings, true).size, (CSize{9000, 9000}));

    // The command: what the document has.
    EXPECT_EQ(CMaterialChange::Start(doc, settings, false), (MaterialChoice{{4000, 3000}, 2, {}}));
}
