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
        if (!layout.Apply(data, record, date, &result.error) || !step(record, &result.error)) {
            result.failedRecord = record;
            return result;
        }
        ++result.done;
    }
    if (progress)
        progress(result.done, range.Count());
    return result;
}
