#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class CArchive;

// Reads blocks of PackBits code that follow one another in a stream with no
// length recorded (the planes of an image record) and decodes them in
// pieces on several threads. A first pass walks the control bytes only,
// keeping the code in one buffer (or where the archive holds it) and noting
// evenly spaced code boundaries with the output offset each one starts at;
// the pieces between them are then independent.
//
// What is refused, and how, is what block-by-block decoding refuses: a code
// that runs past the end of its block throws genericException, a stream
// that ends first throws endOfFile. The archive is left just after the
// last code byte.
class PackBitsReader
{
public:
    // Decodes count blocks of blockSize bytes each into out (count *
    // blockSize bytes), split into pieces pieces at most (0: as many as
    // suit the size and the threads there are).
    static void Read(CArchive& ar, std::uint8_t* out, std::size_t blockSize, int count, int pieces = 0);

private:
    // A code boundary and the output offset (over all blocks) it starts at.
    struct Point
    {
        std::size_t code;
        std::size_t out;
    };

    PackBitsReader(std::size_t blockSize, int count, int pieces);

    void Index(CArchive& ar);
    bool Walk(const std::uint8_t* data, std::size_t size);
    void AddPoint();
    void DecodeInto(std::uint8_t* out) const;

    const std::size_t m_blockSize;
    const std::size_t m_total;
    const int m_pieces;

    const std::uint8_t* m_data = nullptr; // the code: m_code, or the archive's buffer
    std::vector<std::uint8_t> m_code;
    std::vector<Point> m_points;

    // Where the walk is: the next control byte, the output it starts at,
    // the end of its block and the next output offset to note a point at.
    std::size_t m_in = 0;
    std::size_t m_out = 0;
    std::size_t m_blockEnd;
    std::size_t m_nextTarget = 0;
    int m_target = 0;
};
