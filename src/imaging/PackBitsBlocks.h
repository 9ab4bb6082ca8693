#pragma once

#include <cstddef>
#include <cstdint>

// Blocks of PackBits code that lie back to back in memory (the planes of a
// colour record), decoded as PackBits::Decode would decode them one after
// another, on two threads where there is enough code.
//
// Where a block's code ends is only known by walking every control byte
// before it, so the code cannot be cut at a known place. The second thread
// guesses: it starts at a byte halfway through the code, takes it for a
// control byte, and decodes from there into a buffer of its own. Codes
// read from a wrong start soon land on a control byte of the true walk, and
// from there on both walks are the same. The calling thread decodes up to
// the guessed byte, walks on until it lands where the second thread has
// been, and takes the second thread's bytes from there. Every block end
// after that point is checked against the second walk; whatever does not
// hold (no meeting, a code across a block end, too little code) is decoded
// on the calling thread from where it stands, as the plain walk would.
class PackBitsBlocks
{
public:
    // Decodes count blocks of blockSize bytes each from code[0, size) into
    // out (count * blockSize bytes). False wherever decoding the blocks one
    // after another would fail; consumed is then unset, else where the last
    // block's code ends.
    static bool Decode(const std::uint8_t* code, std::size_t size, std::uint8_t* out, std::size_t blockSize,
                       int count, std::size_t& consumed);

    // The same, the second walk starting at code[splitAt]: any place gives
    // the same result (tests).
    static bool DecodeSplitAt(const std::uint8_t* code, std::size_t size, std::uint8_t* out, std::size_t blockSize,
                              int count, std::size_t splitAt, std::size_t& consumed);

    // Less code than this is decoded on the calling thread alone.
    static constexpr std::size_t minimumSplitCode = std::size_t(1) << 20;
};
