#include "DibFootprints.h"

#include <algorithm>
#include <cmath>

std::vector<Footprint> AreaFootprints(int destFirst, int destEnd, int destCount, int sourceStart, int sourceCount, bool mirror)
{
    std::vector<Footprint> footprints;
    const double scale = double(sourceCount) / destCount;
    for (int t = destFirst; t < destEnd; ++t) {
        const int k = mirror ? destCount - 1 - t : t;
        const double from = k * scale, to = (k + 1) * scale;
        Footprint f;
        f.first = sourceStart + int(std::floor(from));
        for (int s = int(std::floor(from)); s < to; ++s) {
            const double overlap = std::min<double>(to, s + 1) - std::max<double>(from, s);
            f.weights.push_back(float(overlap / scale));
        }
        footprints.push_back(std::move(f));
    }
    return footprints;
}

std::vector<Footprint> NearestFootprints(int destFirst, int destEnd, int destCount, int sourceStart, int sourceCount, bool mirror)
{
    std::vector<Footprint> footprints;
    for (int t = destFirst; t < destEnd; ++t) {
        const int k = mirror ? destCount - 1 - t : t;
        footprints.push_back({sourceStart + int((long long)k * sourceCount / destCount), {1.0f}});
    }
    return footprints;
}

FlatFootprints::FlatFootprints(const std::vector<Footprint>& prints, int sourceSize)
{
    first.reserve(prints.size());
    offset.reserve(prints.size() + 1);
    for (const Footprint& print : prints) {
        offset.push_back(int(weights.size()));
        int start = -1;
        for (std::size_t i = 0; i < print.weights.size(); ++i) {
            const int s = print.first + int(i);
            if (s < 0 || s >= sourceSize)
                continue;
            // Inside pixels of one footprint are contiguous.
            if (start < 0)
                start = s;
            weights.push_back(print.weights[i]);
        }
        first.push_back(start);
    }
    offset.push_back(int(weights.size()));
}
