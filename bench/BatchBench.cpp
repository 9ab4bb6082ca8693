// A batch of 1000 plates from a data file: the benchmark plate with two of
// its texts holding fields, each record put into the layout's copy and
// rendered for output, against 1000 renders of the same plate as it is; and
// the same batch with a Data Matrix of a serial added to the plate.
#include "RatioReporter.h"
#include "SampleLayout.h"

#include "batch/CCodeFields.h"
#include "batch/CDataSource.h"
#include "batch/CRecordLayout.h"
#include "document/CCodeCommands.h"
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
std::unique_ptr<CVeldraDoc> FieldPlate()
{
    std::unique_ptr<CVeldraDoc> plate = MakeSampleLayout();
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
}

CVeldraDoc& Plate()
{
    static CVeldraDoc* doc = FieldPlate().release();
    return *doc;
}

// The plate above with a Data Matrix of ASSET-{serial:00001}, 0.25 mm a module.
CVeldraDoc& PlateWithCode()
{
    static CVeldraDoc* doc = [] {
        CVeldraDoc* plate = FieldPlate().release();
        CCodeDefinition definition;
        definition.data = QStringLiteral("ASSET-{serial:00001}");
        definition.moduleMicrons = 250;
        CCodeCommands::AddCode(*plate, definition, *CCodeFields::LayoutMatrix(definition, QDate::currentDate(), nullptr),
                               {-2000, 1000});
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

void RunBatch(benchmark::State& state, const CVeldraDoc& plate)
{
    const std::unique_ptr<CRecordLayout> layout = CRecordLayout::Make(plate, nullptr);
    const QDate today = QDate::currentDate();
    for (auto _ : state) {
        for (int record = 1; record <= records; ++record) {
            layout->Apply(Owners(), record, today, nullptr);
            layout->Renderer().RenderPlate(Target(), CPlateRenderer::output);
        }
        benchmark::DoNotOptimize(Target().Bits());
    }
}

void BM_BatchRender1000(benchmark::State& state)
{
    RunBatch(state, Plate());
}

void BM_BatchRenderCode1000(benchmark::State& state)
{
    RunBatch(state, PlateWithCode());
}

} // namespace

BENCHMARK(BM_RenderPlate1000)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(BM_BatchRender1000)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(BM_BatchRenderCode1000)->Unit(benchmark::kSecond)->Iterations(1);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    return RunWithRatios(argc, argv, {{"BM_BatchRender1000", "BM_RenderPlate1000"}, {"BM_BatchRenderCode1000", "BM_RenderPlate1000"}});
}
