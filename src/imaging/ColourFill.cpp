#include "ColourFill.h"

#include "CDibImage.h"
#include "ColourRun.h"
#include "SurfaceChange.h"

#include <cstddef>
#include <utility>
#include <vector>

namespace {

// Columns [x0, x1) of row y lie beside a painted span of row y - dy.
struct Pending
{
    int y, x0, x1, dy;
};

} // namespace

bool ColourFill::Run(CDibImage& image, int x, int y, const std::uint8_t fillBgr[3], SurfaceChange* painted)
{
    const int width = image.Width(), height = image.Height();
    if (image.BitCount() != 24 || x < 0 || y < 0 || x >= width || y >= height)
        return false;
    // Read before writing: the pixels may be shared with an undo step, and
    // a fill that changes nothing must not take them for itself.
    const std::uint8_t* const seed = std::as_const(image).Row(y) + 3 * std::size_t(x);
    const ColourRun surface(seed), fill(fillBgr);
    if (painted)
        *painted = SurfaceChange(seed, fillBgr);
    if (surface.At(fillBgr))
        return true; // painting would change nothing, and would never end
    std::uint8_t* const bits = image.Bits();
    const std::size_t stride = image.Stride();
    const auto row = [&](int at) { return bits + stride * std::size_t(at); };
    std::vector<Pending> pending;
    const auto paint = [&](int at, int x0, int x1) {
        fill.Paint(row(at), x0, x1);
        if (painted)
            painted->Add(at, x0, x1);
    };
    const auto push = [&](int at, int x0, int x1, int dy) {
        if (at >= 0 && at < height && x0 < x1)
            pending.push_back({at, x0, x1, dy});
    };
    {
        const int x0 = surface.RunStart(row(y), x), x1 = surface.Next(row(y), x, width, false);
        paint(y, x0, x1);
        push(y - 1, x0, x1, -1);
        push(y + 1, x0, x1, 1);
    }
    while (!pending.empty()) {
        const Pending at = pending.back();
        pending.pop_back();
        std::uint8_t* line = row(at.y);
        for (int from = surface.Next(line, at.x0, at.x1, true); from < at.x1;) {
            // Only a span reaching the range's first column can start before
            // it: anything else was found after a pixel of another colour.
            const int x0 = from == at.x0 ? surface.RunStart(line, from) : from;
            const int x1 = surface.Next(line, from, width, false);
            paint(at.y, x0, x1);
            push(at.y + at.dy, x0, x1, at.dy);
            // Where the span reaches past the one it came from (whose ends
            // were of another colour), the row it came from is looked at too.
            push(at.y - at.dy, x0, at.x0 - 1, -at.dy);
            push(at.y - at.dy, at.x1 + 1, x1, -at.dy);
            from = x1 < at.x1 ? surface.Next(line, x1, at.x1, true) : at.x1;
        }
    }
    return true;
}
