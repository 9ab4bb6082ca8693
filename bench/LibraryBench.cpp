// The library: refreshing a folder's rows and thumbnails with and without a
// current "index.vli", and opening the library window, for the starter
// library and for a folder of 500 entries, against listing the folder's
// symbol files with their sizes and times (which every refresh does first).
#include "BenchImages.h"
#include "PaintWatch.h"
#include "RatioReporter.h"

#include "library/CLibraryIndex.h"
#include "library/CLibraryRefresh.h"
#include "library/window/CLibraryGrid.h"
#include "library/window/CSymbolDlg.h"
#include "objects/CDibObj.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QScreen>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>
#include <string>

namespace {

constexpr int bigLibrarySize = 500;

QTemporaryDir& Scratch()
{
    static QTemporaryDir dir;
    return dir;
}

// The starter library is copied, so that removing its index here leaves
// the built program's folders alone.
QString StarterCopy(const char* kindFolder)
{
    const QString to = Scratch().filePath(QLatin1String(kindFolder));
    const QDir from(QDir(QStringLiteral(VELDRA_STARTER_DIR)).filePath(QLatin1String(kindFolder)));
    QDir().mkpath(to);
    for (const QFileInfo& file : from.entryInfoList({QStringLiteral("*.vls")}, QDir::Files))
        QFile::copy(file.filePath(), QDir(to).filePath(file.fileName()));
    return to;
}

// A symbol of a few hundred pixels: photo-like inside an ellipse,
// transparent around it.
std::unique_ptr<CDibObj> MakeSymbol(int width, int height)
{
    CDibImage image = MakePhoto(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double u = (2.0 * x + 1) / width - 1, v = (2.0 * y + 1) / height - 1;
            if (u * u + v * v > 1)
                image.SetPixel(x, y, transparentKey);
        }
    }
    auto symbol = std::make_unique<CDibObj>(true);
    symbol->SetImageFrom(&image, flagsSymbol, false);
    return symbol;
}

// A scanned plate reduced to black and white.
std::unique_ptr<CDibObj> MakeMaterial(int width, int height)
{
    CDibImage image = MakePhoto(width, height);
    image.ConvertDepth(1);
    auto material = std::make_unique<CDibObj>(true);
    material->SetImageFrom(&image, flagsMaterial, false);
    return material;
}

// 500 entries named as people name theirs: "Anchor outline", "Bell 3D"...
// One in five is a material, the rest symbols of 160 to 440 pixels.
QString BigLibrary()
{
    static const QString folder = [] {
        static const char* const nouns[] = {"Anchor", "Arrow", "Badge", "Bell", "Bolt", "Crown", "Diamond", "Eagle",
                                            "Feather", "Flag", "Gear", "Heart", "Horseshoe", "Key", "Leaf", "Lion",
                                            "Moon", "Oak", "Rose", "Shield", "Ship", "Star", "Sun", "Tree", "Wave"};
        static const char* const styles[] = {"outline", "filled", "small", "large", "3D", "shadow", "double", "thin",
                                             "bold", "round", "square", "left", "right", "old", "new", "plain",
                                             "ornate", "framed", "mirror", "tilted"};
        const QString to = Scratch().filePath(QStringLiteral("Big"));
        QDir().mkpath(to);
        int n = 0;
        for (const char* noun : nouns) {
            for (const char* style : styles) {
                const int w = 160 + (n * 37) % 280, h = 160 + (n * 53) % 280;
                const std::unique_ptr<CDibObj> entry = n % 5 == 4 ? MakeMaterial(w * 2, h * 2) : MakeSymbol(w, h);
                const QString name = QStringLiteral("%1 %2").arg(QLatin1String(noun), QLatin1String(style));
                entry->WriteSymbolFile(QDir(to).filePath(name + QStringLiteral(".vls")));
                ++n;
            }
        }
        return to;
    }();
    return folder;
}

void RemoveIndex(const QString& folder)
{
    QFile::remove(QDir(folder).filePath(QLatin1String(CLibraryIndex::fileName)));
}

void BM_ListFolder(benchmark::State& state, QString folder)
{
    for (auto _ : state) {
        const QFileInfoList files = QDir(folder).entryInfoList({QStringLiteral("*.vls")}, QDir::Files, QDir::Name);
        qint64 sum = 0;
        for (const QFileInfo& file : files)
            sum += file.size() + file.lastModified().toSecsSinceEpoch();
        benchmark::DoNotOptimize(sum);
    }
}

void BM_Refresh(benchmark::State& state, QString folder, int kind, bool cold)
{
    CLibraryRefresh::Options options;
    options.kind = kind;
    CLibraryModel model;
    CLibraryRefresh::Refresh(folder, model, options); // leaves a current index
    for (auto _ : state) {
        if (cold) {
            state.PauseTiming();
            RemoveIndex(folder);
            state.ResumeTiming();
        }
        const CLibraryRefresh::Result result = CLibraryRefresh::Refresh(folder, model, options);
        if (result.decoded != (cold ? model.rowCount() : 0)) {
            state.SkipWithError("the refresh decoded the wrong files");
            break;
        }
    }
}

bool OpenWindow(const QString& folder)
{
    CSymbolDlg dlg(CLibraryModel::symbol, folder, {});
    CPaintWatch watch(dlg.Grid()->viewport());
    dlg.show();
    return watch.Wait(10000) && dlg.Model().rowCount() == bigLibrarySize;
}

void BM_OpenWindow(benchmark::State& state, bool cold)
{
    const QString folder = BigLibrary();
    // An index for the screen's depth, as the window reads it.
    CLibraryRefresh::Options options;
    options.screenDepth = QGuiApplication::primaryScreen()->depth();
    CLibraryModel model;
    CLibraryRefresh::Refresh(folder, model, options);
    for (auto _ : state) {
        if (cold) {
            state.PauseTiming();
            RemoveIndex(folder);
            state.ResumeTiming();
        }
        if (!OpenWindow(folder)) {
            state.SkipWithError("the window did not list the folder");
            break;
        }
    }
}

void Register(const std::string& name, const QString& folder, int kind,
              std::map<std::string, std::string>& baselines)
{
    const std::string list = "BM_List" + name;
    benchmark::RegisterBenchmark(list.c_str(), BM_ListFolder, folder)->Unit(benchmark::kMillisecond);
    for (const bool cold : {false, true}) {
        const std::string refresh = (cold ? "BM_ColdRefresh" : "BM_WarmRefresh") + name;
        benchmark::RegisterBenchmark(refresh.c_str(), BM_Refresh, folder, kind, cold)->Unit(benchmark::kMillisecond);
        baselines[refresh] = list;
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    std::map<std::string, std::string> baselines;
    Register("Mask", StarterCopy("Mask"), CLibraryModel::material, baselines);
    Register("Frame", StarterCopy("Frame"), CLibraryModel::frame, baselines);
    Register("Symbol", StarterCopy("Symbol"), CLibraryModel::symbol, baselines);
    Register("500", BigLibrary(), CLibraryModel::symbol, baselines);
    benchmark::RegisterBenchmark("BM_OpenWindowWarm500", BM_OpenWindow, false)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_OpenWindowCold500", BM_OpenWindow, true)->Unit(benchmark::kMillisecond);
    baselines["BM_OpenWindowWarm500"] = baselines["BM_OpenWindowCold500"] = "BM_List500";
    return RunWithRatios(argc, argv, baselines);
}
