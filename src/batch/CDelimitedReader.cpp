#include "CDelimitedReader.h"

#include "platform/AnsiCodec.h"

#include <QStringDecoder>

#include <algorithm>
#include <iterator>

namespace {

constexpr QChar quote = QLatin1Char('"');

} // namespace

CDelimitedReader::Result CDelimitedReader::Read(const QString& text, QChar separator, const RowCheck& check)
{
    Result result;
    if (text.size() > maxTextSize) {
        result.error = tr("The text is too large for a data file.");
        return result;
    }
    // Room for every field at once: a list that grows by doubling would
    // hold up to twice the places, and more while it moves.
    result.fieldStarts.reserve(size_t(1 + text.count(separator) + text.count(QLatin1Char('\n'))));
    CDelimitedReader reader(text, separator);
    result.ok = reader.ReadAll(result, check);
    result.error = reader.m_error;
    if (!result.ok)
        result.fieldStarts = {};
    return result;
}

QString CDelimitedReader::Field(const QString& text, quint32 start, QChar separator)
{
    CDelimitedReader reader(text, separator);
    reader.m_pos = qsizetype(start);
    if (reader.m_pos < text.size() && text[reader.m_pos] == quote) {
        QString field;
        reader.ReadQuoted(&field);
        return field;
    }
    reader.ReadPlain();
    return text.mid(qsizetype(start), reader.m_pos - qsizetype(start));
}

QString CDelimitedReader::Decode(const QByteArray& bytes)
{
    for (const auto encoding : {QStringConverter::Utf16LE, QStringConverter::Utf16BE}) {
        QStringDecoder utf16(encoding, QStringDecoder::Flag::Stateless);
        const char* mark = encoding == QStringConverter::Utf16LE ? "\xFF\xFE" : "\xFE\xFF";
        if (bytes.startsWith(mark))
            return utf16.decode(QByteArrayView(bytes).sliced(2));
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text.startsWith(QChar(0xFEFF)) ? text.mid(1) : text;
    return AnsiCodec::Decode(bytes, 0);
}

QChar CDelimitedReader::DetectSeparator(const QString& text, QChar fallback)
{
    static constexpr char16_t candidates[] = {u',', u';', u'\t'};
    int counts[3] = {};
    bool quoted = false;
    qsizetype pos = 0;
    while (pos < text.size() && (text[pos] == QLatin1Char('\n') || text[pos] == QLatin1Char('\r')))
        ++pos;
    for (; pos < text.size(); ++pos) {
        const QChar c = text[pos];
        if (c == quote)
            quoted = !quoted;
        else if (!quoted && (c == QLatin1Char('\n') || c == QLatin1Char('\r')))
            break;
        else if (!quoted)
            for (int i = 0; i < 3; ++i)
                counts[i] += c == QChar(candidates[i]);
    }
    const int best = int(std::max_element(std::begin(counts), std::end(counts)) - std::begin(counts));
    // A tie goes to the separator the file's kind suggests.
    for (int i = 0; i < 3; ++i)
        if (QChar(candidates[i]) == fallback && counts[i] == counts[best])
            return fallback;
    return counts[best] > 0 ? QChar(candidates[best]) : fallback;
}

bool CDelimitedReader::ReadAll(Result& result, const RowCheck& check)
{
    while (m_pos < m_text.size()) {
        if (AtLineEnd()) {
            SkipLineEnd();
            continue;
        }
        const int line = m_line;
        int fields = 0;
        for (;;) {
            result.fieldStarts.push_back(quint32(m_pos));
            ++fields;
            if (m_pos < m_text.size() && m_text[m_pos] == quote) {
                if (!ReadQuoted(nullptr))
                    return false;
            } else {
                ReadPlain();
            }
            if (m_pos < m_text.size() && m_text[m_pos] == m_separator) {
                ++m_pos;
                continue;
            }
            break;
        }
        SkipLineEnd();
        if (check) {
            m_error = check(line, fields);
            if (!m_error.isEmpty())
                return false;
        }
    }
    return true;
}

// From the opening quote to the one that closes the field; a quote inside
// is written twice.
bool CDelimitedReader::ReadQuoted(QString* field)
{
    const int startLine = m_line;
    ++m_pos;
    while (m_pos < m_text.size()) {
        const QChar c = m_text[m_pos++];
        if (c == quote) {
            if (m_pos < m_text.size() && m_text[m_pos] == quote) {
                if (field)
                    *field += quote;
                ++m_pos;
                continue;
            }
            if (m_pos < m_text.size() && m_text[m_pos] != m_separator && !AtLineEnd()) {
                m_error = FailAt(m_line, tr("a closing quote must end its field"));
                return false;
            }
            if (field)
                field->replace(QLatin1String("\r\n"), QLatin1String("\n"));
            return true;
        }
        if (c == QLatin1Char('\n'))
            ++m_line;
        if (field)
            *field += c;
    }
    m_error = FailAt(startLine, tr("the quoted field is never closed"));
    return false;
}

void CDelimitedReader::ReadPlain()
{
    while (m_pos < m_text.size() && m_text[m_pos] != m_separator && !AtLineEnd())
        ++m_pos;
}

bool CDelimitedReader::AtLineEnd() const
{
    const QChar c = m_text[m_pos];
    return c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

void CDelimitedReader::SkipLineEnd()
{
    if (m_pos < m_text.size() && m_text[m_pos] == QLatin1Char('\r'))
        ++m_pos;
    if (m_pos < m_text.size() && m_text[m_pos] == QLatin1Char('\n'))
        ++m_pos;
    ++m_line;
}

QString CDelimitedReader::FailAt(int line, const QString& reason) const
{
    return tr("Line %1: %2.").arg(line).arg(reason);
}
