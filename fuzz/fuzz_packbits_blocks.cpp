// Decodes arbitrary bytes as back-to-back PackBits blocks on two threads,
// from a guessed place the input chooses, and compares everything with
// decoding the blocks one after another: whether it succeeds, where the
// code ends and every byte. Any difference aborts.

#include "imaging/PackBits.h"
#include "imaging/PackBitsBlocks.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

bool OneAfterAnother(const std::uint8_t* code, std::size_t size, std::uint8_t* out, std::size_t blockSize, int count,
                     std::size_t& consumed)
{
    consumed = 0;
    for (int block = 0; block < count; ++block) {
        std::size_t used = 0;
        if (!PackBits::Decode(code + consumed, size - consumed, out + blockSize * std::size_t(block), blockSize, &used))
            return false;
        consumed += used;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Four bytes choose the block size, the count and where the guess starts.
    if (size < 4)
        return 0;
    const std::size_t blockSize = 1 + (std::size_t(data[0]) | std::size_t(data[1]) << 8) % 4096;
    const int count = 1 + data[2] % 3;
    const std::uint8_t* code = data + 4;
    const std::size_t codeSize = size - 4;
    const std::size_t splitAt = codeSize ? std::size_t(data[3]) * codeSize / 256 : 0;

    std::vector<std::uint8_t> expected(blockSize * std::size_t(count)), split(expected.size());
    std::size_t expectedEnd = 0, splitEnd = 0;
    const bool sound = OneAfterAnother(code, codeSize, expected.data(), blockSize, count, expectedEnd);
    if (PackBitsBlocks::DecodeSplitAt(code, codeSize, split.data(), blockSize, count, splitAt, splitEnd) != sound)
        std::abort();
    if (sound && (splitEnd != expectedEnd || split != expected))
        std::abort();
    return 0;
}
