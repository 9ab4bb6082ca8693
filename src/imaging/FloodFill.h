#pragma once

#include <cstdint>
#include <functional>
#include <vector>

// Visits the 4-connected region of pixels that pass a test, from a seed,
// row span by row span (no recursion, memory bounded by the image).
class FloodFill
{
public:
    // inside(x, y): whether a pixel belongs to the region; visit(x0, x1, y):
    // a span x0..x1-1 of row y found inside and not visited before.
    static void Run(int width, int height, int seedX, int seedY,
                    const std::function<bool(int, int)>& inside,
                    const std::function<void(int, int, int)>& visit);
};
