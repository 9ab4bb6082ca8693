// Rendering a full plate, as the view does on every paint: an ellipse
// material with margins, three pictures, a text block, a horizontal text
// and a fan text, against one copy of the plate's bytes.
#include "BenchImages.h"
#include "RatioReporter.h"

#include "document/CMaterialShapes.h"
#include "document/CPlateRenderer.h"
#include "document/CVeldraDoc.h"
#include "objects/CArcTextObj.h"
#include "objects/CDibObj.h"
#include "objects/CTextObj.h"

#include <QGuiApplication>

#include <cstring>
#include <vector>

namespace {

CVeldraDoc& Plate()
{
    static CVeldraDoc* doc = [] {
        auto* d = new CVeldraDoc;
        CDocumentSettings settings;
        settings.marginTopLeft = {200, 200};
        d->SetSettings(settings);
        d->OnNewDocument();
        d->SetMaterialSize({9000, 9000});
        d->SetDevice(529, 9000, 9000);
        CMaterialShapes::MakeMaterialShape(*d, CMaterialShapes::ellipse);
        const CDibImage photo = MakePhoto(1200, 900);
        const CPoint centres[3] = {{-2000, 1500}, {1500, 1000}, {0, -1800}};
        for (const CPoint& c : centres) {
            auto picture = std::make_unique<CDibObj>();
            picture->SetImageFrom(&photo, flagsPicture, true);
            picture->SetBounds(c.x, c.y, 4000, 3000);
            picture->Refresh(d);
            d->InsertAt(std::move(picture), -1);
        }
        auto block = std::make_unique<CTextObj>();
        block->m_strName = "Plate 42\r\nEngraved";
        block->m_pDoc = d;
        block->m_bFillBackground = 1;
        block->SetBounds(0, 2500, 3000, 1200);
        d->InsertAt(std::move(block), 0);
        auto line = std::make_unique<CFreeTextObj>();
        line->m_strName = line->m_layout.m_strText = "HORIZONTAL TEXT";
        line->m_pDoc = d;
        line->SetBounds(0, -500, 5000, 600);
        d->InsertAt(std::move(line), 0);
        auto fan = std::make_unique<CArcTextObj>();
        fan->m_strName = fan->m_layout.m_strText = "TEXT ON AN ARC AROUND THE PLATE";
        fan->m_pDoc = d;
        fan->m_layout.m_fRadius = 350;
        fan->m_layout.m_fSpread = 40;
        fan->SetBounds(0, 0, 7000, 500);
        d->InsertAt(std::move(fan), 0);
        return d;
    }();
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
