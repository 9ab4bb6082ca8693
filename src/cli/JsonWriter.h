#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// Writes one JSON value with its keys in the order given (the tool's
// output keeps a documented key order, which QJsonObject would sort).
class JsonWriter
{
public:
    JsonWriter& BeginObject();
    JsonWriter& EndObject();
    JsonWriter& BeginArray();
    JsonWriter& EndArray();
    JsonWriter& Key(const char* key);
    JsonWriter& Value(std::int64_t value);
    JsonWriter& Value(float value);
    JsonWriter& Value(const QString& text);
    JsonWriter& Pair(const char* key, std::int64_t a, std::int64_t b);
    JsonWriter& Pair(const char* key, float a, float b);

    template <class T>
    JsonWriter& Field(const char* key, T value)
    {
        return Key(key).Value(value);
    }

    const QByteArray& Text() const { return m_text; }

private:
    void Separate();

    QByteArray m_text;
    bool m_first = true; // nothing written yet at this level
};
