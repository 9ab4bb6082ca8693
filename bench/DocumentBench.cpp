// Whole documents and the undo history at full-plate size: a 90 mm plate at
// the engraver's 529 dpi holding either an 1800 x 1800 photo (shown at 1874
// pixels, so opening it also builds the display image) or the drawing-pen
// layer, which is mostly transparent key with a few strokes. Every figure is
// set against a memcpy of the 1800 x 1800 pixel block in the same run.
#include "BenchImages.h"
#include "RatioReporter.h"

#include "document/CDocumentFile.h"
#include "document/CVeldraDoc.h"
#include "imaging/PixelBlock.h"
#include "objects/CPenPainter.h"
#include "objects/CDibObj.h"
#include "objects/ObjectFlags.h"

#include <QTemporaryDir>

#include <malloc.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

constexpr int imageSide = 1800;
constexpr int plateSide = 9000; // 0.01 mm
constexpr int resolution = 529;

const CDibImage& Photo()
{
    static const CDibImage photo = MakePhoto(imageSide, imageSide);
    return photo;
}

// The pen layer as a few minutes of drawing leave it: key colour everywhere
// except some strokes of 6-pixel pens.
const CDibImage& PenStrokes()
{
    static const CDibImage strokes = [] {
        CDibImage image;
        image.Create(imageSide, imageSide, 24, transparentKey);
        const auto dab = [&](int cx, int cy, COLORREF colour) {
            for (int y = cy - 3; y < cy + 3; ++y)
                for (int x = cx - 3; x < cx + 3; ++x)
                    if (x >= 0 && y >= 0 && x < imageSide && y < imageSide) {
                        std::uint8_t* p = image.Row(y) + 3 * x;
                        p[0] = std::uint8_t(GetBValue(colour));
                        p[1] = std::uint8_t(GetGValue(colour));
                        p[2] = std::uint8_t(GetRValue(colour));
                    }
        };
        for (int stroke = 0; stroke < 6; ++stroke) {
            const COLORREF colour = stroke % 2 ? 0xFFFFFF : 0x000000;
            for (int t = 0; t < 1400; ++t) {
                const int x = 200 + t;
                const int y = 250 + stroke * 250 + int(80 * std::sin(t / (60.0 + 15 * stroke)));
                dab(x, y, colour);
            }
        }
        return image;
    }();
    return strokes;
}

std::unique_ptr<CDibObj> MakeLayer(const CDibImage& image, std::uint32_t flags)
{
    auto object = std::make_unique<CDibObj>();
    if (!object->SetImageFrom(&image, flags, (flags & SOK_MASK) == SOK_PICTURE))
        std::abort();
    object->SetBounds(0, 0, plateSide, plateSide);
    return object;
}

// A 90 x 90 mm plate at 529 dpi holding one full-plate object.
void SetUp(CVeldraDoc& doc, const CDibImage& image, std::uint32_t flags)
{
    doc.SetMaterialSize({plateSide, plateSide});
    doc.SetDevice(resolution, plateSide, plateSide);
    auto object = MakeLayer(image, flags);
    object->Refresh(&doc);
    doc.InsertAt(std::move(object), 0);
}

CVeldraDoc& PhotoDocument()
{
    static CVeldraDoc doc;
    return doc;
}

CVeldraDoc& PenDocument()
{
    static CVeldraDoc doc;
    return doc;
}

// Files for the open and save benchmarks; TMPDIR chooses where they go.
QTemporaryDir& Folder()
{
    static QTemporaryDir folder;
    return folder;
}

QString PhotoFile() { return Folder().filePath("photo.vlz"); }
QString PenFile() { return Folder().filePath("pen.vlz"); }

void BM_MemcpyImage(benchmark::State& state)
{
    const std::size_t size = Photo().BitsSize();
    std::vector<std::uint8_t> from(size, 7), to(size);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), size);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
}

void Save(benchmark::State& state, CVeldraDoc& doc, const QString& path)
{
    for (auto _ : state)
        if (!CDocumentFile::Save(doc, path).ok)
            state.SkipWithError("save failed");
}

void Open(benchmark::State& state, const QString& path)
{
    CVeldraDoc doc;
    doc.SetDevice(resolution, plateSide, plateSide);
    for (auto _ : state)
        if (!CDocumentFile::Open(doc, path).ok)
            state.SkipWithError("open failed");
}

void BM_SavePhotoDocument(benchmark::State& state) { Save(state, PhotoDocument(), PhotoFile()); }
void BM_OpenPhotoDocument(benchmark::State& state) { Open(state, PhotoFile()); }
void BM_SavePenDocument(benchmark::State& state) { Save(state, PenDocument(), PenFile()); }
void BM_OpenPenDocument(benchmark::State& state) { Open(state, PenFile()); }

