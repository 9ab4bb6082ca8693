#pragma once

class CArchive;
class CDibImage;

// The image record body that documents, symbol files and undo records carry:
// format, information block, size, plane mode and PackBits-coded pixels,
// 24-bit pictures as separate red, green and blue planes (one plane when the
// picture is grey).
class DibRecord
{
public:
    enum Format { formatRaw = 0, formatPlanes = 1, formatGrey = 2 };
    enum PlaneMode { wholeBlock = 1, colourPlanes = 3 };

    static void Serialize(CDibImage& image, CArchive& ar);
    static void Store(const CDibImage& image, CArchive& ar);
    // Replaces image by the record read; throws archive errors and leaves
    // the image as it was when the record is damaged.
    static void Load(CDibImage& image, CArchive& ar);
};
