#include "ChildCost.h"
#include "DocumentTestSupport.h"
#include "ObjectBytes.h"

#include "document/CDocumentFile.h"
#include "document/CMaterialShapes.h"
#include "document/CPlateRenderer.h"
#include "objects/CArcTextObj.h"
#include "objects/CTextObj.h"

#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

constexpr COLORREF base = RGB(10, 20, 30);
constexpr COLORREF outside = RGB(200, 100, 50);
constexpr COLORREF band = RGB((200 + 10) >> 1, (100 + 20) >> 1, (50 + 30) >> 1);

// A 20 x 10 pixel plate at 254 dpi (one pixel per 0.1 mm) with 0.3 mm margins.
struct PlateFixture : ::testing::Test
{
    CVeldraDoc doc;
    CDibImage plate;

    void SetUp() override
    {
        CDocumentSettings settings;
        settings.baseColor = base;
        settings.outsideColor = outside;
        settings.marginTopLeft = {30, 30};
        doc.SetSettings(settings);
        doc.OnNewDocument();
        doc.SetMaterialSize({200, 100});
        doc.SetDevice(254, 200, 100);
        ASSERT_EQ(doc.GetDeviceSize(), (CSize{20, 10}));
        plate.Create(20, 10, 24);
    }

    void Render(int mode)
    {
        CPlateRenderer(doc).RenderPlate(plate, mode);
    }

    // An object image of w x h pixels, every pixel colour c, placed so that
    // its top-left lands on plate pixel (x, y).
    CDibObj* Place(int x, int y, int w, int h, COLORREF c, std::uint32_t flags = flagsSymbol)
    {
        auto object = std::make_unique<CDibObj>();
        CDibImage image;
        image.Create(w, h, 24, c);
        object->SetImageFrom(&image, flags, false);
        object->SetBounds(-100 + 10 * x + 5 * w, 50 - 10 * y - 5 * h, 10 * w, 10 * h);
        object->Refresh(&doc);
        CDibObj* raw = object.get();
        doc.InsertAt(std::move(object), -1);
        return raw;
    }
};

} // namespace

TEST_F(PlateFixture, AnEmptyPlateIsTheBaseWithBands)
{
    Render(CPlateRenderer::screen);
    EXPECT_EQ(plate.GetPixel(10, 5), base);
    EXPECT_EQ(plate.GetPixel(2, 5), band);   // left band, 3 pixels
    EXPECT_EQ(plate.GetPixel(3, 5), base);
    EXPECT_EQ(plate.GetPixel(17, 5), band);  // right band
    EXPECT_EQ(plate.GetPixel(10, 2), band);  // top band
    EXPECT_EQ(plate.GetPixel(10, 7), band);  // bottom band
    Render(CPlateRenderer::output);
    EXPECT_EQ(plate.GetPixel(2, 5), RGB(0, 0, 0));
    EXPECT_EQ(plate.GetPixel(10, 5), base);
}

TEST_F(PlateFixture, KeyPixelsAreLeftOutAndTheirNeighboursCopied)
{
    CDibObj* object = Place(4, 4, 3, 1, RGB(2, 0, 0));
    object->StoredImage().SetPixel(1, 0, transparentKey);
    object->StoredImage().SetPixel(2, 0, RGB(0, 0, 0));
    object->Refresh(&doc);
    Render(CPlateRenderer::output);
    EXPECT_EQ(plate.GetPixel(4, 4), RGB(2, 0, 0));
    EXPECT_EQ(plate.GetPixel(5, 4), base);
    EXPECT_EQ(plate.GetPixel(6, 4), RGB(0, 0, 0));
}

TEST_F(PlateFixture, HeadObjectsLieOnTopAndHiddenOnesAreSkipped)
{
    Place(5, 4, 4, 2, RGB(255, 0, 0));             // head: on top
    CDibObj* back = Place(4, 4, 4, 2, RGB(0, 255, 0));
    Render(CPlateRenderer::output);
    EXPECT_EQ(plate.GetPixel(4, 4), RGB(0, 255, 0));
    EXPECT_EQ(plate.GetPixel(5, 4), RGB(255, 0, 0));
    back->m_bVisible = 0;
    Render(CPlateRenderer::output);
    EXPECT_EQ(plate.GetPixel(4, 4), base);
}

