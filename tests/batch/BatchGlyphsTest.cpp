// A batch's field texts paste glyphs drawn for earlier records; every plate
// must still be the one drawing the texts afresh gives, byte for byte.
#include "SerialPlate.h"

#include "batch/CDataSource.h"
#include "batch/CRecordLayout.h"
#include "objects/CGlyphMasks.h"

#include <gtest/gtest.h>

namespace {

const QDate today(2026, 3, 7);

template <class Object>
Object& Placed(CVeldraDoc& doc, const char* text, int x, int y)
{
    AddText<Object>(doc, text, x, y);
    return *static_cast<Object*>(doc.GetObjectAt(0));
}

// Texts turned, inverted, with turned glyphs, along arcs, in a double-byte
// code page, underlined, and a block of several lines.
void MakeAwkwardPlate(CVeldraDoc& doc)
{
    doc.SetMaterialSize({8000, 6000});
    doc.SetDevice(CVeldraDoc::defaultResolution, 8000, 6000);
    doc.InsertAt(PatternPicture("logo", -2800, 1800, 1500, 1200), -1);
    Placed<CFreeTextObj>(doc, "{Name}", 0, 2200).m_layout.m_fAngle = 210;
    Placed<CFreeTextObj>(doc, "{Name}", 1000, 2200).m_layout.m_fAngle = 180.5f;
    auto& upright = Placed<CFreeTextObj>(doc, "{Name}", -3200, 0);
    upright.m_layout.m_fAngle = 90;
    upright.m_layout.m_bRotateGlyphs = 1;
    auto& upsideDown = Placed<CFreeTextObj>(doc, "{Name}", 0, 1200);
    upsideDown.m_layout.m_bInvert = 1;
    upsideDown.m_layout.m_lf.lfUnderline = 1;
    auto& japanese = Placed<CFreeTextObj>(doc, "{Town}", 0, 400);
    japanese.m_layout.m_lf.lfCharSet = 128;
    for (const auto& [y, text] : {std::pair{-1800, "No. {serial:0001}"}, std::pair{2700, "{Name}"}}) {
        auto& fan = Placed<CArcTextObj>(doc, text, 0, 0);
        const CPictureCommands::FanPlacement placement = CPictureCommands::PlaceFanText(0, y);
        fan.m_layout.m_fAngle = placement.angle;
        fan.m_layout.m_fRadius = placement.radius;
        fan.m_layout.m_bInvert = placement.invert ? 1 : 0;
    }
    Placed<CTextObj>(doc, "{Dept}\r\n{Name}\r\nline three", 2000, -200);
    for (CSymbolObj* object : doc.GetObjects()) {
        if (auto* block = dynamic_cast<CTextObj*>(object)) {
            block->Measure();
        } else if (auto* line = dynamic_cast<CFreeTextObj*>(object)) {
            line->m_layout.m_strText = line->m_strName;
            const CSize natural = line->MeasureNatural();
            line->SetSize(natural.cx, 2 * natural.cy);
            line->FitNatural();
            if (typeid(*line) == typeid(CFreeTextObj))
                line->SetSize(3000, line->GetSize().cy);
        }
    }
    doc.RefreshObjects();
}

CDataSource AwkwardRecords()
{
    return *CDataSource::FromText(
        QString::fromUtf8("Name,Town,Dept\n"
                          ",,\n"
                          "Anna,東京,Stores\n"
                          "Maximiliane Johanna Ottilie von Hohenzollern-Sigmaringen,大阪市北区中之島,Research and Development\n"
                          "Zoë Ångström-Øre,ﾃｽﾄ 1-2,Lab\n"
                          "Anna,東京,Stores\n"
                          "\"O'Neil, J. (#7) & Co.\",札幌,\"A, B\"\n"
                          "i,々,.\n"),
        QLatin1Char(','), nullptr);
}

} // namespace

TEST(BatchGlyphs, RecordsArePixelForPixelTheTextsDrawnAfresh)
{
    CVeldraDoc doc;
    MakeAwkwardPlate(doc);
    QString error;
    const std::unique_ptr<CRecordLayout> pasted = CRecordLayout::Make(doc, &error);
    const std::unique_ptr<CRecordLayout> drawn = CRecordLayout::Make(doc, &error);
    ASSERT_TRUE(pasted && drawn) << qPrintable(error);
    for (CSymbolObj* object : drawn->Layout().GetObjects())
        if (auto* line = dynamic_cast<CFreeTextObj*>(object))
            line->UseGlyphMasks(false);
    const CDataSource records = AwkwardRecords();
    const std::size_t masksBefore = CGlyphMasks::Shared().Count();
    for (int record = 1; record <= records.RecordCount(); ++record) {
        ASSERT_TRUE(pasted->Apply(records, record, today, &error)) << qPrintable(error);
        ASSERT_TRUE(drawn->Apply(records, record, today, &error)) << qPrintable(error);
        const QByteArray expected = Pixels(RenderOutput(drawn->Renderer(), drawn->Layout()));
        EXPECT_EQ(Pixels(RenderOutput(pasted->Renderer(), pasted->Layout())), expected) << "record " << record;
        // Painted again, as the record navigator does: the band's kept drawing.
        EXPECT_EQ(Pixels(RenderOutput(pasted->Renderer(), pasted->Layout())), expected) << "record " << record;
    }
    EXPECT_GT(CGlyphMasks::Shared().Count(), masksBefore);
}

TEST(BatchGlyphs, MasksStayWithinTheirBudgetAndComeBackTheSame)
{
    LOGFONT font = CTextAttributes().font;
    font.lfHeight = 60;
    CGlyphMasks masks(64 * 1024);
    CGlyphMasks fresh(64 * 1024);
    // A thousand turns of a few characters, as a long batch of fan texts.
    for (int turn = 0; turn < 1000; ++turn) {
        for (const QString& glyph : {QString("W"), QString::fromUtf8("Ö"), QString("g")})
            ASSERT_TRUE(masks.Find(font, glyph, turn * 7));
        ASSERT_LE(masks.HeldBytes(), std::size_t(64 * 1024));
    }
    EXPECT_LT(masks.Count(), std::size_t(3000));
    for (int turn : {0, 998 * 7, 999 * 7}) {
        const std::vector<CGlyphMasks::Run> again = *masks.Find(font, "W", turn);
        const std::vector<CGlyphMasks::Run>& drawn = *fresh.Find(font, "W", turn);
        ASSERT_EQ(again.size(), drawn.size()) << turn;
        for (std::size_t i = 0; i < drawn.size(); ++i)
            EXPECT_TRUE(again[i].x == drawn[i].x && again[i].y == drawn[i].y && again[i].length == drawn[i].length);
    }
    font.lfHeight = 4000;
    EXPECT_FALSE(masks.Find(font, "W", 0)) << "a glyph too large to keep is left to drawing";
}
