// Rendering a full plate, as the view does on every paint: an ellipse
// material with margins, three pictures, a text block, a horizontal text
// and a fan text, against one copy of the plate's bytes; and composing the
// view's window from the rendered plate at three zooms.
#include "RatioReporter.h"
#include "SampleLayout.h"

#include "document/CPlateRenderer.h"
#include "document/CVeldraDoc.h"
#include "imaging/CDibImage.h"

#include "view/CViewComposer.h"
#include "view/CViewGeometry.h"

#include <QGuiApplication>
#include <QPainter>

#include <algorithm>

#include <cstring>
#include <vector>

namespace {

CVeldraDoc& Plate()
{
    static CVeldraDoc* doc = MakeSampleLayout().release();
    return *doc;
}

CDibImage& Target()
{
    static CDibImage target = MakePlateImage(Plate());
    return target;
}

void BM_MemcpyPlate(benchmark::State& state)
{
    std::vector<char> from(Target().BitsSize(), 1), to(from.size());
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size());
        benchmark::DoNotOptimize(to.data());
    }
}

void Render(benchmark::State& state, int mode)
{
    CPlateRenderer renderer(Plate());
    for (auto _ : state) {
        renderer.RenderPlate(Target(), mode);
        benchmark::DoNotOptimize(Target().Bits());
    }
}

void BM_RenderPlateScreen(benchmark::State& state) { Render(state, CPlateRenderer::screen); }

// What the view adds to a render on every paint: the visible part of the
// plate stretched to the zoom, the grid and the selection, in a 1000 x 700
// window.
void Compose(benchmark::State& state, int zoom)
{
    CPlateRenderer(Plate()).RenderPlate(Target(), CPlateRenderer::screen);
    CViewGeometry geometry;
    geometry.SetPlateSize(Plate().GetDeviceSize());
    geometry.SetClientSize({1000, 700});
    geometry.SetZoom(zoom);
    const GridSettings grid{{500, 500}, RGB(0x80, 0x80, 0x80), RGB(0xC0, 0xC0, 0xC0), true};
    CViewComposer::Scene scene;
    scene.geometry = &geometry;
    scene.client = {1000, 700};
    // Centred on the plate, as after zooming about its middle.
    const CSize scroll = geometry.ScrollSize();
    scene.scroll = {std::max(0, (scroll.cx - 1000) / 2), std::max(0, (scroll.cy - 700) / 2)};
    scene.plate = &Target();
    scene.grid = &grid;
    scene.selection = Plate().GetObjectAt(Plate().GetObjectCount() - 1);
    QImage window(1000, 700, QImage::Format_RGB32);
    for (auto _ : state) {
        // A fresh composer: the whole visible part is stretched, as after a
        // zoom or a scroll.
        CViewComposer composer(Plate());
        QPainter painter(&window);
        composer.Paint(painter, scene);
        benchmark::DoNotOptimize(window.bits());
    }
}

void BM_ComposeView25(benchmark::State& state) { Compose(state, 25); }
void BM_ComposeView100(benchmark::State& state) { Compose(state, 100); }
void BM_ComposeView400(benchmark::State& state) { Compose(state, 400); }
void BM_RenderPlateOutput(benchmark::State& state) { Render(state, CPlateRenderer::output); }

} // namespace

BENCHMARK(BM_MemcpyPlate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenderPlateScreen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenderPlateOutput)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ComposeView25)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ComposeView100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ComposeView400)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    Plate();
    Target();
    // The first render builds the outline's layer and the text caches.
    CPlateRenderer(Plate()).RenderPlate(Target(), CPlateRenderer::screen);
    return RunWithRatios(argc, argv, {
        {"BM_RenderPlateScreen", "BM_MemcpyPlate"},
        {"BM_RenderPlateOutput", "BM_MemcpyPlate"},
        {"BM_ComposeView25", "BM_MemcpyPlate"},
        {"BM_ComposeView100", "BM_MemcpyPlate"},
        {"BM_ComposeView400", "BM_MemcpyPlate"},
    });
}