// A 6-pixel pen stroke of a few hundred pixels, drawn as the pen tool
// draws it; n chooses where, so that successive strokes differ.
void DrawStroke(CSymbolObj* layer, int n)
{
    static CPenPainter pen;
    pen.SetPen(6, n % 2 ? 0xFFFFFF : 0x000000);
    const int x0 = 100 + (n * 137) % 1200, y0 = 100 + (n * 211) % 1500;
    pen.BeginStroke(layer, x0, y0, true);
    for (int t = 1; t < 400; t += 4)
        pen.AddPoint(x0 + t, y0 + int(60 * std::sin(t / 50.0)));
    pen.EndStroke(x0 + 400, y0);
}

// What a stroke pays for its undo step: the record made before it, the copy
// of the layer its first write then takes, and the step before it reduced
// to the rows that changed. The history keeps its usual depth.
void BM_RecordUndoPen(benchmark::State& state)
{
    CVeldraDoc& doc = PenDocument();
    CSymbolObj* layer = doc.GetObjectAt(0);
    int n = 0;
    for (auto _ : state) {
        if (!doc.RecordUndo(UndoKind::changed, layer, false))
            state.SkipWithError("record failed");
        // One pixel stands for the stroke: its drawing is not undo's cost.
        layer->GetImage(false)->SetPixel(n % imageSide, 7, n % 2 ? 0xFFFFFF : 0x000000);
        ++n;
    }
    while (doc.UndoHistory().UndoCount() > 0)
        doc.DropLastUndo();
}

// A change to a picture records the whole object; the record is dropped
// again at once so that a hundred of them do not pile up.
void BM_RecordUndoPhoto(benchmark::State& state)
{
    CVeldraDoc& doc = PhotoDocument();
    CSymbolObj* object = doc.GetObjectAt(0);
    for (auto _ : state) {
        if (!doc.RecordUndo(UndoKind::changed, object, false))
            state.SkipWithError("record failed");
        doc.DropLastUndo();
    }
}

// One undo and one redo of a whole-object change.
void UndoRedo(benchmark::State& state, CVeldraDoc& doc)
{
    if (!doc.RecordUndo(UndoKind::changed, doc.GetObjectAt(0), false))
        std::abort();
    for (auto _ : state)
        if (!doc.Undo() || !doc.Redo())
            state.SkipWithError("undo or redo failed");
    doc.DropLastUndo();
}

std::size_t HeapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd + PixelBlock::MappedBytes();
}

// The memory a full history of pen strokes holds: a hundred strokes drawn
// with the pen on a blank full-plate layer, each recorded first, as the pen
// tool does. Reported as a count of layers (counter "layers").
void BM_UndoMemoryPen(benchmark::State& state)
{
    double layers = 0;
    for (auto _ : state) {
        CVeldraDoc doc;
        CDibImage blank;
        blank.Create(imageSide, imageSide, 24, transparentKey);
        SetUp(doc, blank, flagsPenLayer);
        CSymbolObj* layer = doc.GetObjectAt(0);
        const std::size_t before = HeapInUse();
        for (int n = 0; n < 100; ++n) {
            doc.RecordUndo(UndoKind::changed, layer, false);
            DrawStroke(layer, n);
        }
        layers = double(HeapInUse() - before) / double(blank.BitsSize());
    }
    state.counters["layers"] = layers;
}

void BM_UndoRedoPen(benchmark::State& state) { UndoRedo(state, PenDocument()); }
void BM_UndoRedoPhoto(benchmark::State& state) { UndoRedo(state, PhotoDocument()); }

} // namespace

BENCHMARK(BM_MemcpyImage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SavePhotoDocument)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenPhotoDocument)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SavePenDocument)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenPenDocument)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecordUndoPen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecordUndoPhoto)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoRedoPen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoRedoPhoto)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoMemoryPen)->Unit(benchmark::kMillisecond)->Iterations(1);

int main(int argc, char** argv)
{
    // Documents and their files are made before timing starts: a first run
    // of one iteration would otherwise carry their cost into the figures.
    if (!Folder().isValid()) {
        std::fprintf(stderr, "no temporary folder\n");
        return 1;
    }
    SetUp(PhotoDocument(), Photo(), flagsPicture);
    SetUp(PenDocument(), PenStrokes(), flagsPenLayer);
    if (!CDocumentFile::Save(PhotoDocument(), PhotoFile()).ok || !CDocumentFile::Save(PenDocument(), PenFile()).ok) {
        std::fprintf(stderr, "cannot write the benchmark documents\n");
        return 1;
    }
    const char* const baseline = "BM_MemcpyImage";
    return RunWithRatios(argc, argv, {
        {"BM_SavePhotoDocument", baseline},
        {"BM_OpenPhotoDocument", baseline},
        {"BM_SavePenDocument", baseline},
        {"BM_OpenPenDocument", baseline},
        {"BM_RecordUndoPen", baseline},
        {"BM_RecordUndoPhoto", baseline},
        {"BM_UndoRedoPen", baseline},
        {"BM_UndoRedoPhoto", baseline},
    });
}
