#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class CArchive;

// The byte-oriented run-length code of image records. A control byte c in
// 0..127 is followed by c + 1 literal bytes; a negative c by one byte that is
// repeated 1 - c times. Blocks carry no length: the reader knows how many
// bytes it expects.
class PackBits
{
public:
    // Room enough for the code of size bytes. The worst case is a single
    // literal byte before each run of two (4 code bytes per 3), plus one
    // control per 128 literal bytes.
    static std::size_t MaxCodeSize(std::size_t size) { return size + size / 3 + size / 128 + 4; }

    // Writes the code of data to out (room for MaxCodeSize(size) bytes);
    // returns the code's length.
    static std::size_t Encode(const std::uint8_t* data, std::size_t size, std::uint8_t* out);
    // Appends the code of data to out.
    static void Encode(const std::uint8_t* data, std::size_t size, std::vector<std::uint8_t>& out);

    // Decodes exactly expected bytes from the archive into out. A run or
    // literal that would go past expected throws genericException; a
    // stream that ends first throws endOfFile.
    static void Decode(CArchive& ar, std::uint8_t* out, std::size_t expected);

    // The same from memory: false when the block overruns or ends early.
    static bool Decode(const std::uint8_t* data, std::size_t size, std::uint8_t* out, std::size_t expected,
                       std::size_t* consumed = nullptr);

    // Decodes the codes that lie wholly inside data[in, size) into out,
    // moving in and produced on; stops before a code that runs past size,
    // or once expected bytes are there. False when a code would overrun
    // expected (the stream is then unsound, whatever follows).
    static bool DecodeWhole(const std::uint8_t* data, std::size_t size, std::uint8_t* out, std::size_t expected,
                            std::size_t& in, std::size_t& produced);

    // Code bytes taken by the code whose control byte is control.
    static std::size_t CodeLength(std::uint8_t control) { return std::int8_t(control) < 0 ? 2 : std::size_t(control) + 2; }

    // The fewest code bytes that can produce size bytes (a 129-byte run
    // takes two): a bound for checking a stream is long enough before
    // allocating what it claims to hold.
    static std::uint64_t MinimumCodeSize(std::uint64_t size) { return (size + 128) / 129 * 2; }
};
