// Dragging a picture across a full plate in the view: the time from a
// mouse-move event to the end of the repaint it causes, at 25, 100 and
// 400 %, against rendering the plate alone (which every paint does).
//
// view_bench --write-sample=FILE saves the layout it drags on as a
// document and stops, for looking at it in the program.
#include "RatioReporter.h"
#include "SampleLayout.h"

#include "document/CDocumentFile.h"
#include "document/CPlateRenderer.h"
#include "document/CVeldraDoc.h"
#include "view/CVeldraView.h"
#include "settings/GridSettings.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QWindow>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

namespace {

CVeldraDoc& Plate()
{
    static CVeldraDoc* doc = MakeSampleLayout().release();
    return *doc;
}

GridSettings& Grid()
{
    static GridSettings grid{{500, 500}, RGB(0x80, 0x80, 0x80), RGB(0xC0, 0xC0, 0xC0), true};
    return grid;
}

CVeldraView& View()
{
    static CVeldraView* view = [] {
        auto* v = new CVeldraView(Plate(), Grid());
        v->resize(1000, 700);
        v->show();
        // A window that is not exposed yet does not paint at all.
        QElapsedTimer waited;
        waited.start();
        while (!(v->windowHandle() && v->windowHandle()->isExposed()) && waited.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        v->OnInitialUpdate(100);
        return v;
    }();
    return *view;
}

void BM_RenderPlate(benchmark::State& state)
{
    CDibImage target;
    const CSize size = Plate().GetDeviceSize();
    target.Create(size.cx, size.cy, 24);
    CPlateRenderer renderer(Plate());
    // Warm, as the view's renderer is: the outline's layer is kept.
    renderer.RenderPlate(target, CPlateRenderer::screen);
    for (auto _ : state) {
        renderer.RenderPlate(target, CPlateRenderer::screen);
        benchmark::DoNotOptimize(target.Bits());
    }
}

void SendMouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QWidget* port = View().viewport();
    QMouseEvent event(type, at, port->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(port, &event);
}

void BM_DragRepaint(benchmark::State& state, int zoom)
{
    CVeldraView& view = View();
    view.SetZoom(zoom);
    CSymbolObj* picture = Plate().GetObjectAt(Plate().GetObjectCount() - 1);
    // Bring the picture into the window, select it, and take hold of it.
    const CPoint device = Plate().DocToDevice(picture->GetPosition());
    const CPoint viewPoint = view.Geometry().DeviceToView(device);
    view.ScrollTo(QPoint(viewPoint.x, viewPoint.y) - QPoint(500, 350));
    view.SetSelection(picture);
    QPoint at = view.DeviceToClient(device);
    SendMouse(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    int step = 0;
    for (auto _ : state) {
        // Back and forth across the window, two pixels at a time.
        at += QPoint((step++ / 100) % 2 ? -2 : 2, 0);
        SendMouse(QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
        view.viewport()->repaint();
    }
    SendMouse(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    if (picture->GetPosition() == Plate().DeviceToDoc(device))
        state.SkipWithError("the picture did not move");
    // Each drag leaves one undo step; keep the history from growing.
    Plate().Undo();
}

int WriteSample(const char* path)
{
    const CDocumentFile::Result result = CDocumentFile::Save(Plate(), QString::fromLocal8Bit(path));
    if (!result.ok)
        std::fprintf(stderr, "%s\n", qPrintable(result.message));
    return result.ok ? 0 : 1;
}

} // namespace

BENCHMARK(BM_RenderPlate)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    constexpr const char* sampleOption = "--write-sample=";
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], sampleOption, std::strlen(sampleOption)) == 0)
            return WriteSample(argv[i] + std::strlen(sampleOption));
    }
    for (int zoom : {25, 100, 400}) {
        const std::string name = "BM_DragRepaint" + std::to_string(zoom);
        benchmark::RegisterBenchmark(name.c_str(), BM_DragRepaint, zoom)->Unit(benchmark::kMillisecond);
    }
    View();
    // The first paint builds the outline's layer and the text caches.
    View().viewport()->repaint();
    return RunWithRatios(argc, argv, {{"BM_DragRepaint25", "BM_RenderPlate"},
                                      {"BM_DragRepaint100", "BM_RenderPlate"},
                                      {"BM_DragRepaint400", "BM_RenderPlate"}});
}
