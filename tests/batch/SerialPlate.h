#pragma once

#include "SampleLayout.h"

#include "document/CPictureCommands.h"
#include "document/CPlateRenderer.h"
#include "imaging/CDibImage.h"
#include "view/controls/CUnitFormat.h"
#include "view/dialogs/CFanTextRules.h"
#include "view/dialogs/CTextBlockRules.h"
#include "view/dialogs/CTextRules.h"

#include <QString>

#include <typeinfo>

// The three texts of a serial plate: a horizontal text, a fan text and a
// two-line text block.
struct PlateTexts
{
    QString line, fan, block;
};

inline const PlateTexts serialTemplate{"{Name}", "No. {serial:0001+5}", "{Dept}\r\nRecord {#}"};

template <class Rules>
void TypeLine(CFreeTextObj& object, const QString& text)
{
    Rules rules(object, CUnitFormat::millimetres);
    rules.Open();
    CTextPropRules::Fields fields = rules.Show();
    fields.text = text;
    EXPECT_FALSE(rules.Take(fields));
}

// The values typed into each text's own dialog, as a user makes one plate
// by hand, each band then taking its text's own length (as a record's
// value is laid out).
inline void TypeTexts(CVeldraDoc& doc, const PlateTexts& values)
{
    for (CSymbolObj* object : doc.GetObjects()) {
        if (auto* fan = dynamic_cast<CArcTextObj*>(object)) {
            TypeLine<CFanTextRules>(*fan, values.fan);
            fan->FitNatural();
        } else if (auto* line = dynamic_cast<CFreeTextObj*>(object)) {
            TypeLine<CTextRules>(*line, values.line);
            line->FitNatural();
        } else if (auto* block = dynamic_cast<CTextObj*>(object)) {
            CTextBlockRules rules(*block, CUnitFormat::millimetres);
            rules.Open();
            CTextBlockRules::Fields fields = rules.Show();
            fields.text = QString(values.block).replace("\r\n", "\n");
            EXPECT_EQ(rules.Accept(fields), CTextBlockRules::Outcome::accepted);
        }
        object->Refresh(&doc);
    }
}

// A serial plate as a user lays one out: a rectangular material, a picture
// and the three texts, each placed at its text's own size and typed into
// its dialog, then bound to the device as opening the file binds it.
inline void MakeSerialPlate(CVeldraDoc& doc, const PlateTexts& texts)
{
    doc.SetMaterialSize({6000, 3000});
    doc.SetDevice(CVeldraDoc::defaultResolution, 6000, 3000);
    doc.InsertAt(PatternPicture("logo", -2200, 600, 1000, 800), -1);
    AddText<CFreeTextObj>(doc, "New Text", 0, 900);
    AddText<CArcTextObj>(doc, "New Text", 0, -1200);
    AddText<CTextObj>(doc, "New Text", 1200, -100);
    for (CSymbolObj* object : doc.GetObjects()) {
        if (auto* fan = dynamic_cast<CArcTextObj*>(object)) {
            const CPictureCommands::FanPlacement placement = CPictureCommands::PlaceFanText(0, -1200);
            fan->m_layout.m_fAngle = placement.angle;
            fan->m_layout.m_fRadius = placement.radius;
            fan->m_layout.m_bInvert = placement.invert ? 1 : 0;
        }
        if (auto* block = dynamic_cast<CTextObj*>(object)) {
            block->Measure();
        } else if (auto* line = dynamic_cast<CFreeTextObj*>(object)) {
            const CSize natural = line->MeasureNatural();
            line->SetSize(natural.cx, natural.cy);
        }
    }
    TypeTexts(doc, texts);
    // Room for the longer names, as the user leaves it.
    for (CSymbolObj* object : doc.GetObjects())
        if (typeid(*object) == typeid(CFreeTextObj))
            object->SetSize(4000, object->GetSize().cy);
    doc.RefreshObjects();
}

inline CDibImage RenderOutput(CPlateRenderer& renderer, const CVeldraDoc& doc)
{
    CDibImage plate;
    plate.Create(doc.GetDeviceSize().cx, doc.GetDeviceSize().cy, 24);
    renderer.RenderPlate(plate, CPlateRenderer::output);
    return plate;
}

inline QByteArray Pixels(const CDibImage& image)
{
    QByteArray bytes;
    for (int y = 0; y < image.Height(); ++y)
        bytes.append(reinterpret_cast<const char*>(image.Row(y)), image.Width() * 3);
    return bytes;
}
