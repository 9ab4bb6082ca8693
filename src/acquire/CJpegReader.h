#pragma once

#include <QString>

class CDibImage;

// Decodes a JPEG file into a 24-bit picture, one scan line at a time, with
// the jpeglib 6b interface. A greyscale file gives equal red, green and
// blue. A damaged or truncated file fails as a whole: the decoder's
// warnings count as failure too, so no half-grey picture comes out.
class CJpegReader
{
public:
    static bool Load(CDibImage& image, const QString& path);
};
