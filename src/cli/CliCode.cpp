#include "CliCommands.h"
#include "CliSupport.h"

#include "batch/CCodeFields.h"
#include "codes/CModuleSize.h"
#include "document/CCodeCommands.h"
#include "document/CDocumentFile.h"
#include "document/CVeldraDoc.h"

#include <QDate>

#include <cmath>
#include <optional>

namespace CliCommands {

namespace {

const char* const codeUsage = "code IN.vlz OUT.vlz --type datamatrix|datamatrix-rect|qr|code128|gs1-datamatrix|gs1-128 "
                              "--data TEXT [--module MM] [--at X,Y] [--ecc L|M|Q|H]";

std::optional<double> Number(const QString& text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

// "X,Y" in millimetres from the plate's centre, as layout units.
std::optional<CPoint> Position(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 2)
        return std::nullopt;
    const std::optional<double> x = Number(parts[0]), y = Number(parts[1]);
    if (!x || !y || std::abs(*x) > 10000 || std::abs(*y) > 10000)
        return std::nullopt;
    return CPoint{int(std::lround(*x * 100)), int(std::lround(*y * 100))};
}

// The definition the options describe; nothing for a usage error.
std::optional<CCodeDefinition> DefinitionFrom(const Options& options)
{
    const std::optional<CCodeDefinition::Kind> kind = CCodeDefinition::KindOf(options.Text("--type"));
    const std::optional<double> module =
        options.values.count(QStringLiteral("--module")) ? Number(options.Text("--module")) : 0.5;
    const QString ecc = options.values.count(QStringLiteral("--ecc")) ? options.Text("--ecc") : QStringLiteral("M");
    if (!kind || !options.values.count(QStringLiteral("--data")) || !module || *module <= 0
        || *module * 1000 > CCodeDefinition::maximumModuleMicrons || ecc.size() != 1
        || !QStringLiteral("LMQH").contains(ecc))
        return std::nullopt;
    CCodeDefinition definition;
    definition.kind = *kind;
    if (options.values.count(QStringLiteral("--ecc")) && !definition.HasEcc())
        return std::nullopt;
    definition.data = options.Text("--data");
    definition.moduleMicrons = int(std::lround(*module * 1000));
    definition.ecc = ecc[0];
    return definition;
}

} // namespace

int Code(const QStringList& arguments)
{
    Options options(arguments, {QStringLiteral("--type"), QStringLiteral("--data"), QStringLiteral("--module"),
                                QStringLiteral("--at"), QStringLiteral("--ecc")});
    const std::optional<CCodeDefinition> definition = options.ok ? DefinitionFrom(options) : std::nullopt;
    const std::optional<CPoint> at =
        options.values.count(QStringLiteral("--at")) ? Position(options.Text("--at")) : CPoint{0, 0};
    if (!definition || !at || options.positional.size() != 2)
        return Usage(codeUsage);

    CVeldraDoc doc;
    ApplyUserSettings(doc);
    const CDocumentFile::Result opened = CDocumentFile::Open(doc, options.positional[0]);
    if (!opened.ok)
        return Fail(opened.message);
    if (const QString problem = CModuleSize::Problem(definition->moduleMicrons / 1000.0, doc.GetResolution());
        !problem.isEmpty())
        return Fail(problem);
    QString error;
    const std::optional<CCodeMatrix> matrix = CCodeFields::LayoutMatrix(*definition, QDate::currentDate(), &error);
    if (!matrix)
        return Fail(error);
    if (!CCodeCommands::AddCode(doc, *definition, *matrix, *at))
        return Fail(Tr("The code could not be drawn."));
    const CDocumentFile::Result saved = CDocumentFile::Save(doc, options.positional[1]);
    return saved.ok ? exitOk : Fail(saved.message);
}

} // namespace CliCommands
