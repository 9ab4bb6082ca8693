#include "CPlateNames.h"

#include "CDataSource.h"

#include <QHash>

#include <algorithm>
#include <utility>
#include <vector>

CPlateNames::CPlateNames(CFieldTemplate names, const CDataSource& data, const CRecordRange& range, QString pattern,
                         QDate date)
    : m_names(std::move(names))
    , m_pData(&data)
    , m_range(range)
    , m_strPattern(std::move(pattern))
    , m_date(date)
{
}

std::optional<CPlateNames> CPlateNames::For(const QString& pattern, const CDataSource& data, const CRecordRange& range,
                                            const QDate& date, QString* error)
{
    std::optional<CFieldTemplate> names = CFieldTemplate::Parse(pattern, error);
    if (!names)
        return std::nullopt;
    // A misspelt column would give every file the same name, or none.
    QStringList missing;
    for (const QString& column : names->Columns())
        if (!data.Columns().contains(column))
            missing << QLatin1Char('{') + column + QLatin1Char('}');
    QString problem;
    if (!missing.isEmpty()) {
        const QString columns = data.Columns().isEmpty() ? tr("(no data file)") : data.Columns().join(QLatin1String(", "));
        problem = tr("The file name's fields %1 name no column of the data. Its columns: %2.")
                      .arg(missing.join(QLatin1String(", ")), columns);
    } else {
        problem = names->CounterProblem(range.first, range.last);
    }
    if (!problem.isEmpty()) {
        if (error)
            *error = problem;
        return std::nullopt;
    }
    return CPlateNames(std::move(*names), data, range, pattern, date);
}

namespace {

QString WithExtension(const QString& name)
{
    return name.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive) ? name : name + QLatin1String(".bmp");
}

} // namespace

QString CPlateNames::Made(int record) const
{
    const CFieldTemplate::Record values{record, m_date,
                                        [&](const QString& column) { return m_pData->Value(record, column); }};
    return m_names.Fill(values).trimmed();
}

QString CPlateNames::Name(int record, QString* why) const
{
    const QString name = Made(record);
    QString problem;
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        problem = tr("Record %1 gets no file name from \"%2\".").arg(record).arg(m_strPattern);
    else if (name.contains(QLatin1Char('/')))
        problem = tr("Record %1's file name \"%2\" holds a \"/\".").arg(record).arg(name);
    // The system ends a name at a NUL: the file would get another name.
    else if (name.contains(QChar(0)))
        problem = tr("Record %1's file name holds a NUL character.").arg(record);
    if (problem.isEmpty())
        return WithExtension(name);
    if (why)
        *why = problem;
    return {};
}

QString CPlateNames::Problem() const
{
    Hashes hashes;
    hashes.reserve(size_t(m_range.Count()));
    for (int record = m_range.first; record <= m_range.last; ++record) {
        QString why;
        const QString name = Name(record, &why);
        if (name.isEmpty())
            return why;
        hashes.emplace_back(qHash(name), record);
    }
    return RepeatedName(std::move(hashes));
}

// Names are compared by a 64-bit hash kept per record (16 bytes a record,
// where the names themselves would take a hundred). Records whose hashes
// meet have their names made again and compared, so a repeat is never
// reported by mistake (two different names that share a hash could hide a
// repeat behind them: a chance of about 1 in 10^7 for a million records).
QString CPlateNames::RepeatedName(Hashes hashes) const
{
    std::sort(hashes.begin(), hashes.end());
    int firstRepeat = 0;
    for (size_t i = 1; i < hashes.size(); ++i) {
        const int earlier = hashes[i - 1].second, later = hashes[i].second;
        if (hashes[i].first != hashes[i - 1].first || (firstRepeat && later >= firstRepeat))
            continue;
        if (WithExtension(Made(later)) == WithExtension(Made(earlier)))
            firstRepeat = later;
    }
    if (!firstRepeat)
        return {};
    return tr("Record %1's file name \"%2\" is another record's too: add {#} to the name.")
        .arg(firstRepeat)
        .arg(Made(firstRepeat));
}
