// A built-in outline follows the device: drawn again at the new resolution
// rather than stretched, without an undo step or a change to save.
#include "DocumentTestSupport.h"
#include "MaterialTestSupport.h"

#include "document/CMaterialShapes.h"
#include "library/material/CMaterialChange.h"
#include "settings/CAppSettings.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// An 80 x 40 mm ellipse at 254 dpi, made through Material Setup's change.
void MakeEllipse(CVeldraDoc& doc, CAppSettings& settings)
{
    doc.SetDevice(254, 9000, 9000);
    CMaterialChange::Apply(doc, settings, {{8000, 4000}, 2, {}}, nullptr);
    // As a new layout starts: nothing to undo, nothing to save.
    doc.ClearUndo();
    doc.SetModifiedFlag(false);
}

} // namespace

TEST(MaterialDevice, ABuiltInOutlineIsDrawnAgainAtTheNewResolution)
{
    CVeldraDoc doc;
    CAppSettings settings;
    MakeEllipse(doc, settings);
    CSymbolObj* before = doc.GetObjectAt(0);
    HintLog hints;
    doc.AddObserver(&hints);

    doc.SetDevice(508, 9000, 9000);
    auto* outline = dynamic_cast<CDibObj*>(doc.GetObjectAt(0));
    ASSERT_EQ(outline, before); // the same object: nothing holding it dangles
    const CDibImage& mask = outline->StoredImage();
    EXPECT_EQ(mask.BitCount(), 1);
    EXPECT_EQ(mask.Width(), 1600);
    EXPECT_EQ(mask.Height(), 800);
    EXPECT_TRUE(TouchedEdges(mask).All());
    EXPECT_EQ(outline->GetSize(), (CSize{8000, 4000}));
    EXPECT_EQ(outline->GetPosition(), (CPoint{0, 0}));
    EXPECT_EQ(outline->m_dwFlags, flagsMaterial);
    ASSERT_TRUE(outline->DisplayImage());
    EXPECT_EQ(outline->DisplayImage()->Width(), 1600);
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(doc.HasMaterial());

    // The same device again leaves the picture alone.
    const std::uint64_t stamp = outline->DisplayStamp();
    ASSERT_TRUE(outline->DisplayImage());
    EXPECT_FALSE(CMaterialShapes::RedrawMaterialShape(doc));
    EXPECT_EQ(outline->DisplayStamp(), stamp);
}

TEST(MaterialDevice, HiddenOutlinesStayHiddenAndLibraryMaterialsAreKept)
{
    CVeldraDoc doc;
    CAppSettings settings;
    MakeEllipse(doc, settings);
    doc.GetObjectAt(0)->m_bVisible = 0;
    doc.SetDevice(127, 9000, 9000);
    auto* outline = dynamic_cast<CDibObj*>(doc.GetObjectAt(0));
    ASSERT_TRUE(outline);
    EXPECT_EQ(outline->StoredImage().Width(), 400);
    EXPECT_EQ(outline->m_bVisible, 0);

    // A library material's picture is the user's: never redrawn.
    QTemporaryDir folder;
    const QString path = folder.filePath("Plate.vls");
    ASSERT_TRUE(WriteMaterialFile(path));
    auto library = std::make_unique<CDibObj>();
    ASSERT_TRUE(library->ReadSymbolFile(path));
    CMaterialChange::Apply(doc, settings, {{9000, 9000}, -1, path}, std::move(library));
    doc.SetDevice(508, 9000, 9000);
    ASSERT_TRUE(doc.HasMaterial());
    EXPECT_EQ(dynamic_cast<CDibObj*>(doc.GetObjectAt(0))->StoredImage().Width(), 90);
}
