#pragma once

#include <cstddef>
#include <vector>

// Which source pixels each destination pixel of a stretch takes, and how
// much of each, along one axis.

struct Footprint
{
    int first = 0;
    std::vector<float> weights; // for source pixels first, first + 1, ...
};

// dest pixels destFirst..destEnd-1 of a mapping of sourceCount pixels
// starting at sourceStart onto destCount: each takes the source interval it
// covers, weighted by overlap (area averaging), or the one pixel under it.
std::vector<Footprint> AreaFootprints(int destFirst, int destEnd, int destCount, int sourceStart, int sourceCount, bool mirror);
std::vector<Footprint> NearestFootprints(int destFirst, int destEnd, int destCount, int sourceStart, int sourceCount, bool mirror);

// Footprints laid out flat for the pixel loops, with the source pixels that
// lie outside the image already dropped (they count as black).
struct FlatFootprints
{
    std::vector<int> first;     // per destination pixel; -1 when it takes nothing
    std::vector<int> offset;    // into weights, per destination pixel, plus one at the end
    std::vector<float> weights;

    FlatFootprints(const std::vector<Footprint>& prints, int sourceSize);

    std::size_t size() const { return first.size(); }
    int Count(std::size_t i) const { return offset[i + 1] - offset[i]; }
};
