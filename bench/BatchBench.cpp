// A batch of 1000 plates from a data file: the benchmark plate with two of
// its texts holding fields, each record put into the layout's copy and
// rendered for output, against 1000 renders of the same plate as it is.
#include "RatioReporter.h"
#include "SampleLayout.h"

#include "batch/CDataSource.h"
#include "batch/CRecordLayout.h"
#include "document/CPlateRenderer.h"
#include "document/CVeldraDoc.h"
#include "imaging/CDibImage.h"
#include "objects/CFreeTextObj.h"
#include "objects/CTextObj.h"

#include <QGuiApplication>

namespace {

// 1000 unless VELDRA_BENCH_RECORDS says otherwise: a profiler wants fewer.
const int records = [] {
    bool ok = false;
    const int wanted = qEnvironmentVariableIntValue("VELDRA_BENCH_RECORDS", &ok);
    return ok && wanted > 0 ? wanted : 1000;
}();

// The benchmark plate, its horizontal text and its text block holding fields.
CVeldraDoc& Plate()
{
    static CVeldraDoc* doc = [] {
        CVeldraDoc* plate = MakeSampleLayout().release();
        for (CSymbolObj* object : plate->GetObjects()) {
            if (auto* block = dynamic_cast<CTextObj*>(object)) {
                block->m_strName = "Plate {serial:00001}\r\nEngraved";
                block->Measure();
            } else if (auto* line = dynamic_cast<CFreeTextObj*>(object); line && !line->m_layout.m_bInvert
                       && line->m_layout.IsStraight()) {
                line->m_strName = line->m_layout.m_strText = "{Owner}";
            }
        }
        return plate;
    }();
    return *doc;
}

const CDataSource& Owners()
{
    static const CDataSource data = [] {
        QString text = QStringLiteral("Owner\n");
        for (int i = 1; i <= records; ++i)
            text += QStringLiteral("OWNER NUMBER %1\n").arg(i);
        return *CDataSource::FromText(text, QLatin1Char(','), nullptr);
    }();
    return data;
}

CDibImage& Target()
{
    static CDibImage target = MakePlateImage(Plate());
    return target;
}

void BM_RenderPlate1000(benchmark::State& state)
{
    CPlateRenderer renderer(Plate());
    for (auto _ : state) {
        for (int i = 0; i < records; ++i)
            renderer.RenderPlate(Target(), CPlateRenderer::output);
        benchmark::DoNotOptimize(Target().Bits());
    }
}

void BM_BatchRender1000(benchmark::State& state)
{
    const std::unique_ptr<CRecordLayout> layout = CRecordLayout::Make(Plate(), nullptr);
    const QDate today = QDate::currentDate();
    for (auto _ : state) {
        for (int record = 1; record <= records; ++record) {
            layout->Apply(Owners(), record, today, nullptr);
            layout->Renderer().RenderPlate(Target(), CPlateRenderer::output);
        }
        benchmark::DoNotOptimize(Target().Bits());
    }
}

} // namespace

BENCHMARK(BM_RenderPlate1000)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(BM_BatchRender1000)->Unit(benchmark::kSecond)->Iterations(1);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    return RunWithRatios(argc, argv, {{"BM_BatchRender1000", "BM_RenderPlate1000"}});
}
