#pragma once

#include "DocumentTestSupport.h"

#include "document/CDocumentFile.h"
#include "document/CMaterialShapes.h"
#include "document/CVeldraDoc.h"
#include "objects/CArcTextObj.h"
#include "objects/CFreeTextObj.h"
#include "objects/CTextAttributes.h"
#include "objects/CTextObj.h"

#include <gtest/gtest.h>

template <class Object>
void AddText(CVeldraDoc& doc, const char* text, int x, int y)
{
    CTextAttributes defaults;
    defaults.text = text;
    auto object = std::make_unique<Object>(defaults);
    object->m_pDoc = &doc;
    object->SetPosition(x, y);
    doc.InsertAt(std::move(object), 0);
}

// A picture whose every pixel differs from its neighbours, so that a dot
// out of place shows.
inline std::unique_ptr<CDibObj> PatternPicture(const char* name, int x, int y, int cx, int cy)
{
    auto picture = std::make_unique<CDibObj>();
    CDibImage image;
    image.Create(37, 23, 24);
    for (int row = 0; row < image.Height(); ++row)
        for (int column = 0; column < image.Width(); ++column) {
            std::uint8_t* pixel = image.Row(row) + 3 * column;
            pixel[0] = std::uint8_t(column * 7);
            pixel[1] = std::uint8_t(row * 11);
            pixel[2] = std::uint8_t((row + column) * 5);
        }
    picture->SetImageFrom(&image, flagsPicture, true);
    picture->m_strName = name;
    picture->SetBounds(x, y, cx, cy);
    return picture;
}

// A layout as a user makes one: an ellipse material (layout units, 0.01 mm),
// two pictures, and a text of each kind, at the document's resolution.
inline void MakeSampleLayout(CVeldraDoc& sample, int width = 4000, int height = 3000)
{
    sample.SetMaterialSize({width, height});
    sample.SetDevice(CVeldraDoc::defaultResolution, width, height);
    EXPECT_TRUE(CMaterialShapes::MakeMaterialShape(sample, CMaterialShapes::ellipse));
    sample.InsertAt(PatternPicture("photo", -800, 500, 1500, 1000), -1);
    sample.InsertAt(Picture("logo", 900, -600, 800, 800), -1);
    AddText<CFreeTextObj>(sample, "Hello", 0, 900);
    AddText<CArcTextObj>(sample, "Around", 0, -300);
    AddText<CTextObj>(sample, "Block", -600, -900);
}

// The sample layout with its own engraver adjustments, saved at a path.
inline void SaveSampleLayout(const QString& path, const CEngraverAdjustments& adjustments)
{
    CVeldraDoc sample;
    MakeSampleLayout(sample);
    sample.Adjustments().Set(adjustments);
    EXPECT_TRUE(CDocumentFile::Save(sample, path).ok);
}
