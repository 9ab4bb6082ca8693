#include "LOGFONT.h"

#include "CArchive.h"

#include <algorithm>
#include <cstring>

QByteArray LOGFONT::FaceName() const
{
    return QByteArray(lfFaceName, qsizetype(strnlen(lfFaceName, faceSize)));
}

void LOGFONT::SetFaceName(const QByteArray& name)
{
    std::memset(lfFaceName, 0, faceSize);
    std::memcpy(lfFaceName, name.constData(), std::size_t(std::min<qsizetype>(name.size(), faceSize - 1)));
}

void LOGFONT::ToBytes(std::uint8_t* out) const
{
    const std::int32_t ints[5] = {lfHeight, lfWidth, lfEscapement, lfOrientation, lfWeight};
    for (int i = 0; i < 5; ++i)
        CArchive::EncodeLittleEndian(ints[i], out + 4 * i);
    const std::uint8_t bytes[8] = {lfItalic, lfUnderline, lfStrikeOut, lfCharSet,
                                   lfOutPrecision, lfClipPrecision, lfQuality, lfPitchAndFamily};
    std::memcpy(out + 20, bytes, 8);
    std::memcpy(out + 28, lfFaceName, faceSize);
}

LOGFONT LOGFONT::FromBytes(const std::uint8_t* in)
{
    LOGFONT lf;
    std::int32_t* ints[5] = {&lf.lfHeight, &lf.lfWidth, &lf.lfEscapement, &lf.lfOrientation, &lf.lfWeight};
    for (int i = 0; i < 5; ++i)
        *ints[i] = CArchive::DecodeLittleEndian<std::int32_t>(in + 4 * i);
    std::uint8_t* bytes[8] = {&lf.lfItalic, &lf.lfUnderline, &lf.lfStrikeOut, &lf.lfCharSet,
                              &lf.lfOutPrecision, &lf.lfClipPrecision, &lf.lfQuality, &lf.lfPitchAndFamily};
    for (int i = 0; i < 8; ++i)
        *bytes[i] = in[20 + i];
    std::memcpy(lf.lfFaceName, in + 28, faceSize);
    return lf;
}

void LOGFONT::Serialize(CArchive& ar)
{
    std::uint8_t bytes[byteSize];
    if (ar.IsStoring()) {
        ToBytes(bytes);
        ar.Write(bytes, byteSize);
    } else {
        ar.Read(bytes, byteSize);
        *this = FromBytes(bytes);
    }
}

bool operator==(const LOGFONT& a, const LOGFONT& b)
{
    std::uint8_t x[LOGFONT::byteSize], y[LOGFONT::byteSize];
    a.ToBytes(x);
    b.ToBytes(y);
    return std::memcmp(x, y, LOGFONT::byteSize) == 0;
}
