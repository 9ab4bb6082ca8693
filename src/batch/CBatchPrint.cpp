#include "CBatchPrint.h"

#include "CRecordLayout.h"

#include "output/CPlatePrint.h"
#include "output/IPrintTarget.h"

QString CBatchPrint::JobTitle(const QString& title, int record)
{
    return QStringLiteral("%1 #%2").arg(title).arg(record);
}

CBatchPrint::Result CBatchPrint::Run(CRecordLayout& layout, const CDataSource& data, const CRecordRange& range,
                                     const QDate& date, const CEngraverDevice& device, const QString& title,
                                     const TargetFor& targetFor, const CBatchRun::Progress& progress, const Sent& sent)
{
    Result result;
    CVeldraDoc& copy = layout.Layout();
    result.run = CBatchRun::Run(layout, data, range, date, [&](int record, QString* error) {
        const std::unique_ptr<IPrintTarget> target = targetFor(JobTitle(title, record));
        if (!CPlatePrint::Print(copy, device, CPlatePrint::BindDocument(copy), *target)) {
            *error = target->Error().isEmpty() ? tr("Could not start print job.") : target->Error();
            return false;
        }
        result.jobIds.push_back(target->JobId());
        if (sent)
            sent(target->JobId());
        return true;
    }, progress);
    return result;
}
