#pragma once

#include "ColorRef.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class CDibImage;

// What a fill did to a 24-bit image: the row spans it painted, each pixel
// of which had one colour (from) and now has another (to). Reversing it
// paints the spans back and turns the change round, so one record serves
// the way back and the way forward again.
class SurfaceChange
{
public:
    // Columns [x0, x1) of row y.
    struct Span
    {
        std::int32_t y, x0, x1;
    };

    SurfaceChange() = default;
    SurfaceChange(const std::uint8_t fromBgr[3], const std::uint8_t toBgr[3]);

    void Add(int y, int x0, int x1) { m_spans.push_back({y, x0, x1}); }
    bool IsEmpty() const { return m_spans.empty(); }
    const std::vector<Span>& Spans() const { return m_spans; }
    COLORREF From() const;
    COLORREF To() const;
    // What the record holds in memory.
    std::size_t Bytes() const { return m_spans.capacity() * sizeof(Span); }
    void ReleaseSpare() { m_spans.shrink_to_fit(); }

    // When every pixel of the spans has the colour `to`: paints them in
    // `from` and swaps the two. Otherwise (the image is not the one the
    // change left) false, and the image is untouched. Pixels shared with
    // another image are copied before the first write.
    bool Reverse(CDibImage& image);

private:
    bool Covers(const CDibImage& image) const;

    std::vector<Span> m_spans;
    std::uint8_t m_from[3] = {};
    std::uint8_t m_to[3] = {};
};
