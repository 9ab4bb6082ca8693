#include "CliCommands.h"
#include "CliSupport.h"

#include "document/CDocumentFile.h"
#include "document/CVeldraDoc.h"
#include "output/CEngraverDevice.h"
#include "output/CPlatePrint.h"
#include "output/CPrintTargets.h"

#include <QFileInfo>

#include <cstdio>

namespace CliCommands {

int Print(const QStringList& arguments)
{
    const char* usage = "print FILE.vlz [--printer QUEUE] [--copies N] [--brightness B] [--contrast C] [--gamma G] "
                        "[--to-file OUT]";
    const Options options(arguments, {QStringLiteral("--printer"), QStringLiteral("--copies"), QStringLiteral("--brightness"),
                                      QStringLiteral("--contrast"), QStringLiteral("--gamma"), QStringLiteral("--to-file")});
    const std::optional<int> copies = options.Int("--copies", 1);
    if (!options.ok || options.positional.size() != 1 || !copies || *copies < 1 || *copies > 999)
        return Usage(usage);

    CVeldraDoc doc;
    ApplyUserSettings(doc);
    const QString path = options.positional[0];
    const CDocumentFile::Result opened = CDocumentFile::Open(doc, path);
    if (!opened.ok)
        return Fail(opened.message);
    // The layout's own adjustments, as opening it in the program gives
    // them to the engraver, unless the command line says otherwise.
    const std::optional<CEngraverAdjustments> adjustments = options.Adjustments(doc.Adjustments().Get());
    if (!adjustments)
        return Usage(usage);

    SayWhenTheSchedulerIsSlow();
    const QString queue = options.values.count(QStringLiteral("--printer")) ? options.Text("--printer") : DefaultQueue();
    const QString couldNot = Tr("Could not start print job.");
    CEngraverDevice device(queue);
    if (queue.isEmpty() || !device.Query())
        return Fail(CouldNotStartPrintJob());
    const std::unique_ptr<IPrintTarget> target =
        CPrintTargets::For(device, QFileInfo(path).fileName(), *copies, *adjustments, options.Text("--to-file"));
    if (!CPlatePrint::Print(doc, device, CPlatePrint::BindDocument(doc), *target)) {
        const QString why = target->Error();
        return Fail(why.isEmpty() ? couldNot : couldNot + QLatin1Char(' ') + why);
    }
    if (target->JobId() > 0)
        std::printf("%d\n", target->JobId());
    return exitOk;
}

} // namespace CliCommands
