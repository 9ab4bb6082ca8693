// The view's arithmetic without a window: zoom, margins, grid, snapping,
// status texts and command routing.
#include "view/CCommandRouter.h"
#include "view/CGridPainter.h"
#include "view/CStatusTexts.h"
#include "view/CStretchCache.h"
#include "view/CViewGeometry.h"
#include "view/ICommandTarget.h"

#include "imaging/CDibImage.h"
#include "imaging/DibStretcher.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

namespace {

CViewGeometry Geometry(CSize plate, CSize client, int zoom)
{
    CViewGeometry geometry;
    geometry.SetPlateSize(plate);
    geometry.SetClientSize(client);
    geometry.SetZoom(zoom);
    return geometry;
}

} // namespace

TEST(ViewGeometry, CentresWhatFitsWithSlackAndKeepsSixteenPixelsOtherwise)
{
    // 400 + 32 < 800: centred; 600 + 32 is not < 632: the 16-pixel margin.
    const CViewGeometry geometry = Geometry({400, 600}, {800, 632}, 100);
    EXPECT_EQ(geometry.Margins(), (CSize{200, 16}));
    EXPECT_EQ(geometry.ScrollSize(), (CSize{800, 632}));
    // Zoomed plates truncate: 1874 at 65 % is 1218.
    EXPECT_EQ(Geometry({1874, 1874}, {800, 600}, 65).ScrollSize(), (CSize{1218 + 32, 1218 + 32}));
}

TEST(ViewGeometry, MapsBothWaysWithTruncation)
{
    const CViewGeometry geometry = Geometry({1000, 1000}, {300, 300}, 150);
    EXPECT_EQ(geometry.DeviceToView(CPoint{3, 5}), (CPoint{4 + 16, 7 + 16}));
    EXPECT_EQ(geometry.ViewToDevice(CPoint{20, 23}), (CPoint{2, 4}));
    EXPECT_EQ(geometry.PlateRect(), (CRect{16, 16, 1516, 1516}));
    // Below the margin the inverse truncates towards zero as the original did.
    EXPECT_EQ(Geometry({1000, 1000}, {300, 300}, 25).ViewToDevice(CPoint{15, 13}), (CPoint{-40, -48}));
}

TEST(ViewGeometry, ZoomStepsStopAtTheLimits)
{
    EXPECT_EQ(Geometry({10, 10}, {10, 10}, 100).NextZoomIn(), 150);
    EXPECT_EQ(Geometry({10, 10}, {10, 10}, 100).NextZoomOut(), 85);
    EXPECT_EQ(Geometry({10, 10}, {10, 10}, 1600).NextZoomIn(), 0);
    EXPECT_EQ(Geometry({10, 10}, {10, 10}, 25).NextZoomOut(), 0);
    // A zoom between steps (from the settings) goes to its neighbours.
    EXPECT_EQ(Geometry({10, 10}, {10, 10}, 110).NextZoomIn(), 150);
    EXPECT_EQ(Geometry({10, 10}, {10, 10}, 110).NextZoomOut(), 100);
}

TEST(ViewGeometry, FitTakesTheLargestStepThatShowsThePlateCentredWithoutScrollBars)
{
    EXPECT_EQ(Geometry({1874, 1874}, {800, 600}, 100).FitZoom(), 30); // 562 + 32 < 600
    EXPECT_EQ(Geometry({1874, 1874}, {500, 500}, 100).FitZoom(), 25); // nothing fits
    EXPECT_EQ(Geometry({100, 50}, {1633, 833}, 100).FitZoom(), 1600);
    // Room for the plate, not for its centring: it would scroll.
    EXPECT_EQ(Geometry({100, 50}, {1632, 833}, 100).FitZoom(), 1400);
}

TEST(ViewGeometry, ScrollToKeepOnlyWhereTheViewScrolls)
{
    const CViewGeometry wide = Geometry({2000, 100}, {800, 600}, 100);
    EXPECT_EQ(wide.ScrollToKeep({1000, 50}, {400, 300}), (CPoint{16 + 1000 - 400, 0}));
}

TEST(GridPainter, StepKeepsTheFractionAndSnapsAroundTheCentre)
{
    EXPECT_NEAR(CGridPainter::Step(500, 529, 1.0), 104.134, 0.001);
    EXPECT_NEAR(CGridPainter::Step(500, 529, 0.25), 26.0335, 0.0001);
    EXPECT_EQ(CGridPainter::Snap(249, 500), 0);
    EXPECT_EQ(CGridPainter::Snap(250, 500), 500);
    EXPECT_EQ(CGridPainter::Snap(-250, 500), -500);
    EXPECT_EQ(CGridPainter::Snap(-249, 500), 0);
    EXPECT_EQ(CGridPainter::Snap(0, 500), 0);
    EXPECT_EQ(CGridPainter::Snap(1234, 0), 1234);
    EXPECT_EQ(CGridPainter::Snap(CPoint{760, -760}, CPoint{500, 250}), (CPoint{1000, -750}));
}

