#include "ObjectBytes.h"

#include "objects/CArcTextObj.h"
#include "objects/CTextObj.h"
#include "objects/ObjectClasses.h"
#include "platform/CArchive.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace {

QByteArray Store(CObject& object)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    CArchive ar(buffer, CArchive::store);
    ar.WriteObject(&object);
    ar.Close();
    return bytes;
}

std::unique_ptr<CObject> Load(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    CArchive ar(buffer, CArchive::load, &ObjectClasses());
    return ar.ReadOwnedObject(nullptr);
}

} // namespace

TEST(TextRecords, TextBlockFieldsInOrder)
{
    const QByteArray record = ObjectBytes::ClassRecord("CTextObj")
                                  .raw(ObjectBytes::Common("Hi", flagsTextBlock, 1, 5, 6, 700, 300))
                                  .raw(ObjectBytes::Font(-40, 700, 1, 0, "Arial"))
                                  .i32(20).i32(30)          // margin
                                  .i32(1).i32(2)            // fill, edge
                                  .u32(0xFFFFFF).u32(0x808080).u32(0x0000FF)
                                  .i32(2).i32(1);           // format, antialias
    std::unique_ptr<CObject> object = Load(record);
    auto* text = dynamic_cast<CTextObj*>(object.get());
    ASSERT_TRUE(text);
    EXPECT_EQ(text->m_strName, QByteArray("Hi"));
    EXPECT_EQ(text->m_lf.lfHeight, -40);
    EXPECT_EQ(text->m_lf.lfItalic, 1);
    EXPECT_EQ(text->m_lf.FaceName(), QByteArray("Arial"));
    EXPECT_EQ(text->m_sizeBkgndMargin, (CSize{20, 30}));
    EXPECT_EQ(text->m_nDrawFrame, 2);
    EXPECT_EQ(text->m_crFrame, 0x0000FFu);
    EXPECT_EQ(text->m_nFormat, 2);
    EXPECT_EQ(Store(*text), record);

    std::unique_ptr<CSymbolObj> clone = text->Clone();
    EXPECT_EQ(Store(*clone), record);
}

TEST(TextRecords, HorizontalAndFanTextShareOneLayout)
{
    const auto body = [](const char* cls, int mode) {
        return ObjectBytes::ClassRecord(cls)
            .raw(ObjectBytes::Common("Fan", flagsText, 1, 0, 0, 1000, 400))
            .u8(3).text("Fan")
            .raw(ObjectBytes::Font(-20, 400, 0, 128, "IPAexGothic"))
            .i32(mode).i32(1).i32(0).i32(0).i32(1)
            .f32(10.5f).f32(-3.25f).f32(180).f32(40)
            .f32(50).f32(20).f32(0.2f)
            .i32(1).u32(0xFFFFFF).u32(0x123456);
    };
    const QByteArray arc = body("CArcTextObj", 0);
    std::unique_ptr<CObject> object = Load(arc);
    auto* fan = dynamic_cast<CArcTextObj*>(object.get());
    ASSERT_TRUE(fan);
    EXPECT_EQ(fan->m_layout.m_nMode, 0);
    EXPECT_EQ(fan->m_layout.m_bInvert, 1);
    EXPECT_EQ(fan->m_layout.m_bRotateGlyphs, 1);
    EXPECT_EQ(fan->m_layout.m_fCenterY, -3.25f);
    EXPECT_EQ(fan->m_layout.m_lf.lfCharSet, 128);
    EXPECT_EQ(fan->m_crBkgnd, 0x123456u);
    EXPECT_EQ(Store(*fan), arc);
    EXPECT_EQ(Store(*fan->Clone()), arc);

    const QByteArray line = body("CFreeTextObj", 1);
    std::unique_ptr<CObject> horizontal = Load(line);
    EXPECT_EQ(horizontal->GetRuntimeClass(), &CFreeTextObj::classInfo);
    EXPECT_EQ(Store(*horizontal), line);
}

TEST(TextRecords, NewObjectsTakeTheTextDefaults)
{
    CTextAttributes defaults;
    defaults.text = "Plate";
    defaults.fontColor = 0x00FF00;
    defaults.bkgndMargin = {11, 12};
    const CTextObj block(defaults);
    EXPECT_EQ(block.m_strName, QByteArray("Plate"));
    EXPECT_EQ(block.m_dwFlags, std::uint32_t(flagsTextBlock));
    EXPECT_EQ(block.m_sizeBkgndMargin, (CSize{11, 12}));
    EXPECT_EQ(block.m_lf.lfHeight, -32);

    const CArcTextObj fan(defaults);
    EXPECT_EQ(fan.m_dwFlags, std::uint32_t(flagsText));
    EXPECT_EQ(fan.m_layout.m_nMode, 0);
    EXPECT_EQ(fan.m_layout.m_strText, QByteArray("Plate"));
    EXPECT_EQ(fan.m_crFont, 0x00FF00u);
    EXPECT_EQ(CFreeTextObj(defaults).m_layout.m_nMode, 1);
}
