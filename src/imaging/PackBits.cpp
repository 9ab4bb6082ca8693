#include "PackBits.h"

#include "platform/CArchive.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::size_t maxChunk = 128;
constexpr std::size_t shortCode = 16;

std::uint8_t* EmitLiteral(const std::uint8_t* start, std::size_t length, std::uint8_t* out)
{
    if (length == 0)
        return out;
    *out++ = std::uint8_t(length - 1);
    std::memcpy(out, start, length);
    return out + length;
}

} // namespace

bool PackBits::DecodeWhole(const std::uint8_t* data, std::size_t size, std::uint8_t* out, std::size_t expected,
                           std::size_t& in, std::size_t& produced)
{
    while (produced < expected && in < size) {
        const std::int8_t control = std::int8_t(data[in]);
        if (control >= 0) {
            const std::size_t n = std::size_t(control) + 1;
            if (n > expected - produced)
                return false;
            if (n > size - in - 1)
                return true;
            // Photos give mostly short codes: a fixed 16-byte copy, where
            // both sides have room for it, beats a call sized to each. The
            // bytes past n are written again by the codes that follow.
            if (n <= shortCode && expected - produced >= shortCode && size - in - 1 >= shortCode)
                std::memcpy(out + produced, data + in + 1, shortCode);
            else
                std::memcpy(out + produced, data + in + 1, n);
            in += n + 1;
            produced += n;
        } else {
            const std::size_t n = std::size_t(1 - int(control));
            if (n > expected - produced)
                return false;
            if (size - in < 2)
                return true;
            if (n <= shortCode && expected - produced >= shortCode)
                std::memset(out + produced, data[in + 1], shortCode);
            else
                std::memset(out + produced, data[in + 1], n);
            in += 2;
            produced += n;
        }
    }
    return true;
}

// The code follows the classic state machine exactly (other writers compare
// bytes): a literal is at most 128 bytes and is cut as soon as it is full,
// so a pair of equal bytes only starts a run when its first byte still sits
// in the pending literal; a run is cut at 128.
std::size_t PackBits::Encode(const std::uint8_t* data, std::size_t size, std::uint8_t* out)
{
    std::uint8_t* const begin = out;
    std::size_t s = 0; // start of the pending literal
    while (s < size) {
        // A pair (j, j + 1) counts while j is among the literal's first 127 bytes.
        const std::size_t searchEnd = std::min(s + maxChunk - 1, size - 1);
        std::size_t j = s;
        while (j < searchEnd && data[j] != data[j + 1])
            ++j;
        if (j < searchEnd) {
            out = EmitLiteral(data + s, j - s, out);
            const std::uint8_t value = data[j];
            std::size_t length = 2;
            while (length < maxChunk && j + length < size && data[j + length] == value)
                ++length;
            *out++ = std::uint8_t(1 - int(length));
            *out++ = value;
            s = j + length;
            continue;
        }
        const std::size_t length = std::min(maxChunk, size - s);
        out = EmitLiteral(data + s, length, out);
        s += length;
    }
    return std::size_t(out - begin);
}

void PackBits::Encode(const std::uint8_t* data, std::size_t size, std::vector<std::uint8_t>& out)
{
    const std::size_t old = out.size();
    out.resize(old + MaxCodeSize(size));
    out.resize(old + Encode(data, size, out.data() + old));
}

void PackBits::Decode(CArchive& ar, std::uint8_t* out, std::size_t expected)
{
    std::size_t produced = 0;
    while (produced < expected) {
        // Whole codes straight from the archive's buffer.
        std::size_t available = 0;
        const std::uint8_t* buffered = ar.Buffered(available);
        std::size_t in = 0;
        if (!DecodeWhole(buffered, available, out, expected, in, produced))
            throw CArchiveException(CArchiveException::genericException);
        ar.Consume(in);
        if (produced == expected || in > 0)
            continue;
        // One code straddles the end of the buffer.
        std::int8_t control;
        ar >> control;
        if (control >= 0) {
            const std::size_t n = std::size_t(control) + 1;
            ar.Read(out + produced, n);
            produced += n;
        } else {
            std::uint8_t value;
            ar >> value;
            std::memset(out + produced, value, std::size_t(1 - int(control)));
            produced += std::size_t(1 - int(control));
        }
    }
}

bool PackBits::Decode(const std::uint8_t* data, std::size_t size, std::uint8_t* out, std::size_t expected,
                      std::size_t* consumed)
{
    std::size_t in = 0, produced = 0;
    if (!DecodeWhole(data, size, out, expected, in, produced) || produced < expected)
        return false;
    if (consumed)
        *consumed = in;
    return true;
}
