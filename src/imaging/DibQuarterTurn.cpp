#include "DibQuarterTurn.h"

#include "CDibImage.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace DibQuarterTurn {

namespace {

// A pixel below 8 bits: its value, most significant bits first in a byte.
std::uint8_t ReadSmall(const std::uint8_t* row, int x, int bits)
{
    const int perByte = 8 / bits;
    const int shift = 8 - bits * (x % perByte + 1);
    return std::uint8_t((row[x / perByte] >> shift) & ((1 << bits) - 1));
}

void WriteSmall(std::uint8_t* row, int x, int bits, std::uint8_t value)
{
    const int perByte = 8 / bits;
    const int shift = 8 - bits * (x % perByte + 1);
    const std::uint8_t mask = std::uint8_t(((1 << bits) - 1) << shift);
    row[x / perByte] = std::uint8_t((row[x / perByte] & ~mask) | (value << shift));
}

} // namespace

bool Turn(const CDibImage& source, int quarterTurns, CDibImage& target)
{
    const int bits = source.BitCount();
    if (quarterTurns < 1 || quarterTurns > 3 || source.IsEmpty()
        || (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32))
        return false;
    const int w = source.Width(), h = source.Height();
    const bool swap = quarterTurns != 2;
    std::vector<COLORREF> table(std::size_t(source.TableEntries()));
    for (std::size_t i = 0; i < table.size(); ++i)
        table[i] = source.TableColor(int(i));
    CDibImage turned;
    if (!turned.Create(swap ? h : w, swap ? w : h, bits, colorNone, table.empty() ? nullptr : table.data()))
        return false;
    const int bytes = bits / 8;
    for (int y = 0; y < h; ++y) {
        const std::uint8_t* in = source.Row(y);
        for (int x = 0; x < w; ++x) {
            const int tx = quarterTurns == 1 ? h - 1 - y : quarterTurns == 2 ? w - 1 - x : y;
            const int ty = quarterTurns == 1 ? x : quarterTurns == 2 ? h - 1 - y : w - 1 - x;
            std::uint8_t* out = turned.Row(ty);
            if (bytes > 0)
                std::memcpy(out + std::size_t(bytes) * std::size_t(tx), in + std::size_t(bytes) * std::size_t(x),
                            std::size_t(bytes));
            else
                WriteSmall(out, tx, bits, ReadSmall(in, x, bits));
        }
    }
    target = std::move(turned);
    return true;
}

} // namespace DibQuarterTurn
