#include "SettingTextForms.h"

#include "platform/AnsiCodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <array>
#include <cstdint>
#include <limits>

namespace
{
// Reads numbers the way the old C scanning did (white space before a number
// is skipped, a comma must be exactly there), but refuses what that scanning
// left undefined or garbled: numbers beyond 32 bits, signs in hex fields.
class Scanner
{
public:
    explicit Scanner(QStringView text) : m_text(text) {}

    std::optional<int> Decimal()
    {
        SkipSpace();
        bool negative = false;
        if (m_pos < m_text.size() && (m_text[m_pos] == u'-' || m_text[m_pos] == u'+'))
            negative = m_text[m_pos++] == u'-';
        const qsizetype first = m_pos;
        std::int64_t value = 0;
        while (m_pos < m_text.size() && IsDigit(m_text[m_pos])) {
            value = value * 10 + (m_text[m_pos++].unicode() - u'0');
            if (value > std::int64_t(std::numeric_limits<int>::max()) + 1)
                return std::nullopt;
        }
        if (m_pos == first)
            return std::nullopt;
        if (negative)
            value = -value;
        if (value > std::numeric_limits<int>::max())
            return std::nullopt;
        return int(value);
    }

    // One or two hex digits, as a field of width two.
    std::optional<int> HexByte()
    {
        SkipSpace();
        int value = 0;
        int digits = 0;
        while (digits < 2 && m_pos < m_text.size()) {
            const int digit = HexDigit(m_text[m_pos]);
            if (digit < 0)
                break;
            value = value * 16 + digit;
            ++digits;
            ++m_pos;
        }
        if (digits == 0)
            return std::nullopt;
        return value;
    }

    bool Literal(char16_t c)
    {
        if (m_pos >= m_text.size() || m_text[m_pos] != c)
            return false;
        ++m_pos;
        return true;
    }

private:
    static bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }
    static int HexDigit(QChar c)
    {
        if (IsDigit(c))
            return c.unicode() - u'0';
        if (c >= u'a' && c <= u'f')
            return c.unicode() - u'a' + 10;
        if (c >= u'A' && c <= u'F')
            return c.unicode() - u'A' + 10;
        return -1;
    }
    // The C locale's white space, as the old scanning knew it.
    void SkipSpace()
    {
        while (m_pos < m_text.size() && (m_text[m_pos] == u' ' || (m_text[m_pos] >= u'\t' && m_text[m_pos] <= u'\r')))
            ++m_pos;
    }

    QStringView m_text;
    qsizetype m_pos = 0;
};

std::optional<std::array<int, 2>> ParsePair(QStringView text)
{
    Scanner scanner(text);
    const std::optional<int> first = scanner.Decimal();
    if (!first || !scanner.Literal(u','))
        return std::nullopt;
    const std::optional<int> second = scanner.Decimal();
    if (!second)
        return std::nullopt;
    return std::array<int, 2>{*first, *second};
}

// Whole characters only: a double-byte character cut in half would leave a
// lead byte that swallows the terminator when the name is decoded again.
QByteArray EncodeFaceName(QStringView face, int charSet)
{
    QStringEncoder encoder(AnsiCodec::CodecNameFor(charSet));
    QByteArray bytes;
    for (qsizetype i = 0; i < face.size();) {
        const qsizetype length = face[i].isHighSurrogate() && i + 1 < face.size() ? 2 : 1;
        const QByteArray character = encoder.encode(face.mid(i, length));
        if (bytes.size() + character.size() > LOGFONT::faceSize - 1)
            break;
        bytes += character;
        i += length;
    }
    return bytes;
}
} // namespace

namespace SettingTextForms
{
QString FormatColor(COLORREF color)
{
    return QString::asprintf("%02x%02x%02x", GetRValue(color), GetGValue(color), GetBValue(color));
}

std::optional<COLORREF> ParseColor(QStringView text)
{
    Scanner scanner(text);
    std::array<int, 4> fields{};
    int count = 0;
    while (count < 4) {
        const std::optional<int> field = scanner.HexByte();
        if (!field)
            break;
        fields[count++] = *field;
    }
    if (count < 3)
        return std::nullopt;
    // Eight digits starting 00 are the colour written as a 32-bit number, 00rrggbb.
    const int first = count == 4 && fields[0] == 0 ? 1 : 0;
    return RGB(fields[first], fields[first + 1], fields[first + 2]);
}

QString FormatPoint(CPoint point)
{
    return QStringLiteral("%1,%2").arg(point.x).arg(point.y);
}

QString FormatSize(CSize size)
{
    return QStringLiteral("%1,%2").arg(size.cx).arg(size.cy);
}

std::optional<CPoint> ParsePoint(QStringView text)
{
    const auto pair = ParsePair(text);
    if (!pair)
        return std::nullopt;
    return CPoint{(*pair)[0], (*pair)[1]};
}

std::optional<CSize> ParseSize(QStringView text)
{
    const auto pair = ParsePair(text);
    if (!pair)
        return std::nullopt;
    return CSize{(*pair)[0], (*pair)[1]};
}

QString FormatFont(const LOGFONT& font)
{
    const QString face = AnsiCodec::Decode(font.FaceName(), font.lfCharSet);
    return QString::asprintf("%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,",
                             font.lfHeight, font.lfWidth, font.lfEscapement, font.lfOrientation, font.lfWeight,
                             font.lfItalic, font.lfUnderline, font.lfStrikeOut, font.lfCharSet,
                             font.lfOutPrecision, font.lfClipPrecision, font.lfQuality, font.lfPitchAndFamily)
         + face;
}

std::optional<LOGFONT> ParseFont(QStringView text)
{
    Scanner scanner(text);
    std::array<int, 13> numbers{};
    for (int i = 0; i < 13; ++i) {
        if (i > 0 && !scanner.Literal(u','))
            return std::nullopt;
        const std::optional<int> number = scanner.Decimal();
        if (!number)
            return std::nullopt;
        numbers[i] = *number;
    }
    // Without this comma the last number would be taken for the face name.
    if (!scanner.Literal(u','))
        return std::nullopt;

    LOGFONT font;
    font.lfHeight = numbers[0];
    font.lfWidth = numbers[1];
    font.lfEscapement = numbers[2];
    font.lfOrientation = numbers[3];
    font.lfWeight = numbers[4];
    std::uint8_t* bytes[8] = {&font.lfItalic, &font.lfUnderline, &font.lfStrikeOut, &font.lfCharSet,
                              &font.lfOutPrecision, &font.lfClipPrecision, &font.lfQuality, &font.lfPitchAndFamily};
    for (int i = 0; i < 8; ++i)
        *bytes[i] = std::uint8_t(numbers[5 + i] & 0xFF);
    font.SetFaceName(EncodeFaceName(text.mid(text.lastIndexOf(u',') + 1), font.lfCharSet));
    return font;
}

} // namespace SettingTextForms
