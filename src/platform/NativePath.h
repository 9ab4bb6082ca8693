#pragma once

#include <QByteArray>
#include <QString>

// File names as the file system gives them. A name is bytes: most are
// UTF-8, but one written by an older system may hold "é" as the single
// byte 0xE9, which no QString decoding gives back. Such bytes are carried
// as the low surrogates U+DC80..U+DCFF (no text holds one alone), so a
// name read from the system opens the same file again.
namespace NativePath {

QString Decode(const QByteArray& bytes);
// Whether the bytes are UTF-8 throughout, a sequence cut short at the end
// not being so.
bool IsUtf8(QByteArrayView bytes);
QByteArray Encode(const QString& path);

} // namespace NativePath
