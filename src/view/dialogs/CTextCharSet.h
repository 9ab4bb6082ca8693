#pragma once

#include "platform/LOGFONT.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <optional>

// Text objects keep their text as bytes in their font's character set. A
// typed text is stored in a character set that holds all of it: the font's
// own when it can, else another one (with a face that has its glyphs); a
// text that no single character set holds is refused, naming the
// characters, rather than stored with substitutes.
class CTextCharSet
{
    Q_DECLARE_TR_FUNCTIONS(CTextCharSet)

public:
    // The bytes of `text`, switching `font` to the character set (and
    // face) that holds it; none, with `refusal` filled, when none can.
    static std::optional<QByteArray> Encode(const QString& text, LOGFONT& font, QString* refusal = nullptr);
    // For previews while typing: the best the font can do, never refused.
    static QByteArray EncodeLoosely(const QString& text, LOGFONT& font);

    // The face given to Japanese text whose face lacks Japanese glyphs: a
    // name other systems know, which the font mapper maps to ours.
    static const char* japaneseFace;

private:
    static void TakeCharSet(LOGFONT& font, int charSet);
};
