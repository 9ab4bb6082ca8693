#include "CDelimitedReader.h"

#include "platform/AnsiCodec.h"

#include <QStringDecoder>

#include <algorithm>
#include <iterator>

namespace {

constexpr QChar quote = QLatin1Char('"');

} // namespace

CDelimitedReader::Result CDelimitedReader::Read(const QString& text, QChar separator)
{
    Result result;
    CDelimitedReader reader(text, separator);
    result.ok = reader.ReadAll(result);
    result.error = reader.m_error;
    return result;
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

bool CDelimitedReader::ReadAll(Result& result)
{
    while (m_pos < m_text.size()) {
        if (AtLineEnd()) {
            SkipLineEnd();
            continue;
        }
        Row row;
        row.line = m_line;
        for (;;) {
            QString field;
            if (m_pos < m_text.size() && m_text[m_pos] == quote) {
                if (!ReadQuoted(field))
                    return false;
            } else {
                ReadPlain(field);
            }
            row.fields << field;
            if (m_pos < m_text.size() && m_text[m_pos] == m_separator) {
                ++m_pos;
                continue;
            }
            break;
        }
        SkipLineEnd();
        result.rows << row;
    }
    return true;
}

// From the opening quote to the one that closes the field; a quote inside
// is written twice.
bool CDelimitedReader::ReadQuoted(QString& field)
{
    const int startLine = m_line;
    ++m_pos;
    while (m_pos < m_text.size()) {
        const QChar c = m_text[m_pos++];
        if (c == quote) {
            if (m_pos < m_text.size() && m_text[m_pos] == quote) {
                field += quote;
                ++m_pos;
                continue;
            }
            if (m_pos < m_text.size() && m_text[m_pos] != m_separator && !AtLineEnd()) {
                m_error = FailAt(m_line, tr("a closing quote must end its field"));
                return false;
            }
            field.replace(QLatin1String("\r\n"), QLatin1String("\n"));
            return true;
        }
        if (c == QLatin1Char('\n'))
            ++m_line;
        field += c;
    }
    m_error = FailAt(startLine, tr("the quoted field is never closed"));
    return false;
}

void CDelimitedReader::ReadPlain(QString& field)
{
    const qsizetype start = m_pos;
    while (m_pos < m_text.size() && m_text[m_pos] != m_separator && !AtLineEnd())
        ++m_pos;
    field = m_text.mid(start, m_pos - start);
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
