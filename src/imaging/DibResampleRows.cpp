#include "DibResampleRows.h"

#include "KeyScan.h"

namespace DibResampleRows {

void WritePixel(std::uint8_t* out, int r, int g, int b, COLORREF key, COLORREF replacement)
{
    COLORREF color = RGB(r, g, b);
    if (color == key)
        color = replacement;
    out[0] = std::uint8_t(GetBValue(color));
    out[1] = std::uint8_t(GetGValue(color));
    out[2] = std::uint8_t(GetRValue(color));
}

void WriteKey(std::uint8_t* out, COLORREF key)
{
    out[0] = std::uint8_t(GetBValue(key));
    out[1] = std::uint8_t(GetGValue(key));
    out[2] = std::uint8_t(GetRValue(key));
}

void WriteWholeRow(std::uint8_t* out, const int* values, const std::uint8_t* keyed, std::size_t count, COLORREF key,
                   COLORREF replacement)
{
    for (std::size_t k = 0; k < 3 * count; ++k)
        out[k] = std::uint8_t(values[k]);
    MendKeys(out, keyed, count, key, replacement);
}

void MendKeys(std::uint8_t* out, const std::uint8_t* keyed, std::size_t count, COLORREF key, COLORREF replacement)
{
    if (key != colorNone) {
        const std::uint8_t keyBytes[3] = {std::uint8_t(GetBValue(key)), std::uint8_t(GetGValue(key)), std::uint8_t(GetRValue(key))};
        for (int x = NextKeyPixel(out, 0, int(count), keyBytes); x < int(count); x = NextKeyPixel(out, x + 1, int(count), keyBytes))
            WriteKey(out + 3 * std::size_t(x), replacement);
    }
    for (std::size_t c = 0; keyed && c < count; ++c)
        if (keyed[c])
            WriteKey(out + 3 * c, key);
}

} // namespace DibResampleRows
