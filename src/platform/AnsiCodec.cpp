#include "AnsiCodec.h"

#include <QStringDecoder>
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

} // namespace AnsiCodec
