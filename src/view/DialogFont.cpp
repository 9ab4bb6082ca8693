#include "DialogFont.h"

#include "objects/FontMapper.h"
#include "platform/AnsiCodec.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double pointsPerInch = 72.0;

// The character sets a face name may need, the record's own first.
QByteArray EncodeFaceName(const QString& face, std::uint8_t& charSet)
{
    for (int candidate : {int(charSet), 0, 128, 129, 134, 136}) {
        const QByteArray bytes = AnsiCodec::Encode(face, candidate);
        if (AnsiCodec::Decode(bytes, candidate) == face) {
            charSet = std::uint8_t(candidate);
            return bytes;
        }
    }
    return AnsiCodec::Encode(face, charSet);
}

} // namespace

namespace DialogFont {

QFont ToDialogFont(const LOGFONT& record)
{
    QFont font = FontMapper::Map(record);
    const int pixels = font.pixelSize() > 0 ? font.pixelSize() : 16;
    font.setPointSizeF(pixels * pointsPerInch / screenPixelsPerInch);
    return font;
}

LOGFONT FromDialogFont(const QFont& font, const LOGFONT& previous)
{
    LOGFONT record = previous;
    const double points = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * pointsPerInch / screenPixelsPerInch;
    // Negative: the character height, as the built-in default is given.
    record.lfHeight = -std::max(1, int(std::lround(points * screenPixelsPerInch / pointsPerInch)));
    // The dialog has no width of its own: the face's natural width.
    record.lfWidth = 0;
    record.lfWeight = std::clamp(int(font.weight()), 1, 1000);
    record.lfItalic = font.italic() ? 1 : 0;
    record.lfUnderline = font.underline() ? 1 : 0;
    record.lfStrikeOut = font.strikeOut() ? 1 : 0;
    record.SetFaceName(EncodeFaceName(font.family(), record.lfCharSet));
    return record;
}

} // namespace DialogFont
