// Full-plate image work: run-length coding, image records, resampling and
// the keyed paste, each against a copy of the bytes it produces.
#include "BenchImages.h"
#include "RatioReporter.h"

#include "imaging/PackBits.h"
#include "platform/CArchive.h"

#include <QBuffer>
#include <QImage>

#include <cstring>
#include <vector>

namespace {

constexpr int plateSide = 1800;

const CDibImage& Photo()
{
    static const CDibImage photo = MakePhoto(plateSide, plateSide);
    return photo;
}

// The red plane of the photo, as the image record stores it.
const std::vector<std::uint8_t>& RedPlane()
{
    static const std::vector<std::uint8_t> plane = [] {
        std::vector<std::uint8_t> p;
        const CDibImage& photo = Photo();
        for (int y = photo.Height() - 1; y >= 0; --y)
            for (int x = 0; x < photo.Width(); ++x)
                p.push_back(photo.Row(y)[3 * x + 2]);
        return p;
    }();
    return plane;
}

void CopyBytes(benchmark::State& state, std::size_t size)
{
    std::vector<std::uint8_t> from(size, 7), to(size);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), size);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
}

void BM_MemcpyPlane(benchmark::State& state) { CopyBytes(state, RedPlane().size()); }
void BM_MemcpyPlate(benchmark::State& state) { CopyBytes(state, Photo().BitsSize()); }
void BM_MemcpyReduced(benchmark::State& state) { CopyBytes(state, 1800 * 1350 * 3); }

void BM_PackBitsEncodePlane(benchmark::State& state)
{
    std::vector<std::uint8_t> code;
    for (auto _ : state) {
        code.clear();
        PackBits::Encode(RedPlane().data(), RedPlane().size(), code);
        benchmark::DoNotOptimize(code.data());
    }
}

void BM_PackBitsDecodePlane(benchmark::State& state)
{
    std::vector<std::uint8_t> code;
    PackBits::Encode(RedPlane().data(), RedPlane().size(), code);
    std::vector<std::uint8_t> out(RedPlane().size());
    for (auto _ : state) {
        PackBits::Decode(code.data(), code.size(), out.data(), out.size());
        benchmark::DoNotOptimize(out.data());
    }
}

QByteArray StorePhoto()
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    CArchive ar(buffer, CArchive::store);
    const_cast<CDibImage&>(Photo()).Serialize(ar);
    ar.Flush();
    return bytes;
}

void BM_SerializeOut(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(StorePhoto().size());
}

void BM_SerializeIn(benchmark::State& state)
{
    QByteArray bytes = StorePhoto();
    for (auto _ : state) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        CArchive ar(buffer, CArchive::load);
        CDibImage image;
        image.Serialize(ar);
        benchmark::DoNotOptimize(image.Bits());
    }
}

const CDibImage& BigPhoto()
{
    static const CDibImage photo = MakePhoto(4000, 3000);
    return photo;
}

const CDibImage& SmallPhoto()
{
    static const CDibImage photo = MakePhoto(600, 450);
    return photo;
}

void BM_ResampleReduce(benchmark::State& state)
{
    const CDibImage& big = BigPhoto();
    CDibImage target;
    target.Create(1800, 1350, 24);
    for (auto _ : state)
        target.Resample(0, 0, 1800, 1350, big, 0, 0, 4000, 3000, transparentKey, keyReplacement);
}

void BM_ResampleEnlarge(benchmark::State& state)
{
    const CDibImage& small = SmallPhoto();
    CDibImage target;
    target.Create(1800, 1350, 24);
    for (auto _ : state)
        target.Resample(0, 0, 1800, 1350, small, 0, 0, 600, 450, transparentKey, keyReplacement);
}

void BM_QImageScaledReduce(benchmark::State& state)
{
    static const QImage big = BigPhoto().ToQImage();
    for (auto _ : state)
        benchmark::DoNotOptimize(big.scaled(1800, 1350, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).bits());
}

void BM_QImageScaledEnlarge(benchmark::State& state)
{
    static const QImage small = SmallPhoto().ToQImage();
    for (auto _ : state)
        benchmark::DoNotOptimize(small.scaled(1800, 1350, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).bits());
}

void BM_PasteKeyedFullPlate(benchmark::State& state)
{
    CDibImage plate;
    plate.Create(plateSide, plateSide, 24, 0xFFFFFF);
    const CRect all{0, 0, plateSide, plateSide};
    for (auto _ : state)
        plate.PasteKeyed(Photo(), &all, transparentKey);
}

} // namespace

BENCHMARK(BM_MemcpyPlane)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MemcpyPlate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MemcpyReduced)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PackBitsEncodePlane)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PackBitsDecodePlane)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SerializeOut)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SerializeIn)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ResampleReduce)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QImageScaledReduce)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ResampleEnlarge)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QImageScaledEnlarge)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PasteKeyedFullPlate)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    // Inputs are made before timing starts: a first run of one iteration
    // would otherwise carry their cost into the figures.
    RedPlane();
    BigPhoto();
    SmallPhoto();
    return RunWithRatios(argc, argv, {
        {"BM_PackBitsEncodePlane", "BM_MemcpyPlane"},
        {"BM_PackBitsDecodePlane", "BM_MemcpyPlane"},
        {"BM_SerializeOut", "BM_MemcpyPlate"},
        {"BM_SerializeIn", "BM_MemcpyPlate"},
        // Our resampling against Qt's smooth scaling of the same sizes.
        {"BM_ResampleReduce", "BM_QImageScaledReduce"},
        {"BM_QImageScaledReduce", "BM_MemcpyReduced"},
        {"BM_ResampleEnlarge", "BM_QImageScaledEnlarge"},
        {"BM_QImageScaledEnlarge", "BM_MemcpyReduced"},
        {"BM_PasteKeyedFullPlate", "BM_MemcpyPlate"},
    });
}
