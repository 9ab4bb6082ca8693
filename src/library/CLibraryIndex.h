#pragma once

#include "LibraryEntry.h"

#include <QByteArray>
#include <QString>

#include <vector>

// "index.vli": the cache of a library folder. The screen's colour depth
// when written, the entry count, the 264-byte entries in row order, then
// the thumbnails: a 32-bit count and, per thumbnail, a 32-bit length and a
// PNG of the 64 x 64 picture (transparent where the symbol is).
class CLibraryIndex
{
public:
    static constexpr const char* fileName = "index.vli";
    static constexpr int thumbnailSide = 64;

    int depth = 0;
    std::vector<LibraryEntry> entries;
    // PNG bytes, decoded only when shown.
    std::vector<QByteArray> thumbnails;

    // False for a missing, damaged or foreign file; what was read stays.
    // Stops after the depth when it differs from expectedDepth.
    bool Read(const QString& path, int expectedDepth);
    bool Write(const QString& path) const;
};
