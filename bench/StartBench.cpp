// Starting the program as its main does it, in one process: the settings
// and data folder read, the main window made and shown, the layout named
// on the command line opened, until the view has painted the plate once.
// A start with the benchmark plate's layout against a start with none.
#include "PaintWatch.h"
#include "RatioReporter.h"
#include "SampleLayout.h"

#include "app/CMainFrame.h"
#include "app/CVeldraApp.h"
#include "app/shell/CRecentFileList.h"
#include "document/CDocumentFile.h"
#include "document/CVeldraDoc.h"
#include "view/CVeldraView.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace {

QTemporaryDir& Home()
{
    static QTemporaryDir home;
    return home;
}

QString LayoutFile() { return Home().filePath(QStringLiteral("plate.vlz")); }

bool Start(const QString& file)
{
    CVeldraApp app(nullptr);
    app.Startup();
    CRecentFileList recent;
    CVeldraDoc doc;
    app.Attach(doc);
    CMainFrame frame(app, doc, recent, false);
    CPaintWatch watch(frame.View().viewport());
    frame.show();
    frame.OpenOnStart(file);
    return watch.Wait(10000) && (file.isEmpty() || doc.GetObjectCount() > 0);
}

void StartWith(benchmark::State& state, const QString& file)
{
    for (auto _ : state)
        if (!Start(file))
            state.SkipWithError("the view did not paint the layout");
}

void BM_StartEmpty(benchmark::State& state) { StartWith(state, {}); }
void BM_StartWithLayout(benchmark::State& state) { StartWith(state, LayoutFile()); }

} // namespace

BENCHMARK(BM_StartEmpty)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartWithLayout)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!Home().isValid())
        return 1;
    // Settings and libraries of the benchmark's own, as a user's after the first start.
    for (const char* variable : {"XDG_CONFIG_HOME", "XDG_STATE_HOME"})
        qputenv(variable, QFile::encodeName(Home().path()));
    qputenv("VELDRA2_DATA_DIR", QFile::encodeName(Home().filePath(QStringLiteral("Veldra2"))));
    QApplication application(argc, argv);
    if (!CDocumentFile::Save(*MakeSampleLayout(), LayoutFile()).ok || !Start({})) {
        std::fprintf(stderr, "no layout to start with\n");
        return 1;
    }
    return RunWithRatios(argc, argv, {{"BM_StartWithLayout", "BM_StartEmpty"}});
}
