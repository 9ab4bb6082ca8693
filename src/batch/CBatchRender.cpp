#include "CBatchRender.h"

#include "CDataSource.h"
#include "CFieldTemplate.h"
#include "CRecordLayout.h"

#include <QDir>
#include <QSet>

const QString CBatchRender::defaultPattern = QStringLiteral("{#}");

namespace {

QString WithExtension(const QString& name)
{
    return name.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive) ? name : name + QLatin1String(".bmp");
}

} // namespace

std::optional<QStringList> CBatchRender::FileNames(const QString& pattern, const CDataSource& data,
                                                   const CRecordRange& range, const QDate& date, QString* error)
{
    const std::optional<CFieldTemplate> names = CFieldTemplate::Parse(pattern, error);
    if (!names)
        return std::nullopt;
    // A misspelt column would give every file the same name, or none.
    QStringList missing;
    for (const QString& column : names->Columns())
        if (!data.Columns().contains(column))
            missing << QLatin1Char('{') + column + QLatin1Char('}');
    if (!missing.isEmpty()) {
        if (error) {
            const QString columns =
                data.Columns().isEmpty() ? tr("(no data file)") : data.Columns().join(QLatin1String(", "));
            *error = tr("The file name's fields %1 name no column of the data. Its columns: %2.")
                         .arg(missing.join(QLatin1String(", ")), columns);
        }
        return std::nullopt;
    }
    if (const QString problem = names->CounterProblem(range.first, range.last); !problem.isEmpty()) {
        if (error)
            *error = problem;
        return std::nullopt;
    }
    QStringList files;
    QSet<QString> seen;
    for (int record = range.first; record <= range.last; ++record) {
        CFieldTemplate::Record values{record, date, [&](const QString& column) { return data.Value(record, column); }};
        const QString name = names->Fill(values).trimmed();
        QString why;
        if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
            why = tr("Record %1 gets no file name from \"%2\".").arg(record).arg(pattern);
        else if (name.contains(QLatin1Char('/')))
            why = tr("Record %1's file name \"%2\" holds a \"/\".").arg(record).arg(name);
        // The system ends a name at a NUL: the file would get another name.
        else if (name.contains(QChar(0)))
            why = tr("Record %1's file name holds a NUL character.").arg(record);
        else if (seen.contains(WithExtension(name)))
            why = tr("Record %1's file name \"%2\" is another record's too: add {#} to the name.").arg(record).arg(name);
        if (!why.isEmpty()) {
            if (error)
                *error = why;
            return std::nullopt;
        }
        seen.insert(WithExtension(name));
        files << WithExtension(name);
    }
    return files;
}

CBatchRun::Result CBatchRender::Run(CRecordLayout& layout, const CDataSource& data, const CRecordRange& range,
                                    const QString& folder, const QString& pattern, const QDate& date,
                                    const CBatchRun::Progress& progress)
{
    CBatchRun::Result refused;
    const std::optional<QStringList> names = FileNames(pattern, data, range, date, &refused.error);
    if (!names) {
        refused.failedRecord = range.first;
        return refused;
    }
    const QDir target(folder);
    return CBatchRun::Run(layout, data, range, date, [&](int record, QString* error) {
        const QString path = target.filePath(names->at(record - range.first));
        return layout.Renderer().ExportBitmapFile(path, error);
    }, progress);
}
