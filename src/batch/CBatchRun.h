#pragma once

#include "CRecordRange.h"

#include <QCoreApplication>
#include <QDate>
#include <QString>

#include <functional>
#include <vector>

class CDataSource;
class CRecordLayout;

// Goes through a range of records: each is put into the layout copy and
// handed to a step (render it, print it), with progress after each. The
// run stops at the first record that fails or when progress says stop.
class CBatchRun
{
    Q_DECLARE_TR_FUNCTIONS(CBatchRun)

public:
    // Records done so far and the range's count; false to stop.
    using Progress = std::function<bool(int done, int total)>;
    // The record is in the layout; false, with the reason, to stop there.
    using Step = std::function<bool(int record, QString* error)>;

    struct Result
    {
        int done = 0;
        bool cancelled = false;
        // The record that failed (0: none) and why, naming it.
        int failedRecord = 0;
        QString error;
        // The records done whose text had to be shrunk to fit its box.
        std::vector<int> shrunkRecords;

        bool Ok() const { return failedRecord == 0 && !cancelled; }
    };

    // The most records one batch does: each record's plate is a file or a
    // job, and a larger batch is more likely a slip than a plan.
    static constexpr int maxRecords = 1000000;
    // Empty when the range is within maxRecords; else why not.
    static QString RangeProblem(const CRecordRange& range);

    static Result Run(CRecordLayout& layout, const CDataSource& data, const CRecordRange& range, const QDate& date,
                      const Step& step, const Progress& progress = {});
    // The records of the range whose text would be shrunk, found without
    // drawing a plate.
    static std::vector<int> ShrunkRecords(CRecordLayout& layout, const CDataSource& data, const CRecordRange& range,
                                          const QDate& date);
    // "Text shrunk to fit in records 3, 7.", naming at most a few; empty
    // when there are none.
    static QString ShrunkText(const std::vector<int>& records);
};
