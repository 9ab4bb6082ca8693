// Data files and field texts on hostile bytes: decoding (UTF-8, a mark, or
// the Western code page), CSV and TSV rows with quotes and line breaks, the
// header and ragged rows, then every record's value filled into a template
// the bytes also name. Every outcome is records or a refusal naming a line.
#include "batch/CDataSource.h"
#include "batch/CDelimitedReader.h"
#include "batch/CFieldTemplate.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));
    const QString text = CDelimitedReader::Decode(bytes);
    const QChar separator = (data[0] & 1) ? QLatin1Char('\t') : QLatin1Char(',');
    const std::optional<CDataSource> source = CDataSource::FromText(text, separator, nullptr);
    // The first line doubles as a text with fields.
    const std::optional<CFieldTemplate> fields = CFieldTemplate::Parse(text.section(QLatin1Char('\n'), 0, 0));
    if (!source || !fields)
        return 0;
    for (int record = 1; record <= source->RecordCount() && record <= 64; ++record) {
        const CFieldTemplate::Record values{record, QDate(2026, 1, 1),
                                            [&](const QString& column) { return source->Value(record, column); }};
        (void)fields->Fill(values);
    }
    return 0;
}
