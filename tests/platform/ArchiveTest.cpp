#include "platform/CArchive.h"
#include "platform/CClassRegistry.h"

#include "TestBytes.h"

#include <QBuffer>
#include <QTemporaryFile>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

namespace {

// Stand-ins for placed objects: a versionable class with a one-word body,
// a second class, and a non-versionable one.
class CPictureStandIn : public CObject
{
    VELDRA_DECLARE_SERIAL(CPictureStandIn)
public:
    std::uint32_t m_value = 0;
    int m_schemaSeen = -2;
    int m_secondSchemaRequest = -2;
    CObject* m_pChild = nullptr;
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring()) {
            ar << m_value;
        } else {
            m_schemaSeen = ar.GetObjectSchema();
            m_secondSchemaRequest = ar.GetObjectSchema();
            ar >> m_value;
        }
    }
};
const CRuntimeClass CPictureStandIn::classInfo = {"CDibObj", 3, true, &CPictureStandIn::CreateInstance, nullptr};

class CTextStandIn : public CObject
{
    VELDRA_DECLARE_SERIAL(CTextStandIn)
public:
    void Serialize(CArchive&) override {}
};
const CRuntimeClass CTextStandIn::classInfo = {"CTextObj", 3, true, &CTextStandIn::CreateInstance, nullptr};

class CFixedStandIn : public CObject
{
    VELDRA_DECLARE_SERIAL(CFixedStandIn)
public:
    void Serialize(CArchive&) override {}
};
const CRuntimeClass CFixedStandIn::classInfo = {"CFixed", 5, false, &CFixedStandIn::CreateInstance, nullptr};

const CClassRegistry& Registry()
{
    static const CClassRegistry registry{&CPictureStandIn::classInfo, &CTextStandIn::classInfo, &CFixedStandIn::classInfo};
    return registry;
}

QByteArray Store(const std::function<void(CArchive&)>& write)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    CArchive ar(buffer, CArchive::store);
    write(ar);
    ar.Flush();
    return bytes;
}

void Load(const QByteArray& bytes, const std::function<void(CArchive&)>& read)
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    CArchive ar(buffer, CArchive::load, &Registry());
    read(ar);
}

CArchiveException::Cause LoadFailure(const QByteArray& bytes, const CRuntimeClass* requested = nullptr)
{
    try {
        Load(bytes, [&](CArchive& ar) {
            std::unique_ptr<CObject> first(ar.ReadObject(requested));
            std::unique_ptr<CObject> second(ar.ReadObject(requested));
        });
    } catch (const CArchiveException& e) {
        return e.m_cause;
    }
    ADD_FAILURE() << "no exception";
    return CArchiveException::genericException;
}

TestBytes PictureClassRecord()
{
    return TestBytes().bytes({0xFF, 0xFF, 0x03, 0x00, 0x07, 0x00}).text("CDibObj");
}

} // namespace

TEST(Archive, PrimitivesAreLittleEndian)
{
    const QByteArray bytes = Store([](CArchive& ar) {
        ar << std::uint8_t(0x12) << std::uint16_t(0x3456) << std::uint32_t(0x789ABCDE) << std::int32_t(-2)
           << 1.0 << 1.0f;
    });
    EXPECT_EQ(bytes, TestBytes().u8(0x12).u16(0x3456).u32(0x789ABCDE).i32(-2)
                         .bytes({0, 0, 0, 0, 0, 0, 0xF0, 0x3F}).bytes({0, 0, 0x80, 0x3F}).data());
    Load(bytes, [](CArchive& ar) {
        std::uint8_t b; std::uint16_t w; std::uint32_t d; std::int32_t l; double f8; float f4;
        ar >> b >> w >> d >> l >> f8 >> f4;
        EXPECT_EQ(b, 0x12); EXPECT_EQ(w, 0x3456); EXPECT_EQ(d, 0x789ABCDEu); EXPECT_EQ(l, -2);
        EXPECT_EQ(f8, 1.0); EXPECT_EQ(f4, 1.0f);
    });
}

