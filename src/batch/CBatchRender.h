#pragma once

#include "CBatchRun.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>

// One bitmap file per record in a folder, each the plate in output mode as
// "Output to Bmp" writes it, named by a pattern of fields ("{#}" unless
// another is given; ".bmp" is added when the pattern lacks it).
class CBatchRender
{
    Q_DECLARE_TR_FUNCTIONS(CBatchRender)

public:
    // The file names of the range, worked out before anything is written:
    // nothing, with the reason, for a name that is empty, holds "/", or
    // comes twice (a later record would overwrite an earlier one's plate).
    static std::optional<QStringList> FileNames(const QString& pattern, const CDataSource& data,
                                                const CRecordRange& range, const QDate& date, QString* error);

    static CBatchRun::Result Run(CRecordLayout& layout, const CDataSource& data, const CRecordRange& range,
                                 const QString& folder, const QString& pattern, const QDate& date,
                                 const CBatchRun::Progress& progress = {});

    static const QString defaultPattern;
};
