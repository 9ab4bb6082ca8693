#pragma once

#include "CFieldTemplate.h"
#include "CRecordRange.h"

#include <QCoreApplication>
#include <QDate>
#include <QString>

#include <optional>
#include <utility>
#include <vector>

class CDataSource;

// The file names of a render batch, made from a pattern of fields one
// record at a time as the plates are made (".bmp" is added when the
// pattern lacks it). A batch may run to a million records: their names are
// checked before the first plate, but never all kept at once.
class CPlateNames
{
    Q_DECLARE_TR_FUNCTIONS(CPlateNames)

public:
    // Nothing, with the reason, for a pattern that is malformed, names a
    // column the data lacks, or has a counter that leaves 64 bits in the
    // range.
    static std::optional<CPlateNames> For(const QString& pattern, const CDataSource& data, const CRecordRange& range,
                                          const QDate& date, QString* error);

    // The record's file name; empty, with why, for a name that is empty,
    // holds "/" or NUL.
    QString Name(int record, QString* why) const;
    // Empty when every record of the range has a name of its own; else the
    // first record whose name fails or repeats an earlier one (a later
    // plate would overwrite the earlier), and why.
    QString Problem() const;

private:
    CPlateNames(CFieldTemplate names, const CDataSource& data, const CRecordRange& range, QString pattern, QDate date);
    using Hashes = std::vector<std::pair<size_t, int>>;

    // The pattern filled for the record, before any check.
    QString Made(int record) const;
    QString RepeatedName(Hashes hashes) const;

    CFieldTemplate m_names;
    const CDataSource* m_pData;
    CRecordRange m_range;
    QString m_strPattern;
    QDate m_date;
};