TEST(Archive, CountsBelowAndFromFFFF)
{
    const QByteArray bytes = Store([](CArchive& ar) {
        ar.WriteCount(0xFFFE);
        ar.WriteCount(0xFFFF);
        ar.WriteCount(0x12345);
    });
    EXPECT_EQ(bytes, TestBytes().u16(0xFFFE).u16(0xFFFF).u32(0xFFFF).u16(0xFFFF).u32(0x12345).data());
    Load(bytes, [](CArchive& ar) {
        EXPECT_EQ(ar.ReadCount(), 0xFFFEu);
        EXPECT_EQ(ar.ReadCount(), 0xFFFFu);
        EXPECT_EQ(ar.ReadCount(), 0x12345u);
    });
}

TEST(Archive, StringLengthForms)
{
    struct Case { int length; TestBytes prefix; };
    const Case cases[] = {
        {0, TestBytes().u8(0)},
        {254, TestBytes().u8(254)},
        {255, TestBytes().u8(0xFF).u16(255)},
        {65533, TestBytes().u8(0xFF).u16(65533)},
        {65534, TestBytes().u8(0xFF).u16(0xFFFF).u32(65534)},
        {70000, TestBytes().u8(0xFF).u16(0xFFFF).u32(70000)},
    };
    for (const Case& c : cases) {
        const QByteArray text(c.length, 'x');
        const QByteArray bytes = Store([&](CArchive& ar) { ar.WriteString(text); });
        EXPECT_EQ(bytes, TestBytes(c.prefix).raw(text).data()) << c.length;
        Load(bytes, [&](CArchive& ar) { EXPECT_EQ(ar.ReadString(), text) << c.length; });
    }
}

TEST(Archive, TwoByteCharacterStringsAreReadIntoTheCodePage)
{
    // 0xFF, WORD 0xFFFE, then the length again and UTF-16LE characters.
    const QByteArray bytes = TestBytes().u8(0xFF).u16(0xFFFE).u8(3).u16('a').u16('b').u16(0xE9);
    Load(bytes, [](CArchive& ar) { EXPECT_EQ(ar.ReadString(), QByteArray("ab\xE9")); });
    const QByteArray longForm = TestBytes().u8(0xFF).u16(0xFFFE).u8(0xFF).u16(2).u16('o').u16('k');
    Load(longForm, [](CArchive& ar) { EXPECT_EQ(ar.ReadString(), QByteArray("ok")); });
}

TEST(Archive, FirstObjectWritesItsClassRecordAndTakesIndexTwo)
{
    CPictureStandIn picture;
    picture.m_value = 0xAABBCCDD;
    const QByteArray bytes = Store([&](CArchive& ar) {
        ar.WriteObject(&picture);
        ar.WriteObject(&picture); // a reference: its index
        ar.WriteObject(nullptr);
    });
    EXPECT_EQ(bytes.left(13), PictureClassRecord().data());
    EXPECT_EQ(bytes, PictureClassRecord().u32(0xAABBCCDD).u16(2).u16(0).data());

    Load(bytes, [](CArchive& ar) {
        std::unique_ptr<CObject> first(ar.ReadObject(&CPictureStandIn::classInfo));
        ASSERT_TRUE(first);
        auto* picture = static_cast<CPictureStandIn*>(first.get());
        EXPECT_EQ(picture->m_value, 0xAABBCCDDu);
        EXPECT_EQ(picture->m_schemaSeen, 3);
        EXPECT_EQ(picture->m_secondSchemaRequest, -1);
        EXPECT_EQ(ar.ReadObject(nullptr), first.get());
        EXPECT_EQ(ar.ReadObject(nullptr), nullptr);
    });
}

TEST(Archive, LaterObjectsReferToTheirClassByIndex)
{
    CPictureStandIn a, b;
    CTextStandIn text;
    const QByteArray bytes = Store([&](CArchive& ar) {
        ar.WriteObject(&a);    // class 1, object 2
        ar.WriteObject(&text); // class 3, object 4
        ar.WriteObject(&b);    // 0x8000 + 1, object 5
        ar.WriteObject(&text);
    });
    const QByteArray expected = PictureClassRecord().u32(0)
                                    .u16(0xFFFF).u16(3).u16(8).text("CTextObj")
                                    .u16(0x8001).u32(0)
                                    .u16(4);
    EXPECT_EQ(bytes, expected);
}