TEST_F(PlateFixture, AFrameClipsWhatLiesBehindItOnly)
{
    Place(3, 3, 2, 2, RGB(0, 0, 255));                                  // head: drawn last
    Place(8, 3, 4, 4, RGB(9, 9, 9), flagsFrame);                        // clips outside itself
    Place(4, 3, 14, 4, RGB(0, 255, 0));                                 // tail: drawn first
    Render(CPlateRenderer::output);
    EXPECT_EQ(plate.GetPixel(6, 4), RGB(0, 0, 0));   // behind the frame, outside it: black
    EXPECT_EQ(plate.GetPixel(3, 3), RGB(0, 0, 255)); // in front of it: drawn outside too
    EXPECT_EQ(plate.GetPixel(9, 4), RGB(9, 9, 9));
}

TEST_F(PlateFixture, InvertComesBeforeBandsAndOutline)
{
    Place(5, 5, 2, 2, RGB(0, 0, 0));
    doc.SetInverted(true);
    Render(CPlateRenderer::screen);
    EXPECT_EQ(plate.GetPixel(5, 5), RGB(255, 255, 255));
    EXPECT_EQ(plate.GetPixel(10, 5), RGB(245, 235, 225));
    EXPECT_EQ(plate.GetPixel(0, 0), band);
}

TEST_F(PlateFixture, TheOutlineStepWithAndWithoutMargins)
{
    ASSERT_TRUE(CMaterialShapes::MakeMaterialShape(doc, CMaterialShapes::ellipse));
    ASSERT_TRUE(doc.HasMaterial());
    Place(0, 0, 20, 10, RGB(7, 7, 7));
    Render(CPlateRenderer::screen);
    EXPECT_EQ(plate.GetPixel(0, 0), outside);       // outside the ellipse
    EXPECT_EQ(plate.GetPixel(10, 5), RGB(7, 7, 7)); // well inside
    Render(CPlateRenderer::output);
    EXPECT_EQ(plate.GetPixel(0, 0), RGB(0, 0, 0));

    // Without margins there is no band: what the ellipse covers shows the object.
    CDocumentSettings settings = doc.Settings();
    settings.marginTopLeft = {0, 0};
    doc.SetSettings(settings);
    doc.RecalcMargins();
    CDibImage plain;
    plain.Create(20, 10, 24);
    CPlateRenderer(doc).RenderPlate(plain, CPlateRenderer::screen);
    int objectPixels = 0, outsidePixels = 0;
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x) {
            objectPixels += plain.GetPixel(x, y) == RGB(7, 7, 7);
            outsidePixels += plain.GetPixel(x, y) == outside;
        }
    EXPECT_EQ(objectPixels + outsidePixels, 200);
    EXPECT_GT(objectPixels, 100);

    // A hidden outline leaves only the rectangular bands.
    doc.GetObjectAt(0)->m_bVisible = 0;
    Render(CPlateRenderer::screen);
    EXPECT_EQ(plate.GetPixel(3, 5), RGB(7, 7, 7));
}

TEST_F(PlateFixture, TheCachedOutlineGivesTheSamePixels)
{
    ASSERT_TRUE(CMaterialShapes::MakeMaterialShape(doc, CMaterialShapes::diamond));
    Place(2, 2, 16, 6, RGB(90, 90, 90));
    CPlateRenderer renderer(doc);
    CDibImage first, second;
    first.Create(20, 10, 24);
    second.Create(20, 10, 24);
    renderer.RenderPlate(first, CPlateRenderer::screen);
    renderer.RenderPlate(second, CPlateRenderer::screen);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(first.Bits()), qsizetype(first.BitsSize())),
              QByteArray(reinterpret_cast<const char*>(second.Bits()), qsizetype(second.BitsSize())));
    // A change of mode or of the outline is not served from the cache.
    renderer.RenderPlate(second, CPlateRenderer::output);
    EXPECT_EQ(second.GetPixel(0, 0), RGB(0, 0, 0));
    ASSERT_TRUE(CMaterialShapes::MakeMaterialShape(doc, CMaterialShapes::rectangle));
    renderer.RenderPlate(second, CPlateRenderer::screen);
    EXPECT_EQ(second.GetPixel(5, 5), RGB(90, 90, 90));
    EXPECT_EQ(second.GetPixel(0, 0), band);
}

