#include "KeyedNegative.h"

#include "CDibImage.h"

namespace KeyedNegative {

void Apply(CDibImage& picture)
{
    if (picture.BitCount() != 24)
        return;
    const std::uint8_t keyBlue = GetBValue(transparentKey), keyGreen = GetGValue(transparentKey),
                       keyRed = GetRValue(transparentKey);
    for (int y = 0; y < picture.Height(); ++y) {
        std::uint8_t* p = picture.Row(y);
        for (int x = 0; x < picture.Width(); ++x, p += 3) {
            if (p[0] == keyBlue && p[1] == keyGreen && p[2] == keyRed)
                continue;
            p[0] = std::uint8_t(~p[0]);
            p[1] = std::uint8_t(~p[1]);
            p[2] = std::uint8_t(~p[2]);
            if (p[0] == keyBlue && p[1] == keyGreen && p[2] == keyRed) {
                p[0] = GetBValue(keyReplacement);
                p[1] = GetGValue(keyReplacement);
                p[2] = GetRValue(keyReplacement);
            }
        }
    }
}

} // namespace KeyedNegative