TEST(Archive, BigIndexesUseTheLongForm)
{
    // 0x7FFE objects of the first class fill indexes 2..0x7FFF.
    constexpr int fillers = 0x7FFE;
    std::vector<CPictureStandIn> many(fillers);
    CTextStandIn late1, late2;
    const QByteArray bytes = Store([&](CArchive& ar) {
        for (auto& object : many)
            ar.WriteObject(&object);
        ar.WriteObject(&late1);    // class index 0x8000, object 0x8001
        ar.WriteObject(&late2);    // class by the long form
        ar.WriteObject(&many[0]);  // index 2: short reference
        ar.WriteObject(&late1);    // index 0x8001: long reference
    });
    const qsizetype fillerBytes = 13 + 4 + (fillers - 1) * (2 + 4);
    const QByteArray tail = TestBytes().u16(0xFFFF).u16(3).u16(8).text("CTextObj")
                                .u16(0x7FFF).u32(0x80008000u)
                                .u16(2)
                                .u16(0x7FFF).u32(0x8001);
    EXPECT_EQ(bytes.mid(fillerBytes), tail);

    Load(bytes, [&](CArchive& ar) {
        std::vector<std::unique_ptr<CObject>> read;
        for (int i = 0; i < fillers + 2; ++i)
            read.emplace_back(ar.ReadObject(nullptr));
        EXPECT_TRUE(read[fillers]->IsKindOf(&CTextStandIn::classInfo));
        EXPECT_TRUE(read[fillers + 1]->IsKindOf(&CTextStandIn::classInfo));
        EXPECT_EQ(ar.ReadObject(nullptr), read[0].get());
        EXPECT_EQ(ar.ReadObject(nullptr), read[fillers].get());
    });
}

TEST(Archive, OlderSchemaIsHandedToVersionableClassesOnly)
{
    const QByteArray older = TestBytes().u16(0xFFFF).u16(2).u16(7).text("CDibObj").u32(7)
                                 .u16(0x8001).u32(8);
    Load(older, [](CArchive& ar) {
        std::unique_ptr<CObject> a(ar.ReadObject(nullptr));
        std::unique_ptr<CObject> b(ar.ReadObject(nullptr));
        EXPECT_EQ(static_cast<CPictureStandIn*>(a.get())->m_schemaSeen, 2);
        // The schema stored with the class holds for its later objects too.
        EXPECT_EQ(static_cast<CPictureStandIn*>(b.get())->m_schemaSeen, 2);
    });
    const QByteArray fixed = TestBytes().u16(0xFFFF).u16(4).u16(6).text("CFixed");
    EXPECT_EQ(LoadFailure(fixed), CArchiveException::badSchema);
}

TEST(Archive, HostileTagsAreRefusedWithTheirCause)
{
    using C = CArchiveException;
    // Unknown class, and a name of 64 bytes (refused before its bytes are read).
    EXPECT_EQ(LoadFailure(TestBytes().u16(0xFFFF).u16(3).u16(5).text("CNope")), C::badClass);
    EXPECT_EQ(LoadFailure(TestBytes().u16(0xFFFF).u16(3).u16(64).text("CDibObj")), C::badClass);
    // References to indexes not assigned yet.
    EXPECT_EQ(LoadFailure(TestBytes().u16(5)), C::badIndex);
    EXPECT_EQ(LoadFailure(TestBytes().u16(0x8003)), C::badIndex);
    EXPECT_EQ(LoadFailure(TestBytes().u16(0x7FFF).u32(0x80000000u)), C::badIndex);
    EXPECT_EQ(LoadFailure(TestBytes().u16(0x7FFF).u32(0x7FFFFFFF)), C::badIndex);
    // A class tag naming an object, and an object reference naming a class.
    EXPECT_EQ(LoadFailure(PictureClassRecord().u32(1).u16(0x8002)), C::badClass);
    EXPECT_EQ(LoadFailure(PictureClassRecord().u32(1).u16(1)), C::badClass);
    // An object of the wrong kind for what the reader asked.
    EXPECT_EQ(LoadFailure(PictureClassRecord().u32(1), &CTextStandIn::classInfo), C::badClass);
}