TEST_F(PlateFixture, PreviewGreyLiftsMidTones)
{
    Place(4, 4, 1, 1, RGB(128, 128, 128));
    Place(5, 4, 1, 1, RGB(255, 255, 255));
    const std::vector<std::uint8_t> grey = CPlateRenderer(doc).PreviewImage();
    ASSERT_EQ(grey.size(), 200u);
    EXPECT_EQ(grey[4 * 20 + 4], 192);
    EXPECT_EQ(grey[4 * 20 + 5], 255);
    EXPECT_EQ(grey[0], 0);
}

TEST_F(PlateFixture, ClipOutsidePaintsFourRectangles)
{
    CDibImage image;
    image.Create(6, 4, 24, RGB(50, 50, 50));
    CPlateRenderer::ClipOutside(image, {1, 1, 4, 3});
    int black = 0;
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            black += image.GetPixel(x, y) == RGB(0, 0, 0);
    EXPECT_EQ(black, 24 - 6);
    EXPECT_EQ(image.GetPixel(1, 1), RGB(50, 50, 50));
    EXPECT_EQ(image.GetPixel(3, 2), RGB(50, 50, 50));
}

TEST(MaterialShapes, AnEllipseTouchesAllFourSides)
{
    CVeldraDoc doc;
    doc.SetMaterialSize({8000, 4000});
    doc.SetDevice(254, 8000, 4000);
    ASSERT_TRUE(CMaterialShapes::MakeMaterialShape(doc, CMaterialShapes::ellipse));
    auto* material = dynamic_cast<CDibObj*>(doc.GetObjectAt(0));
    ASSERT_TRUE(material);
    EXPECT_EQ(material->m_dwFlags, flagsMaterial);
    EXPECT_EQ(material->GetSize(), (CSize{8000, 4000}));
    const CDibImage& mask = material->StoredImage();
    ASSERT_EQ(mask.BitCount(), 1);
    ASSERT_EQ(mask.Width(), 800);
    ASSERT_EQ(mask.Height(), 400);
    const auto black = [&](int x, int y) { return (mask.Row(y)[x / 8] & (0x80 >> (x % 8))) == 0; };
    EXPECT_TRUE(black(400, 0));
    EXPECT_TRUE(black(400, 399));
    EXPECT_TRUE(black(0, 200));
    EXPECT_TRUE(black(799, 200));
    EXPECT_FALSE(black(0, 0));
    EXPECT_FALSE(black(799, 399));

    // The rectangle takes the outline away again, with an undo step.
    ASSERT_TRUE(CMaterialShapes::MakeMaterialShape(doc, CMaterialShapes::rectangle));
    EXPECT_FALSE(doc.HasMaterial());
    EXPECT_EQ(doc.GetObjectCount(), 0);
    EXPECT_TRUE(doc.CanUndo());
}

TEST(TextRendering, KeptDrawingsFollowEveryChange)
{
    const auto makeDoc = [](CVeldraDoc& doc) {
        doc.SetMaterialSize({9000, 9000});
        doc.SetDevice(254, 9000, 9000);
    };
    const auto bytes = [](const CDibImage& image) {
        return QByteArray(reinterpret_cast<const char*>(image.Bits()), qsizetype(image.BitsSize()));
    };
    CVeldraDoc doc;
    makeDoc(doc);
    auto fan = std::make_unique<CArcTextObj>();
    fan->m_strName = fan->m_layout.m_strText = "AROUND";
    fan->m_pDoc = &doc;
    fan->m_layout.m_fRadius = 250;
    fan->SetBounds(0, 0, 3000, 400);
    CArcTextObj* raw = fan.get();
    doc.InsertAt(std::move(fan), 0);
    CPlateRenderer renderer(doc);
    CDibImage first, again, moved, fresh;
    for (CDibImage* image : {&first, &again, &moved, &fresh})
        image->Create(900, 900, 24);
    renderer.RenderPlate(first, CPlateRenderer::output);
    renderer.RenderPlate(again, CPlateRenderer::output);
    EXPECT_EQ(bytes(first), bytes(again));

    raw->m_layout.m_fAngle = 90;
    renderer.RenderPlate(moved, CPlateRenderer::output);
    EXPECT_NE(bytes(moved), bytes(first));
    // A new object in the same state, drawn for the first time, agrees.
    CVeldraDoc other;
    makeDoc(other);
    auto copy = raw->Clone();
    static_cast<CArcTextObj*>(copy.get())->m_pDoc = &other;
    other.InsertAt(std::move(copy), 0);
    CPlateRenderer(other).RenderPlate(fresh, CPlateRenderer::output);
    EXPECT_EQ(bytes(moved), bytes(fresh));
}

