#pragma once

#include <QByteArray>
#include <QString>

// Archive strings are bytes in a Windows code page: windows-1252 unless a
// font's character set names a double-byte one (128 Japanese, 129 Korean,
// 134 Simplified and 136 Traditional Chinese).
namespace AnsiCodec {

const char* CodecNameFor(int charSet);
QString Decode(const QByteArray& bytes, int charSet = 0);
QByteArray Encode(const QString& text, int charSet = 0);
// True when the byte starts a two-byte character in that character set.
bool IsLeadByte(unsigned char byte, int charSet);

} // namespace AnsiCodec
