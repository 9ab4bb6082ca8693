// Crop Image on a camera-sized photo: one Fill Paint click (the tolerance
// test over every pixel, the flood fill and the undo snapshot) against a
// copy of the same picture's bytes.
#include "BenchImages.h"
#include "RatioReporter.h"

#include "imaging/CCropMask.h"

#include <QGuiApplication>

#include <cstring>
#include <vector>

namespace {

constexpr int photoWidth = 4000;
constexpr int photoHeight = 3000;

CDibImage& Photo()
{
    static CDibImage photo = MakePhoto(photoWidth, photoHeight);
    return photo;
}

void BM_MemcpyPhoto(benchmark::State& state)
{
    std::vector<char> from(std::size_t(photoWidth) * photoHeight * 3u, 1), to(from.size());
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size());
        benchmark::DoNotOptimize(to.data());
    }
}

void BM_FillPaintClick(benchmark::State& state)
{
    CCropMask mask;
    for (auto _ : state) {
        // Each click starts from a clear mask, as the first click does.
        state.PauseTiming();
        mask.Init(&Photo());
        state.ResumeTiming();
        mask.FillSelect({photoWidth / 2, photoHeight / 2}, 20);
        benchmark::DoNotOptimize(mask.Mask().Bits());
    }
}

} // namespace

BENCHMARK(BM_MemcpyPhoto)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillPaintClick)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    Photo();
    return RunWithRatios(argc, argv, {{"BM_FillPaintClick", "BM_MemcpyPhoto"}});
}
