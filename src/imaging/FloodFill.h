#pragma once

#include <cstdint>
#include <utility>
#include <vector>

// Visits the 4-connected region of pixels that pass a test, from a seed,
// row span by row span (no recursion, memory bounded by the image).
class FloodFill
{
public:
    // inside(x, y): whether a pixel belongs to the region; visit(x0, x1, y):
    // a span x0..x1-1 of row y found inside and not visited before.
    template <class Inside, class Visit>
    static void Run(int width, int height, int seedX, int seedY, Inside inside, Visit visit)
    {
        if (seedX < 0 || seedY < 0 || seedX >= width || seedY >= height || !inside(seedX, seedY))
            return;
        std::vector<std::uint8_t> seen(std::size_t(width) * std::size_t(height), 0);
        const auto done = [&](int x, int y) -> std::uint8_t& { return seen[std::size_t(y) * std::size_t(width) + std::size_t(x)]; };
        std::vector<std::pair<int, int>> pending{{seedX, seedY}};
        while (!pending.empty()) {
            const auto [x, y] = pending.back();
            pending.pop_back();
            if (done(x, y) || !inside(x, y))
                continue;
            // Widen to the whole span of this row.
            int x0 = x, x1 = x + 1;
            while (x0 > 0 && !done(x0 - 1, y) && inside(x0 - 1, y))
                --x0;
            while (x1 < width && !done(x1, y) && inside(x1, y))
                ++x1;
            for (int i = x0; i < x1; ++i)
                done(i, y) = 1;
            visit(x0, x1, y);
            // Seed the rows above and below once per run of candidates.
            for (const int ny : {y - 1, y + 1}) {
                if (ny < 0 || ny >= height)
                    continue;
                bool inRun = false;
                for (int i = x0; i < x1; ++i) {
                    const bool candidate = !done(i, ny) && inside(i, ny);
                    if (candidate && !inRun)
                        pending.emplace_back(i, ny);
                    inRun = candidate;
                }
            }
        }
    }
};
