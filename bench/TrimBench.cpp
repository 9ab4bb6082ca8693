// Trimming a 24-megapixel photo on a full-size plate: the chosen part of
// the full-resolution picture reduced for the engraver and made the
// object's picture, with its undo step, against one memcpy of the photo.
#include "BenchImages.h"
#include "RatioReporter.h"

#include "document/CPictureCommands.h"
#include "document/CVeldraDoc.h"
#include "objects/CDibObj.h"

#include <QGuiApplication>

#include <cstring>
#include <vector>

namespace {

const CDibImage& Photo()
{
    static const CDibImage photo = MakePhoto(6000, 4000);
    return photo;
}

void BM_MemcpyPhoto(benchmark::State& state)
{
    std::vector<char> to(Photo().BitsSize());
    for (auto _ : state) {
        std::memcpy(to.data(), Photo().Bits(), to.size());
        benchmark::DoNotOptimize(to.data());
    }
}

// The dialog's All mode with Keep Aspect on a 90 x 90 mm plate: the whole
// photo at 85 x 56.7 mm.
void BM_TrimPhoto(benchmark::State& state)
{
    CVeldraDoc doc;
    doc.SetDevice(529, 9000, 9000);
    CDibImage working;
    working.CopyImage(Photo());
    CDibObj* picture = CPictureCommands::AddPicture(doc, working, QStringLiteral("photo"));
    const CPictureCommands::TrimChoice choice{0, {6, 6, 414, 278}, {0, 0, 6000, 4000}, {8500, 5667}};
    for (auto _ : state) {
        if (!CPictureCommands::Trim(doc, *picture, Photo(), choice)) {
            state.SkipWithError("the trim failed");
            break;
        }
        // The picture is the same object each time: undo records pile up
        // as they would for a user trimming again and again.
        benchmark::DoNotOptimize(picture->StoredImage().Bits());
    }
}

} // namespace

BENCHMARK(BM_MemcpyPhoto)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TrimPhoto)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    Photo();
    return RunWithRatios(argc, argv, {{"BM_TrimPhoto", "BM_MemcpyPhoto"}});
}
