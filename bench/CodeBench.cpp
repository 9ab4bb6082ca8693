// A batch of 1000 plates, each with a serial text and a Data Matrix of
// the same serial drawn for its record, against the same batch without the
// code: what a code adds to each plate.
#include "RatioReporter.h"
#include "SampleLayout.h"

#include "batch/CCodeFields.h"
#include "batch/CDataSource.h"
#include "batch/CRecordLayout.h"
#include "document/CCodeCommands.h"
#include "document/CPlateRenderer.h"
#include "document/CVeldraDoc.h"
#include "imaging/CDibImage.h"
#include "objects/CTextObj.h"

#include <QGuiApplication>

namespace {

constexpr int records = 1000;

std::unique_ptr<CVeldraDoc> SerialPlate(bool withCode)
{
    std::unique_ptr<CVeldraDoc> plate = MakeSampleLayout();
    for (CSymbolObj* object : plate->GetObjects())
        if (auto* block = dynamic_cast<CTextObj*>(object)) {
            block->m_strName = "Plate {serial:00001}\r\nEngraved";
            block->Measure();
        }
    if (withCode) {
        CCodeDefinition definition;
        definition.data = QStringLiteral("ASSET-{serial:00001}");
        definition.moduleMicrons = 250;
        CCodeCommands::AddCode(*plate, definition, *CCodeFields::LayoutMatrix(definition, QDate::currentDate(), nullptr),
                               {-2000, 1000});
    }
    return plate;
}

void RunBatch(benchmark::State& state, bool withCode)
{
    const std::unique_ptr<CVeldraDoc> plate = SerialPlate(withCode);
    const std::unique_ptr<CRecordLayout> layout = CRecordLayout::Make(*plate, nullptr);
    const CDataSource counted = CDataSource::Counted(records);
    CDibImage target = MakePlateImage(*plate);
    const QDate today = QDate::currentDate();
    for (auto _ : state) {
        for (int record = 1; record <= records; ++record) {
            layout->Apply(counted, record, today, nullptr);
            layout->Renderer().RenderPlate(target, CPlateRenderer::output);
        }
        benchmark::DoNotOptimize(target.Bits());
    }
}

void BM_SerialText1000(benchmark::State& state)
{
    RunBatch(state, false);
}

void BM_SerialTextAndCode1000(benchmark::State& state)
{
    RunBatch(state, true);
}

} // namespace

BENCHMARK(BM_SerialText1000)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(BM_SerialTextAndCode1000)->Unit(benchmark::kSecond)->Iterations(1);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    return RunWithRatios(argc, argv, {{"BM_SerialTextAndCode1000", "BM_SerialText1000"}});
}
