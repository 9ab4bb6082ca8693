#include "FontChoice.h"

#include "objects/FontMapper.h"
#include "platform/AnsiCodec.h"

#include <algorithm>
#include <cmath>

namespace FontChoice {

QFont ToDialogFont(const LOGFONT& lf)
{
    QFont font = FontMapper::Map(lf);
    const int pixels = font.pixelSize() > 0 ? font.pixelSize() : 16;
    font.setPointSizeF(pixels * 72.0 / screenDpi);
    return font;
}

LOGFONT FromDialogFont(const QFont& font, const LOGFONT& previous)
{
    LOGFONT lf = previous;
    const double points = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 72.0 / screenDpi;
    lf.lfHeight = -std::max(1, int(std::lround(points * screenDpi / 72)));
    lf.lfWidth = 0;
    lf.lfWeight = std::clamp(int(font.weight()), 1, 1000);
    lf.lfItalic = font.italic() ? 1 : 0;
    lf.lfUnderline = font.underline() ? 1 : 0;
    lf.lfStrikeOut = font.strikeOut() ? 1 : 0;
    lf.SetFaceName(AnsiCodec::Encode(font.family(), lf.lfCharSet));
    return lf;
}

} // namespace FontChoice
