#include "JsonWriter.h"

#include <charconv>
#include <cmath>

void JsonWriter::Separate()
{
    if (!m_first)
        m_text.append(',');
    m_first = false;
}

JsonWriter& JsonWriter::BeginObject()
{
    Separate();
    m_text.append('{');
    m_first = true;
    return *this;
}

JsonWriter& JsonWriter::EndObject()
{
    m_text.append('}');
    m_first = false;
    return *this;
}

JsonWriter& JsonWriter::BeginArray()
{
    Separate();
    m_text.append('[');
    m_first = true;
    return *this;
}

JsonWriter& JsonWriter::EndArray()
{
    m_text.append(']');
    m_first = false;
    return *this;
}

JsonWriter& JsonWriter::Key(const char* key)
{
    Separate();
    m_text.append('"').append(key).append("\":");
    m_first = true; // the value follows without a comma
    return *this;
}

JsonWriter& JsonWriter::Value(std::int64_t value)
{
    Separate();
    m_text.append(QByteArray::number(qlonglong(value)));
    return *this;
}

JsonWriter& JsonWriter::Value(float value)
{
    Separate();
    if (!std::isfinite(value)) {
        m_text.append("null");
        return *this;
    }
    // The shortest text that reads back as the same float.
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    m_text.append(buffer, int(result.ptr - buffer));
    return *this;
}

JsonWriter& JsonWriter::Value(const QString& text)
{
    Separate();
    QString escaped;
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '"': escaped += QLatin1String("\\\""); break;
        case '\\': escaped += QLatin1String("\\\\"); break;
        case '\n': escaped += QLatin1String("\\n"); break;
        case '\r': escaped += QLatin1String("\\r"); break;
        case '\t': escaped += QLatin1String("\\t"); break;
        default:
            if (c.unicode() < 0x20)
                escaped += QStringLiteral("\\u%1").arg(int(c.unicode()), 4, 16, QLatin1Char('0'));
            else
                escaped += c;
        }
    }
    m_text.append('"').append(escaped.toUtf8()).append('"');
    return *this;
}

JsonWriter& JsonWriter::Pair(const char* key, std::int64_t a, std::int64_t b)
{
    return Key(key).BeginArray().Value(a).Value(b).EndArray();
}

JsonWriter& JsonWriter::Pair(const char* key, float a, float b)
{
    return Key(key).BeginArray().Value(a).Value(b).EndArray();
}
