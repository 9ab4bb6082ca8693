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
    qsizetype columns = -1;
    const auto sameWidth = [&](int line, int fields) {
        if (columns < 0)
            columns = fields;
        else if (fields != columns)
            return tr("Line %1: %2 fields where the header names %3 columns.").arg(line).arg(fields).arg(columns);
        return QString();
    };
    CDelimitedReader::Result read = CDelimitedReader::Read(text, separator, sameWidth);
    if (!read.ok) {
        Fail(error, read.error);
        return std::nullopt;
    }
    if (read.fieldStarts.empty()) {
        Fail(error, tr("The file is empty: its first line must name the columns."));
        return std::nullopt;
    }
    CDataSource source;
    source.m_separator = separator;
    for (qsizetype i = 0; i < columns; ++i) {
        const QString column = CDelimitedReader::Field(text, read.fieldStarts[size_t(i)], separator).trimmed();
        if (column.isEmpty() || source.m_columns.contains(column)) {
            Fail(error, tr("Line 1: every column needs a name of its own (\"%1\").").arg(column));
            return std::nullopt;
        }
        source.m_columns << column;
    }
    source.m_text = text;
    source.m_fieldStarts = std::move(read.fieldStarts);
    source.m_count = int(source.m_fieldStarts.size() / size_t(columns)) - 1;
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
    if (record < 1 || record > m_count || index < 0 || m_fieldStarts.empty())
        return {};
    const size_t field = size_t(record) * size_t(m_columns.size()) + size_t(index);
    return CDelimitedReader::Field(m_text, m_fieldStarts[field], m_separator);
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