namespace {

QImage DrawGrid(const GridSettings& grid, double factor)
{
    QImage image(210, 210, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    CGridPainter::Frame frame;
    frame.materialSize = {2000, 2000}; // 20 mm at 254 dpi: 200 pixels
    frame.resolution = 254;
    frame.factor = factor;
    CGridPainter::Draw(painter, grid, frame);
    return image;
}

} // namespace

TEST(GridPainter, DrawsLinesFromTheCentreWithTheirOwnCentreColour)
{
    GridSettings grid;
    grid.pitch = {500, 500}; // 50 pixels
    grid.color = RGB(255, 0, 0);
    grid.centerColor = RGB(0, 0, 255);
    const QImage image = DrawGrid(grid, 1.0);
    EXPECT_EQ(image.pixel(100, 10), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(150, 10), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(50, 10), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(0, 10), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(120, 10), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(10, 150), qRgb(255, 0, 0));

    grid.centerColor = colorNone;
    EXPECT_EQ(DrawGrid(grid, 1.0).pixel(100, 10), qRgb(255, 0, 0));
    // Five pixels apart or less: no lines at all.
    grid.pitch = {50, 50};
    const QImage dense = DrawGrid(grid, 1.0);
    EXPECT_EQ(dense.pixel(105, 10), qRgb(255, 255, 255));
}

TEST(StatusTexts, MillimetresAndInches)
{
    const CStatusTexts mm(false);
    EXPECT_EQ(mm.Cursor({1250, -300}), QStringLiteral("Cursor: 12.50, -3.00 mm"));
    EXPECT_EQ(mm.Size(9000, 5), QStringLiteral("Size: 90.00, 0.05 mm"));
    const CStatusTexts inch(true);
    EXPECT_EQ(inch.Position({2540, -1270}), QStringLiteral("Position: 1.000, -0.500 inch"));
    EXPECT_EQ(inch.Length(100), QStringLiteral("0.039"));
    EXPECT_EQ(CStatusTexts::Zoom(25), QStringLiteral("  25%"));
    EXPECT_EQ(CStatusTexts::Zoom(1000), QStringLiteral("1000%"));
}

namespace {

struct Target : ICommandTarget
{
    CommandId mine;
    bool enabled = true;
    std::vector<CommandId> ran;
    Target(CommandId id, bool on) : mine(id), enabled(on) {}
    bool OnCommand(CommandId id) override
    {
        if (id != mine)
            return false;
        ran.push_back(id);
        return true;
    }
    bool OnUpdateCommand(CommandId id, CCommandState& state) override
    {
        if (id != mine)
            return false;
        state.enabled = enabled;
        return true;
    }
};

} // namespace

TEST(CommandRouter, FirstTargetWinsAndDisabledOrUnknownCommandsDoNotRun)
{
    Target view(CommandId::EditCopy, true);
    Target doc(CommandId::EditCopy, true);
    Target frame(CommandId::EditUndo, false);
    CCommandRouter router;
    router.AddTarget(&view);
    router.AddTarget(&doc);
    router.AddTarget(&frame);
    EXPECT_TRUE(router.Execute(CommandId::EditCopy));
    EXPECT_EQ(view.ran.size(), 1u);
    EXPECT_TRUE(doc.ran.empty());

    EXPECT_FALSE(router.Query(CommandId::EditUndo).enabled);
    EXPECT_FALSE(router.Execute(CommandId::EditUndo));
    EXPECT_TRUE(frame.ran.empty());

    EXPECT_FALSE(router.Query(CommandId::About).enabled);
    EXPECT_FALSE(router.Execute(CommandId::About));

    router.RemoveTarget(&view);
    EXPECT_TRUE(router.Execute(CommandId::EditCopy));
    EXPECT_EQ(doc.ran.size(), 1u);
}

namespace {

CDibImage Noise(int width, int height, unsigned seed)
{
    CDibImage image;
    image.Create(width, height, 24);
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = image.Row(y);
        for (int x = 0; x < 3 * width; ++x) {
            seed = seed * 1103515245u + 12345u;
            row[x] = std::uint8_t(seed >> 16);
        }
    }
    return image;
}

} // namespace

TEST(StretchCache, RestretchingOnlyTheChangesGivesTheFreshPicture)
{
    CDibImage plate = Noise(301, 203, 7);
    // Reductions and enlargements at awkward ratios, seen through a window
    // that cuts the plate.
    for (const auto& [dest, mode] : {std::pair{CRect{16, 16, 16 + 75, 16 + 50}, StretchMode::Halftone},
                                     std::pair{CRect{16, 16, 16 + 195, 16 + 131}, StretchMode::Halftone},
                                     std::pair{CRect{-40, -30, -40 + 1204, -30 + 812}, StretchMode::ColorOnColor}}) {
        const CRect visible{std::max(dest.left, 0), std::max(dest.top, 0), std::min(dest.right, 180), std::min(dest.bottom, 120)};
        CStretchCache cache;
        cache.Stretch(plate, dest, visible, mode);
        // A small object moves: two little patches of the plate change.
        for (int y = 40; y < 47; ++y)
            std::memset(plate.Row(y) + 3 * 100, 0x5A, 3 * 9);
        plate.SetPixel(300, 202, RGB(1, 2, 3));
        const QImage cached = cache.Stretch(plate, dest, visible, mode);
        CStretchCache fresh;
        EXPECT_EQ(cached, fresh.Stretch(plate, dest, visible, mode)) << dest.Width();
        // Nothing changed: the same picture again.
        EXPECT_EQ(cache.Stretch(plate, dest, visible, mode), cached);
    }
}
