// Getting pictures in: JPEG import against decoding with jpeglib alone,
// fitting a large photo onto the plate, the library refresh cold and warm,
// and a flood fill over a full-plate pen layer.
#include "BenchImages.h"
#include "RatioReporter.h"

#include "acquire/CJpegReader.h"
#include "document/CPenCommands.h"
#include "document/CPictureCommands.h"
#include "document/CVeldraDoc.h"
#include "library/CLibraryRefresh.h"
#include "objects/CDibObj.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>
#include <vector>

#include <jpeglib.h>

namespace {

QTemporaryDir& Scratch()
{
    static QTemporaryDir dir;
    return dir;
}

const QString& PhotoJpeg()
{
    static const QString path = [] {
        const QString file = Scratch().filePath(QStringLiteral("photo.jpg"));
        MakePhoto(6000, 4000).ToQImage().save(file, "JPEG", 90);
        return file;
    }();
    return path;
}

const QString& LibraryFolder()
{
    static const QString folder = [] {
        const QString path = Scratch().filePath(QStringLiteral("Symbol"));
        QDir().mkpath(path);
        const CDibImage picture = MakePhoto(200, 150);
        for (int i = 0; i < 500; ++i) {
            CDibObj symbol;
            symbol.SetImageFrom(&picture, flagsSymbol, false);
            symbol.WriteSymbolFile(path + QStringLiteral("/symbol%1.vls").arg(i, 3, 10, QLatin1Char('0')));
        }
        return path;
    }();
    return folder;
}

// The floor: jpeglib decoding the same file into one buffer, nothing else.
void BM_DecodeWithJpeglibAlone(benchmark::State& state)
{
    const QByteArray name = QFile::encodeName(PhotoJpeg());
    std::vector<JSAMPLE> pixels;
    for (auto _ : state) {
        std::FILE* file = std::fopen(name.constData(), "rb");
        jpeg_decompress_struct info;
        jpeg_error_mgr error;
        info.err = jpeg_std_error(&error);
        jpeg_create_decompress(&info);
        jpeg_stdio_src(&info, file);
        jpeg_read_header(&info, TRUE);
        jpeg_start_decompress(&info);
        const std::size_t row = std::size_t(info.output_width) * info.output_components;
        pixels.resize(row * info.output_height);
        while (info.output_scanline < info.output_height) {
            JSAMPLE* line = pixels.data() + row * info.output_scanline;
            jpeg_read_scanlines(&info, &line, 1);
        }
        jpeg_finish_decompress(&info);
        jpeg_destroy_decompress(&info);
        std::fclose(file);
        benchmark::DoNotOptimize(pixels.data());
    }
}

void BM_JpegImport(benchmark::State& state)
{
    for (auto _ : state) {
        CDibImage image;
        CJpegReader::Load(image, PhotoJpeg());
        benchmark::DoNotOptimize(image.Bits());
    }
}

void BM_AddPictureOntoPlate(benchmark::State& state)
{
    static const CDibImage photo = MakePhoto(6000, 4000);
    for (auto _ : state) {
        state.PauseTiming();
        CVeldraDoc doc;
        doc.SetMaterialSize({9000, 9000});
        doc.SetDevice(529, 9000, 9000);
        CDibImage copy;
        copy.CopyImage(photo);
        state.ResumeTiming();
        CPictureCommands::AddPicture(doc, copy, QStringLiteral("photo"));
    }
}

void BM_MemcpyPhoto(benchmark::State& state)
{
    std::vector<char> from(6000u * 4000u * 3u, 1), to(from.size());
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size());
        benchmark::DoNotOptimize(to.data());
    }
}

void BM_LibraryRefreshCold(benchmark::State& state)
{
    CLibraryModel model;
    CLibraryRefresh::Options options;
    options.ignoreIndex = true; // every thumbnail made again
    for (auto _ : state)
        CLibraryRefresh::Refresh(LibraryFolder(), model, options);
}

void BM_LibraryRefreshWarm(benchmark::State& state)
{
    CLibraryModel model;
    CLibraryRefresh::Options options;
    CLibraryRefresh::Refresh(LibraryFolder(), model, options);
    for (auto _ : state)
        CLibraryRefresh::Refresh(LibraryFolder(), model, options);
}

void BM_ListFolder(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(QDir(LibraryFolder()).entryInfoList({QStringLiteral("*.vls")}, QDir::Files).size());
}

void BM_FillFullPlate(benchmark::State& state)
{
    CVeldraDoc doc;
    doc.SetMaterialSize({9000, 9000});
    doc.SetDevice(529, 9000, 9000);
    bool white = false;
    for (auto _ : state) {
        // Alternate the colour so every fill covers the whole layer.
        CDocumentSettings settings = doc.Settings();
        settings.penColor = white ? 0x000000 : 0xFFFFFF;
        doc.SetSettings(settings);
        white = !white;
        CPenCommands::FillAt(doc, {10, 10}, false);
    }
}

void BM_MemcpyPlate(benchmark::State& state)
{
    std::vector<char> from(1874u * 1876u * 3u, 1), to(from.size());
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size());
        benchmark::DoNotOptimize(to.data());
    }
}

} // namespace

BENCHMARK(BM_DecodeWithJpeglibAlone)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JpegImport)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MemcpyPhoto)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AddPictureOntoPlate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListFolder)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LibraryRefreshCold)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LibraryRefreshWarm)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MemcpyPlate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillFullPlate)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    PhotoJpeg();
    LibraryFolder();
    return RunWithRatios(argc, argv, {
        {"BM_JpegImport", "BM_DecodeWithJpeglibAlone"},
        {"BM_AddPictureOntoPlate", "BM_MemcpyPhoto"},
        {"BM_LibraryRefreshCold", "BM_ListFolder"},
        {"BM_LibraryRefreshWarm", "BM_ListFolder"},
        {"BM_FillFullPlate", "BM_MemcpyPlate"},
    });
}
