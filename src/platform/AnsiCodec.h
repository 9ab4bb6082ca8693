#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Archive strings are bytes in a Windows code page: windows-1252 unless a
// font's character set names a double-byte one (128 Japanese, 129 Korean,
// 134 Simplified and 136 Traditional Chinese).
namespace AnsiCodec {

const char* CodecNameFor(int charSet);
QString Decode(const QByteArray& bytes, int charSet = 0);
QByteArray Encode(const QString& text, int charSet = 0);
// True when the byte starts a two-byte character in that character set.
bool IsLeadByte(unsigned char byte, int charSet);

// Whether the text comes back unchanged from its bytes in that character
// set: an encoder puts a substitute byte for what a code page lacks.
bool CanHold(const QString& text, int charSet);
// The characters of the text that the character set cannot hold, each once,
// in the order they first appear.
QString Unheld(const QString& text, int charSet);
// A character set that holds the whole text: the preferred one when it
// does, else the first of Western, Japanese, Korean, Simplified and
// Traditional Chinese that does; none when no single one holds it all.
std::optional<int> CharSetHolding(const QString& text, int preferred);

// A file's name (NativePath form) as the Western code page keeps it: the
// name's own bytes where they are no UTF-8 (an older system wrote them in
// that code page), else the name encoded; empty when it cannot hold it.
QByteArray FromFileName(const QString& name);

} // namespace AnsiCodec
