#include "CDataSource.h"

#include "CDelimitedReader.h"

#include "platform/CInputFile.h"

#include <QFileInfo>

namespace {

// A data file is a table a person made, not a database dump.
constexpr qint64 maxFileBytes = qint64(64) << 20;

bool Fail(QString* error, const QString& reason)
{
    if (error)
        *error = reason;
    return false;
}

} // namespace

std::optional<CDataSource> CDataSource::Load(const QString& path, QString* error, QChar separator)
{
    CInputFile file(path);
    if (!file.Open()) {
        Fail(error, file.ErrorText());
        return std::nullopt;
    }
    if (file.File().size() > maxFileBytes) {
        Fail(error, tr("%1 is too large for a data file.").arg(QFileInfo(path).fileName()));
        return std::nullopt;
    }
    const QString text = CDelimitedReader::Decode(file.File().readAll());
    std::optional<CDataSource> source = FromText(text, separator.isNull() ? SeparatorFor(path, text) : separator, error);
    if (!source && error)
        *error = QFileInfo(path).fileName() + QLatin1String(": ") + *error;
    if (source)
        source->m_path = path;
    return source;
}

std::optional<CDataSource> CDataSource::FromText(const QString& text, QChar separator, QString* error)
{
    const CDelimitedReader::Result read = CDelimitedReader::Read(text, separator);
    if (!read.ok) {
        Fail(error, read.error);
        return std::nullopt;
    }
    if (read.rows.isEmpty()) {
        Fail(error, tr("The file is empty: its first line must name the columns."));
        return std::nullopt;
    }
    CDataSource source;
    source.m_separator = separator;
    for (const QString& name : read.rows.front().fields) {
        const QString column = name.trimmed();
        if (column.isEmpty() || source.m_columns.contains(column)) {
            Fail(error, tr("Line 1: every column needs a name of its own (\"%1\").").arg(column));
            return std::nullopt;
        }
        source.m_columns << column;
    }
    for (qsizetype i = 1; i < read.rows.size(); ++i) {
        const CDelimitedReader::Row& row = read.rows[i];
        if (row.fields.size() != source.m_columns.size()) {
            Fail(error, tr("Line %1: %2 fields where the header names %3 columns.")
                            .arg(row.line)
                            .arg(row.fields.size())
                            .arg(source.m_columns.size()));
            return std::nullopt;
        }
        source.m_rows << row.fields;
    }
    source.m_count = int(source.m_rows.size());
    return source;
}

CDataSource CDataSource::Counted(int count)
{
    CDataSource source;
    source.m_count = count;
    return source;
}

QString CDataSource::Value(int record, const QString& column) const
{
    const qsizetype index = m_columns.indexOf(column);
    if (record < 1 || record > m_rows.size() || index < 0)
        return {};
    return m_rows[record - 1][index];
}

QChar CDataSource::SeparatorFor(const QString& path, const QString& text)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    // A file named for tabs has them; a ".csv" may be a spreadsheet's with
    // semicolons, or tabs when it saved "Unicode text".
    if (suffix == QLatin1String("tsv") || suffix == QLatin1String("tab"))
        return QLatin1Char('\t');
    return CDelimitedReader::DetectSeparator(text, QLatin1Char(','));
}
