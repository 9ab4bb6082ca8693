#pragma once

#include "CBatchRun.h"

#include <QCoreApplication>
#include <QString>

class CPlateNames;

// One bitmap file per record in a folder, each the plate in output mode as
// "Output to Bmp" writes it, named by a pattern of fields ("{#}" unless
// another is given; see CPlateNames). Once the first plate is written, the
// rest must fit on the disk by its size, or the batch stops there.
class CBatchRender
{
    Q_DECLARE_TR_FUNCTIONS(CBatchRender)

public:
    static CBatchRun::Result Run(CRecordLayout& layout, const CDataSource& data, const CRecordRange& range,
                                 const QString& folder, const QString& pattern, const QDate& date,
                                 const CBatchRun::Progress& progress = {});

    static const QString defaultPattern;

private:
    // Empty when the plates of records record..last, each plateBytes,
    // fit on the folder's disk; else why not.
    static QString RoomProblem(const QString& folder, const CPlateNames& names, int record, int last,
                               qint64 plateBytes);
};
