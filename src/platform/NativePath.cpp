#include "NativePath.h"

#include <QStringDecoder>

namespace {

constexpr char16_t escapeBase = 0xDC00;

// The length of the UTF-8 sequence a lead byte starts; 0 for a byte that
// starts none.
int SequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

bool IsEscape(const QString& path, qsizetype i)
{
    const char16_t c = path[i].unicode();
    return c >= escapeBase + 0x80 && c <= escapeBase + 0xFF && (i == 0 || !path[i - 1].isHighSurrogate());
}

} // namespace

namespace NativePath {

bool IsUtf8(QByteArrayView bytes)
{
    // The decoder lets a sequence cut short at the end pass: the bytes
    // must come back from the text.
    const QString text = QString::fromUtf8(bytes);
    return text.toUtf8() == bytes;
}

QString Decode(const QByteArray& bytes)
{
    if (IsUtf8(bytes))
        return QString::fromUtf8(bytes);
    QString text;
    for (qsizetype i = 0; i < bytes.size();) {
        const int length = SequenceLength(static_cast<unsigned char>(bytes[i]));
        if (length > 0 && i + length <= bytes.size()) {
            QStringDecoder one(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
            const QString character = one.decode(QByteArrayView(bytes).sliced(i, length));
            if (!one.hasError()) {
                text += character;
                i += length;
                continue;
            }
        }
        text += QChar(char16_t(escapeBase + static_cast<unsigned char>(bytes[i])));
        ++i;
    }
    return text;
}

QByteArray Encode(const QString& path)
{
    QByteArray bytes;
    qsizetype from = 0;
    for (qsizetype i = 0; i < path.size(); ++i) {
        if (!IsEscape(path, i))
            continue;
        bytes += QStringView(path).sliced(from, i - from).toUtf8();
        bytes += char(path[i].unicode() - escapeBase);
        from = i + 1;
    }
    bytes += QStringView(path).sliced(from).toUtf8();
    return bytes;
}

} // namespace NativePath
