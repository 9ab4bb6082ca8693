#include "CliCommands.h"
#include "CliSupport.h"

#include "batch/CBatchPrint.h"
#include "batch/CBatchRender.h"
#include "batch/CDataSource.h"
#include "batch/CRecordLayout.h"
#include "document/CDocumentFile.h"
#include "document/CVeldraDoc.h"
#include "output/CEngraverDevice.h"
#include "output/CPrintTargets.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace CliCommands {

namespace {

const char* const batchUsage = "batch FILE.vlz [--data DATA.csv | --count N] [--records A-B] "
                               "(--render OUTDIR [--name PATTERN] | --print [--printer QUEUE])";

// The records: the data file's, or a count of them for fields that need none.
std::optional<CDataSource> RecordsFor(const Options& options, QString& error)
{
    if (options.values.count(QStringLiteral("--data")))
        return CDataSource::Load(options.Text("--data"), &error);
    const std::optional<int> count = options.Int("--count", 1);
    if (!count || *count < 1 || *count > CBatchRun::maxRecords) {
        error = Tr("--count needs a number of records, 1 to %1.").arg(CBatchRun::maxRecords);
        return std::nullopt;
    }
    return CDataSource::Counted(*count);
}

// Prints how far the batch came; the exit code.
int Summarise(const CBatchRun::Result& result, int total, const char* what)
{
    if (result.failedRecord > 0)
        std::fprintf(stderr, "%s\n", qPrintable(result.error));
    if (const QString shrunk = CBatchRun::ShrunkText(result.shrunkRecords); !shrunk.isEmpty())
        std::printf("%s\n", qPrintable(shrunk));
    std::printf("%d of %d %s\n", result.done, total, what);
    return result.Ok() ? exitOk : exitInput;
}

int RenderBatch(CRecordLayout& layout, const CDataSource& data, const CRecordRange& range, const Options& options)
{
    const QString folder = options.Text("--render");
    const QFileInfo info(folder);
    // A new folder for the plates is made where its parent is; a path that
    // leads nowhere is more likely a slip than a wish for many folders.
    if (!info.exists() && !info.isSymLink() && info.dir().exists() && !QDir().mkdir(folder))
        return Fail(Tr("The folder %1 could not be made.").arg(folder));
    if (!QFileInfo::exists(folder))
        return Fail(Tr("%1 does not exist.").arg(folder));
    if (!QFileInfo(folder).isDir())
        return Fail(Tr("%1 is not a folder.").arg(folder));
    const QString pattern = options.values.count(QStringLiteral("--name")) ? options.Text("--name")
                                                                            : CBatchRender::defaultPattern;
    const CBatchRun::Result result =
        CBatchRender::Run(layout, data, range, folder, pattern, QDate::currentDate());
    return Summarise(result, range.Count(), "plates rendered");
}

int PrintBatch(CRecordLayout& layout, const CDataSource& data, const CRecordRange& range, const Options& options,
               const QString& title)
{
    SayWhenTheSchedulerIsSlow();
    const QString queue = options.values.count(QStringLiteral("--printer")) ? options.Text("--printer") : DefaultQueue();
    CEngraverDevice device(queue);
    if (queue.isEmpty() || !device.Query())
        return Fail(CouldNotStartPrintJob());
    const CEngraverAdjustments adjustments = layout.Layout().Adjustments().Get();
    // Each job's number as the scheduler takes it: a batch that dies half
    // way leaves a record of what was sent.
    const auto sent = [](int jobId) {
        std::printf("%d\n", jobId);
        std::fflush(stdout);
    };
    const CBatchPrint::Result result = CBatchPrint::Run(
        layout, data, range, QDate::currentDate(), device, title,
        [&](const QString& jobTitle) { return CPrintTargets::For(device, jobTitle, 1, adjustments); }, {}, sent);
    return Summarise(result.run, range.Count(), "jobs sent");
}

} // namespace

int Batch(const QStringList& arguments)
{
    QStringList rest = arguments;
    const bool print = rest.removeAll(QStringLiteral("--print")) > 0;
    const Options options(rest, {QStringLiteral("--data"), QStringLiteral("--count"), QStringLiteral("--records"),
                                 QStringLiteral("--render"), QStringLiteral("--name"), QStringLiteral("--printer")});
    const bool render = options.values.count(QStringLiteral("--render")) > 0;
    const bool both = options.values.count(QStringLiteral("--data")) && options.values.count(QStringLiteral("--count"));
    if (!options.ok || options.positional.size() != 1 || print == render || both
        || (print && options.values.count(QStringLiteral("--name")))
        || (render && options.values.count(QStringLiteral("--printer"))))
        return Usage(batchUsage);

    CVeldraDoc doc;
    QString error;
    const QString path = options.positional[0];
    if (!OpenForOutput(doc, path, CVeldraDoc::defaultResolution, std::nullopt, error))
        return Fail(error);
    const std::optional<CDataSource> data = RecordsFor(options, error);
    if (!data)
        return Fail(error);
    const std::unique_ptr<CRecordLayout> layout = CRecordLayout::Make(doc, &error);
    if (!layout)
        return Fail(error);
    if (const QString missing = layout->MissingColumns(*data); !missing.isEmpty())
        return Fail(missing);
    const std::optional<CRecordRange> range =
        options.values.count(QStringLiteral("--records"))
            ? CRecordRange::Parse(options.Text("--records"), data->RecordCount())
            : std::optional<CRecordRange>(CRecordRange::All(data->RecordCount()));
    if (!range || range->Count() == 0)
        return Fail(Tr("No records to do: the data has %1.").arg(data->RecordCount()));
    if (print)
        return PrintBatch(*layout, *data, *range, options, QFileInfo(path).fileName());
    return RenderBatch(*layout, *data, *range, options);
}

} // namespace CliCommands