TEST(Archive, EveryTruncationEndsInEndOfFile)
{
    CPictureStandIn a, b;
    const QByteArray bytes = Store([&](CArchive& ar) {
        ar.WriteString(QByteArray(300, 's'));
        ar.WriteObject(&a);
        ar.WriteObject(&b);
    });
    for (qsizetype n = 0; n < bytes.size(); ++n) {
        bool endOfFile = false;
        try {
            Load(bytes.left(n), [](CArchive& ar) {
                ar.ReadString();
                std::unique_ptr<CObject> x(ar.ReadObject(nullptr));
                std::unique_ptr<CObject> y(ar.ReadObject(nullptr));
            });
        } catch (const CArchiveException& e) {
            endOfFile = e.m_cause == CArchiveException::endOfFile;
        }
        EXPECT_TRUE(endOfFile) << "prefix of " << n << " bytes";
    }
}

TEST(Archive, HugeClaimedLengthsCostOnlyWhatTheStreamHolds)
{
    // A 4 GiB string claim over a few bytes fails without a 4 GiB allocation.
    const QByteArray bytes = TestBytes().u8(0xFF).u16(0xFFFF).u32(0xFFFFFFF0u).text("tiny");
    EXPECT_THROW(Load(bytes, [](CArchive& ar) { ar.ReadString(); }), CArchiveException);
}

TEST(Archive, OwnedListsRefuseNullAndRepeatedEntries)
{
    CPictureStandIn a, b;
    const QByteArray good = Store([&](CArchive& ar) { ar.WriteObjectList({&a, &b}); });
    EXPECT_EQ(good, TestBytes().u16(2).raw(PictureClassRecord()).u32(0).u16(0x8001).u32(0).data());
    Load(good, [](CArchive& ar) { EXPECT_EQ(ar.ReadOwnedObjectList(nullptr).size(), 2u); });

    const QByteArray withNull = TestBytes().u16(2).raw(PictureClassRecord()).u32(0).u16(0);
    const QByteArray twice = TestBytes().u16(2).raw(PictureClassRecord()).u32(0).u16(2);
    for (const QByteArray& bad : {withNull, twice}) {
        EXPECT_THROW(Load(bad, [](CArchive& ar) { ar.ReadOwnedObjectList(nullptr); }), CArchiveException);
    }
}

TEST(Archive, WorksOverFilesAndReportsDeviceFailures)
{
    QTemporaryFile file;
    ASSERT_TRUE(file.open());
    {
        CArchive ar(file, CArchive::store);
        ar.WriteString("on disk");
        ar << std::uint32_t(42);
        ar.Close();
    }
    file.seek(0);
    CArchive in(file, CArchive::load, &Registry());
    EXPECT_EQ(in.BytesLeft(), 12);
    EXPECT_EQ(in.ReadString(), QByteArray("on disk"));
    std::uint32_t v = 0;
    in >> v;
    EXPECT_EQ(v, 42u);

    QBuffer readOnly;
    readOnly.open(QIODevice::ReadOnly);
    CArchive out(readOnly, CArchive::store);
    out << std::uint32_t(1);
    EXPECT_THROW(out.Flush(), CFileException);
}

TEST(Archive, PeekingReadsAheadWithoutMovingOnAndSkippingMovesOn)
{
    // More than one buffer's worth, so the look-ahead reaches past what the
    // archive holds; then a value read where the skip left the position.
    QByteArray bytes(200000, '\0');
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = char(i * 7);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    CArchive ar(buffer, CArchive::load);
    std::uint8_t first;
    ar >> first;
    std::vector<std::uint8_t> ahead(150000);
    ASSERT_EQ(ar.PeekInto(ahead.data(), ahead.size()), ahead.size());
    EXPECT_EQ(std::memcmp(ahead.data(), bytes.constData() + 1, ahead.size()), 0);
    std::uint8_t next;
    ar >> next;
    EXPECT_EQ(next, std::uint8_t(7)); // nothing was taken
    std::vector<std::uint8_t> rest(300000);
    EXPECT_EQ(ar.PeekInto(rest.data(), rest.size()), std::size_t(bytes.size() - 2)); // the stream ends first
    ar.Skip(100000);
    ar >> next;
    EXPECT_EQ(next, std::uint8_t(100002 * 7));
    EXPECT_THROW(ar.Skip(100000), CArchiveException);
}
