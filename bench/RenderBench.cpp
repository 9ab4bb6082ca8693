// Rendering a full plate, as the view does on every paint: an ellipse
// material with margins, three pictures, a text block, a horizontal text
// and a fan text, against one copy of the plate's bytes.
#include "RatioReporter.h"
#include "SampleLayout.h"

#include "document/CPlateRenderer.h"
#include "document/CVeldraDoc.h"
#include "imaging/CDibImage.h"

#include <QGuiApplication>

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
    static CDibImage target = [] {
        CDibImage image;
        const CSize size = Plate().GetDeviceSize();
        image.Create(size.cx, size.cy, 24);
        return image;
    }();
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
void BM_RenderPlateOutput(benchmark::State& state) { Render(state, CPlateRenderer::output); }

} // namespace

BENCHMARK(BM_MemcpyPlate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenderPlateScreen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenderPlateOutput)->Unit(benchmark::kMillisecond);

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
    });
}
