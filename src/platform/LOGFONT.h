#pragma once

#include <QByteArray>

#include <cstdint>

class CArchive;

// The 60-byte logical font record that documents, settings and the text
// objects keep: five 32-bit fields, eight byte fields and a 32-byte face
// name in the document's code page, zero-terminated.
struct LOGFONT
{
    static constexpr int byteSize = 60;
    static constexpr int faceSize = 32;

    std::int32_t lfHeight = 0;
    std::int32_t lfWidth = 0;
    std::int32_t lfEscapement = 0;
    std::int32_t lfOrientation = 0;
    std::int32_t lfWeight = 0;
    std::uint8_t lfItalic = 0;
    std::uint8_t lfUnderline = 0;
    std::uint8_t lfStrikeOut = 0;
    std::uint8_t lfCharSet = 0;
    std::uint8_t lfOutPrecision = 0;
    std::uint8_t lfClipPrecision = 0;
    std::uint8_t lfQuality = 0;
    std::uint8_t lfPitchAndFamily = 0;
    char lfFaceName[faceSize] = {};

    // The face name up to its terminating zero.
    QByteArray FaceName() const;
    // Keeps at most 31 bytes so the field stays terminated.
    void SetFaceName(const QByteArray& name);

    void ToBytes(std::uint8_t* out) const;
    static LOGFONT FromBytes(const std::uint8_t* bytes);

    // The raw 60 bytes through an archive.
    void Serialize(CArchive& ar);

    friend bool operator==(const LOGFONT& a, const LOGFONT& b);
};
