// Printing the full-size sample plate to the engraver, from the command to
// the job's last byte handed to the private scheduler (binding the layout to
// the printer, rendering for output, the raster page, the job), against one
// output render of the same plate.
#include "CupsTestServer.h"
#include "RatioReporter.h"
#include "SampleLayout.h"

#include "document/CPlateRenderer.h"
#include "document/CVeldraDoc.h"
#include "imaging/CDibImage.h"
#include "output/CEngraverDevice.h"
#include "output/CEngraverJob.h"
#include "output/CPlatePrint.h"

#include <QGuiApplication>

#include <cstdio>

namespace {

const QString engraverQueue = QStringLiteral("Corvex_KTX_90");

CVeldraDoc& Plate()
{
    static CVeldraDoc* doc = MakeSampleLayout().release();
    return *doc;
}

void BM_RenderPlateOutput(benchmark::State& state)
{
    CDibImage target;
    const CSize size = Plate().GetDeviceSize();
    target.Create(size.cx, size.cy, 24);
    for (auto _ : state) {
        CPlateRenderer(Plate()).RenderPlate(target, CPlateRenderer::output);
        benchmark::DoNotOptimize(target.Bits());
    }
}

// The parts of a print, to see where its time goes.
void BM_BindToEngraver(benchmark::State& state)
{
    CEngraverDevice device(engraverQueue);
    device.Query();
    for (auto _ : state)
        CPlatePrint::BindDocument(Plate())(device.Resolution(), device.PageWidth() * 10, device.PageHeight() * 10);
}

void BM_RasterPage(benchmark::State& state)
{
    CEngraverDevice device(engraverQueue);
    device.Query();
    CDibImage plate;
    const CSize size = Plate().GetDeviceSize();
    plate.Create(size.cx, size.cy, 24);
    CPlateRenderer(Plate()).RenderPlate(plate, CPlateRenderer::output);
    const CRasterPage::Format format = CEngraverJob::PageFormat(device, 1);
    for (auto _ : state) {
        std::size_t bytes = 0;
        CRasterPage::Write(plate, CPlatePrint::CentredOffset(size, {format.widthDots, format.heightDots}), format, [&bytes](const unsigned char*, std::size_t length) {
            bytes += length;
            return true;
        });
        benchmark::DoNotOptimize(bytes);
    }
}

void BM_PrintToEngraver(benchmark::State& state)
{
    for (auto _ : state) {
        CEngraverDevice device(engraverQueue);
        if (!device.Query()) {
            state.SkipWithError("no engraver queue");
            break;
        }
        CEngraverJob job(device, QStringLiteral("bench.vlz"), 1, {});
        if (!CPlatePrint::Print(Plate(), device, CPlatePrint::BindDocument(Plate()), job)) {
            state.SkipWithError("the job did not go out");
            break;
        }
    }
}

} // namespace

BENCHMARK(BM_RenderPlateOutput)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BindToEngraver)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RasterPage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PrintToEngraver)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    CupsTestServer& server = CupsTestServer::Instance();
    if (!server.EnsureStarted()) {
        std::fprintf(stderr, "%s\n", qPrintable(server.Failure()));
        return 1;
    }
    // Bound once as the program is at start, so both sides render the same
    // plate.
    CEngraverDevice device(engraverQueue);
    if (device.Query())
        Plate().SetDevice(device.Resolution(), device.PageWidth() * 10, device.PageHeight() * 10);
    const int result = RunWithRatios(argc, argv, {{"BM_BindToEngraver", "BM_RenderPlateOutput"},
                                                         {"BM_RasterPage", "BM_RenderPlateOutput"},
                                                         {"BM_PrintToEngraver", "BM_RenderPlateOutput"}});
    server.Stop();
    return result;
}
