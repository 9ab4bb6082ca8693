#include "CBatchRun.h"

#include "CRecordLayout.h"

CBatchRun::Result CBatchRun::Run(CRecordLayout& layout, const CDataSource& data, const CRecordRange& range,
                                 const QDate& date, const Step& step, const Progress& progress)
{
    Result result;
    for (int record = range.first; record <= range.last; ++record) {
        if (progress && !progress(result.done, range.Count())) {
            result.cancelled = true;
            return result;
        }
        if (!layout.Apply(data, record, date, &result.error)) {
            result.failedRecord = record;
            return result;
        }
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