namespace {

// Text records written by hand, centred on the plate unless y says otherwise.
TestBytes LineTextBody(int mode, int cx, int cy, float radius, float spread, int y = 0)
{
    return ObjectBytes::Common("", flagsText, 1, 0, y, cx, cy)
        .u8(4).text("WIDE")
        .raw(ObjectBytes::Font(-60, 700, 0, 0, "Arial"))
        .i32(mode).i32(0).i32(0).i32(0).i32(0)
        .f32(0).f32(0).f32(180).f32(radius).f32(spread).f32(20).f32(0.2f)
        .i32(1).u32(0xFFFFFF).u32(0x808080);
}

TestBytes LineText(const char* className, int mode, int cx, int cy, float radius, float spread, int y = 0)
{
    return ObjectBytes::ClassRecord(className).raw(LineTextBody(mode, cx, cy, radius, spread, y));
}

TestBytes TextBlock(int cx, int cy)
{
    return ObjectBytes::ClassRecord("CTextObj")
        .raw(ObjectBytes::Common("WIDE", flagsTextBlock, 1, 0, 0, cx, cy))
        .raw(ObjectBytes::Font(-60, 700, 0, 0, "Arial"))
        .i32(20).i32(30).i32(1).i32(0)
        .u32(0xFFFFFF).u32(0x808080).u32(0x000000)
        .i32(1).i32(1); // centred, antialiased
}

// A 90 mm plate at the engraver's 529 dpi holding count object records.
bool OpenLayout(CVeldraDoc& doc, const QString& path, const QByteArray& objects, int count = 1)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    file.write(ObjectBytes::DocumentHeader(2, 9000, 9000, 0, 0, 0, 0, 0).u16(std::uint16_t(count)).raw(objects));
    file.close();
    if (!CDocumentFile::Open(doc, path).ok)
        return false;
    doc.SetDevice(CVeldraDoc::defaultResolution, 9000, 9000);
    return true;
}

// Renders the plate in a child process: exit code 0 when the background of
// the text reached the plate's centre.
ChildCost RenderInChild(CVeldraDoc& doc)
{
    CDibImage plate;
    if (!plate.Create(doc.GetDeviceSize().cx, doc.GetDeviceSize().cy, 24))
        return {};
    return ChildCost::Run(
        [&] {
            CPlateRenderer(doc).RenderPlate(plate, CPlateRenderer::output);
            return plate.GetPixel(plate.Width() / 2, plate.Height() / 2) == 0 ? 1 : 0;
        },
        6 << 10);
}

QByteArray Pixels(const QImage& image, const QRect& area)
{
    QByteArray bytes;
    for (int y = area.top(); y <= area.bottom(); ++y)
        bytes.append(reinterpret_cast<const char*>(image.constScanLine(y)) + 3 * area.left(), 3 * area.width());
    return bytes;
}

} // namespace

// The child of a test that has drawn already: Qt hands smooth scaling to its
// pool of threads, which a bare fork would leave without threads to wait for.
TEST(TextRendering, AChildDrawsWithThePoolOfThreadsTheTestUsedBefore)
{
    QImage large(2000, 2000, QImage::Format_RGB32);
    large.fill(Qt::white);
    ASSERT_FALSE(large.scaled(999, 999, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).isNull());
    const ChildCost cost = ChildCost::Run(
        [&large] { return large.scaled(999, 999, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).isNull() ? 1 : 0; },
        1 << 10);
    EXPECT_EQ(cost.exitCode, 0);
}

// Files of a few hundred bytes claim text bands and blocks of 9000 to 23000
// pixels a side, which asked for more than a gigabyte each; the plate is
// 1874. What drawing them takes is bounded by the plate.
TEST(TextRendering, HugeClaimedTextTakesMemoryByThePlateOnly)
{
    const struct
    {
        const char* what;
        QByteArray record;
    } layouts[] = {
        {"horizontal", LineText("CFreeTextObj", 1, 43000, 43000, 40, 100)},
        // Its centre 430 mm above the plate, the band's middle on the plate's.
        {"fan", LineText("CArcTextObj", 0, 3000, 8000, 4300, 50, 43000)},
        {"block", TextBlock(43000, 20000)},
    };
    QTemporaryDir dir;
    for (const auto& layout : layouts) {
        CVeldraDoc doc;
        ASSERT_TRUE(OpenLayout(doc, dir.filePath(QStringLiteral("huge.vlz")), layout.record)) << layout.what;
        const ChildCost cost = RenderInChild(doc);
        EXPECT_EQ(cost.exitCode, 0) << layout.what;
        EXPECT_LT(cost.grownKiB, 256 << 10) << layout.what;
    }
}

