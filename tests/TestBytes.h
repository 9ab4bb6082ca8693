#pragma once

#include <QByteArray>

#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <string>

// Building expected byte streams by hand, field by field, little-endian.
class TestBytes
{
public:
    TestBytes& u8(std::uint8_t v) { m_bytes.append(char(v)); return *this; }
    TestBytes& u16(std::uint16_t v) { return u8(std::uint8_t(v)).u8(std::uint8_t(v >> 8)); }
    TestBytes& u32(std::uint32_t v) { return u16(std::uint16_t(v)).u16(std::uint16_t(v >> 16)); }
    TestBytes& i32(std::int32_t v) { return u32(std::uint32_t(v)); }
    TestBytes& f32(float v)
    {
        std::uint32_t bits;
        std::memcpy(&bits, &v, 4);
        return u32(bits);
    }
    TestBytes& text(const std::string& s) { m_bytes.append(s.data(), qsizetype(s.size())); return *this; }
    TestBytes& bytes(std::initializer_list<std::uint8_t> list)
    {
        for (std::uint8_t b : list)
            u8(b);
        return *this;
    }
    TestBytes& repeat(std::uint8_t v, int count)
    {
        m_bytes.append(qsizetype(count), char(v));
        return *this;
    }
    TestBytes& raw(const QByteArray& b) { m_bytes.append(b); return *this; }

    const QByteArray& data() const { return m_bytes; }
    operator QByteArray() const { return m_bytes; }
    int size() const { return int(m_bytes.size()); }

private:
    QByteArray m_bytes;
};
