#include "CBatchRun.h"

#include "CRecordLayout.h"

#include <QStringList>

#include <algorithm>

CBatchRun::Result CBatchRun::Run(CRecordLayout& layout, const CDataSource& data, const CRecordRange& range,
                                 const QDate& date, const Step& step, const Progress& progress)
{
    Result result;
    // A counter that would leave its range is refused before any plate.
    QString problem = RangeProblem(range);
    if (problem.isEmpty())
        problem = layout.CounterProblem(range.first, range.last);
    if (!problem.isEmpty()) {
        result.failedRecord = range.first;
        result.error = problem;
        return result;
    }
    for (int record = range.first; record <= range.last; ++record) {
        if (progress && !progress(result.done, range.Count())) {
            result.cancelled = true;
            return result;
        }
        if (!layout.Apply(data, record, date, &result.error)) {
            result.failedRecord = record;
            return result;
        }
        if (layout.Shrunk())
            result.shrunkRecords.push_back(record);
        QString why;
        if (!step(record, &why)) {
            result.failedRecord = record;
            result.error = tr("Record %1: %2").arg(record).arg(why.isEmpty() ? tr("it failed.") : why);
            return result;
        }
        ++result.done;
    }
    if (progress)
        progress(result.done, range.Count());
    return result;
}

QString CBatchRun::RangeProblem(const CRecordRange& range)
{
    if (range.Count() <= maxRecords)
        return {};
    return tr("A batch does at most %1 records; this one has %2. Split it into ranges of records.")
        .arg(maxRecords)
        .arg(range.Count());
}

std::vector<int> CBatchRun::ShrunkRecords(CRecordLayout& layout, const CDataSource& data, const CRecordRange& range,
                                          const QDate& date)
{
    return Run(layout, data, range, date, [](int, QString*) { return true; }).shrunkRecords;
}

QString CBatchRun::ShrunkText(const std::vector<int>& records)
{
    if (records.empty())
        return {};
    constexpr std::size_t named = 8;
    QStringList numbers;
    for (std::size_t i = 0; i < std::min(named, records.size()); ++i)
        numbers << QString::number(records[i]);
    if (records.size() > named)
        return tr("Text shrunk to fit in records %1 and %2 more.")
            .arg(numbers.join(QLatin1String(", ")))
            .arg(records.size() - named);
    return tr("Text shrunk to fit in records %1.").arg(numbers.join(QLatin1String(", ")));
}
