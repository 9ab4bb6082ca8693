#pragma once

#include "CBatchRun.h"

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class CEngraverDevice;
class IPrintTarget;

// One print job per record, each named "<title> #<record>", sent as the
// Print command sends a layout. The run stops at the first job that fails,
// which the result names.
class CBatchPrint
{
    Q_DECLARE_TR_FUNCTIONS(CBatchPrint)

public:
    // The job for one plate, given its title.
    using TargetFor = std::function<std::unique_ptr<IPrintTarget>(const QString& title)>;

    struct Result
    {
        CBatchRun::Result run;
        // The scheduler's numbers of the jobs sent, in record order.
        std::vector<int> jobIds;
    };

    // Told each job's number as the scheduler takes it.
    using Sent = std::function<void(int jobId)>;

    static QString JobTitle(const QString& title, int record);
    static Result Run(CRecordLayout& layout, const CDataSource& data, const CRecordRange& range, const QDate& date,
                      const CEngraverDevice& device, const QString& title, const TargetFor& targetFor,
                      const CBatchRun::Progress& progress = {}, const Sent& sent = {});
};
