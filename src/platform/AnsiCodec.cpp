#include "AnsiCodec.h"

#include "NativePath.h"

#include <QStringDecoder>
#include <QList>
#include <QStringEncoder>

namespace AnsiCodec {

const char* CodecNameFor(int charSet)
{
    switch (charSet) {
    case 128: return "CP932";
    case 129: return "CP949";
    case 134: return "CP936";
    case 136: return "CP950";
    default: return "windows-1252";
    }
}

QString Decode(const QByteArray& bytes, int charSet)
{
    QStringDecoder decoder(CodecNameFor(charSet));
    if (!decoder.isValid())
        return QString::fromLatin1(bytes);
    return decoder.decode(bytes);
}

QByteArray Encode(const QString& text, int charSet)
{
    QStringEncoder encoder(CodecNameFor(charSet));
    if (!encoder.isValid())
        return text.toLatin1();
    return encoder.encode(text);
}

bool IsLeadByte(unsigned char byte, int charSet)
{
    switch (charSet) {
    case 128: // code page 932
        return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    case 129: // 949
    case 134: // 936
    case 136: // 950
        return byte >= 0x81 && byte <= 0xFE;
    default:
        return false;
    }
}

bool CanHold(const QString& text, int charSet)
{
    return Decode(Encode(text, charSet), charSet) == text;
}

QString Unheld(const QString& text, int charSet)
{
    QString unheld;
    for (const uint codePoint : text.toUcs4()) {
        const char32_t point = codePoint;
        const QString character = QString::fromUcs4(&point, 1);
        if (!CanHold(character, charSet) && !unheld.contains(character))
            unheld += character;
    }
    return unheld;
}

std::optional<int> CharSetHolding(const QString& text, int preferred)
{
    for (const int charSet : {preferred, 0, 128, 129, 134, 136})
        if (CanHold(text, charSet))
            return charSet;
    return std::nullopt;
}

QByteArray FromFileName(const QString& name)
{
    const QByteArray bytes = NativePath::Encode(name);
    if (!NativePath::IsUtf8(bytes))
        return bytes;
    return CanHold(name, 0) ? Encode(name, 0) : QByteArray();
}

} // namespace AnsiCodec