// Twenty texts whose drawings are kept whole, 67 MB each, share 256 MiB;
// the others are drawn straight onto the plate.
TEST(TextRendering, KeptDrawingsOfManyTextsShareOneBudget)
{
    TestBytes objects = LineText("CFreeTextObj", 1, 6530, 6530, 40, 100);
    for (int i = 1; i < 20; ++i)
        objects.u16(0x8001).raw(LineTextBody(1, 6530, 6530, 40, 100)); // the same class
    QTemporaryDir dir;
    CVeldraDoc doc;
    ASSERT_TRUE(OpenLayout(doc, dir.filePath(QStringLiteral("many.vlz")), objects, 20));
    ASSERT_EQ(doc.GetObjectCount(), 20);
    const ChildCost cost = RenderInChild(doc);
    EXPECT_EQ(cost.exitCode, 0);
    EXPECT_LT(cost.grownKiB, 400 << 10);
}

// Drawing only what lands on the plate must not change a pixel of it: the
// same objects drawn onto a surface with room around the plate agree, cut
// by the right edge and by the top-left corner.
TEST(TextRendering, TextCutByThePlateEdgeKeepsItsPixels)
{
    QTemporaryDir dir;
    const QByteArray records[] = {
        LineText("CFreeTextObj", 1, 6000, 1500, 40, 100),
        LineText("CArcTextObj", 0, 3000, 800, 350, 60),
        TextBlock(7000, 2500),
    };
    for (const QByteArray& record : records) {
        for (const CPoint centre : {CPoint{4000, 0}, CPoint{-4000, 3500}}) {
            CVeldraDoc doc;
            ASSERT_TRUE(OpenLayout(doc, dir.filePath(QStringLiteral("edge.vlz")), record));
            CSymbolObj* object = doc.GetObjectAt(0);
            object->SetPosition(centre.x, centre.y);
            const int w = doc.GetDeviceSize().cx, h = doc.GetDeviceSize().cy, room = 900;
            QImage plate(w, h, QImage::Format_BGR888), roomy(w + 2 * room, h + 2 * room, QImage::Format_BGR888);
            plate.fill(Qt::black);
            roomy.fill(Qt::black);
            CRect rect;
            object->GetRect(&rect);
            const CRect device = doc.DocRectToDevice(rect);
            {
                QPainter onPlate(&plate);
                object->Draw(onPlate, &device, 0);
                QPainter withRoom(&roomy);
                withRoom.translate(room, room);
                object->Draw(withRoom, &device, 0);
            }
            const QByteArray drawn = Pixels(plate, plate.rect());
            EXPECT_EQ(drawn, Pixels(roomy, QRect(room, room, w, h))) << centre.x;
            EXPECT_NE(drawn, QByteArray(3 * w * h, 0)) << centre.x;
        }
    }
}

// Ten thousand one-line texts drawn once, as a render or a batch draws
// them, keep no drawing each: memory follows the layout, not a budget.
TEST(TextRendering, TenThousandLineTextsDrawnOnceKeepNoDrawings)
{
    constexpr int count = 10000;
    TestBytes objects = LineText("CFreeTextObj", 1, 3000, 300, 40, 100);
    for (int i = 1; i < count; ++i)
        objects.u16(0x8001).raw(LineTextBody(1, 3000, 300, 40, 100, (i % 80) * 100 - 4000));
    QTemporaryDir dir;
    CVeldraDoc doc;
    ASSERT_TRUE(OpenLayout(doc, dir.filePath(QStringLiteral("many.vlz")), objects, count));
    ASSERT_EQ(doc.GetObjectCount(), count);
    const ChildCost cost = RenderInChild(doc);
    EXPECT_EQ(cost.exitCode, 0);
    EXPECT_LT(cost.grownKiB, 192 << 10);
}
