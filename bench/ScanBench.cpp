// Scanning an A4 page at 300 dpi in colour from the scanner library's test
// device through a whole scan session (library start, device open, options,
// reading and assembling the picture, closing), against the library's own
// command-line scanner making the same scan into /dev/null in the same run.
#include "RatioReporter.h"
#include "SaneTestBackend.h"

#include "acquire/scan/CScanSession.h"

#include <QGuiApplication>
#include <QProcess>

#include <cstdio>
#include <memory>

namespace {

constexpr int a4Dpi = 300;
const QRectF a4Mm(0, 0, 210, 297);

SaneTestBackend& Backend()
{
    static SaneTestBackend backend;
    return backend;
}

void BM_ScanimageA4(benchmark::State& state)
{
    const QStringList arguments{"-d", "test:0", "--mode", "Color", "--resolution", QString::number(a4Dpi),
                                "-l", "0", "-t", "0", "-x", "210", "-y", "297"};
    for (auto _ : state) {
        QProcess scanimage;
        scanimage.setStandardOutputFile(QProcess::nullDevice());
        scanimage.setStandardErrorFile(QProcess::nullDevice());
        scanimage.start("scanimage", arguments);
        if (!scanimage.waitForFinished(60000) || scanimage.exitCode() != 0)
            state.SkipWithError("scanimage failed");
    }
}

void BM_ScanSessionA4(benchmark::State& state)
{
    for (auto _ : state) {
        CScanSession session("test:0");
        if (!session.Open()) {
            state.SkipWithError("the test device does not open");
            break;
        }
        const ScanResult result = session.Scan({a4Dpi, "Color", a4Mm});
        if (result.status != ScanResult::Status::ok) {
            state.SkipWithError(result.error.toStdString().c_str());
            break;
        }
        benchmark::DoNotOptimize(result.image.Bits());
    }
}

} // namespace

BENCHMARK(BM_ScanimageA4)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ScanSessionA4)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (!Backend().Available()) {
        std::fprintf(stderr, "scan_bench: the scanner library's test backend is missing\n");
        return 1;
    }
    return RunWithRatios(argc, argv, {{"BM_ScanSessionA4", "BM_ScanimageA4"}});
}
