#include "CTextCharSet.h"

#include "objects/FontMapper.h"
#include "platform/AnsiCodec.h"

#include <QFontDatabase>

const char* CTextCharSet::japaneseFace = "MS Gothic";

std::optional<QByteArray> CTextCharSet::Encode(const QString& text, LOGFONT& font, QString* refusal)
{
    const std::optional<int> charSet = AnsiCodec::CharSetHolding(text, font.lfCharSet);
    if (!charSet) {
        if (refusal)
            *refusal = tr("This text cannot be stored: no one character set holds all of it. "
                          "Remove these characters or put them in a text of their own: %1")
                           .arg(AnsiCodec::Unheld(text, font.lfCharSet));
        return std::nullopt;
    }
    TakeCharSet(font, *charSet);
    return AnsiCodec::Encode(text, *charSet);
}

QByteArray CTextCharSet::EncodeLoosely(const QString& text, LOGFONT& font)
{
    if (std::optional<QByteArray> bytes = Encode(text, font))
        return *bytes;
    return AnsiCodec::Encode(text, font.lfCharSet);
}

void CTextCharSet::TakeCharSet(LOGFONT& font, int charSet)
{
    if (font.lfCharSet == charSet)
        return;
    font.lfCharSet = std::uint8_t(charSet);
    const QString face = FontMapper::FaceName(font);
    if (charSet == 128 && !QFontDatabase::writingSystems(face).contains(QFontDatabase::Japanese))
        font.SetFaceName(QByteArray(japaneseFace));
}
