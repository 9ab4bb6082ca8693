#pragma once

#include <QByteArrayView>

class CDibImage;

// Reads bitmaps that come from outside the program: bitmap files and the
// packed blocks the clipboard and old records carry. The data is untrusted;
// anything malformed, truncated or too large is refused.
//
// Whatever the source, the image comes out in the one form CDibImage keeps:
// a 40-byte header, the full colour table, top-down rows, uncompressed
// (run-length data is expanded) except for bit-field images, which keep
// their three masks. Every function returns false and leaves the image as
// it was when the data cannot be read.
class CBitmapReader
{
public:
    // A whole bitmap file: the 14-byte file header ("BM", file size, two
    // reserved words, pixel offset) followed by a packed block.
    static bool ReadFile(QByteArrayView file, CDibImage& image);
    // A packed block: header, colour table (or masks), then the pixel rows,
    // bottom-up for a positive height and top-down for a negative one.
    static bool ReadPacked(QByteArrayView packed, CDibImage& image);
    // The same with the pixel rows in a block of their own.
    static bool ReadPacked(QByteArrayView info, QByteArrayView bits, CDibImage& image);
};
