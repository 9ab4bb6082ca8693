#pragma once

#include "CDibImage.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// An image kept as the bytes in which it differs from another image of the
// same layout: the undo history keeps a pen layer before each stroke this
// way, against the layer after it, so a hundred strokes hold little more
// than the strokes themselves.
class DibRowDelta
{
public:
    // Same header, colour table and pixel block size.
    static bool SameLayout(const CDibImage& a, const CDibImage& b);

    // Keeps what image has that base has not; false (and nothing kept) when
    // the layouts differ or when more than half of the bytes differ (the
    // image is then better kept whole).
    bool Take(const CDibImage& image, const CDibImage& base);
    // The image again, from the same base it was taken against.
    bool Restore(CDibImage& image, const CDibImage& base) const;
    // The other way: the image it was taken from (its pixels not shared)
    // made equal to base by copying base's bytes where the two differ.
    bool BringToBase(CDibImage& image, const CDibImage& base) const;
    bool IsEmpty() const { return m_info.empty(); }
    void Clear();
    // Bytes held, for the history's accounting.
    std::size_t HeldBytes() const;

private:
    // Rows are compared in chunks of this many bytes; runs of differing
    // chunks are kept whole.
    static constexpr std::size_t chunk = 16;

    struct Span
    {
        std::size_t offset; // into the pixel block
        std::size_t length;
    };
    // Notes the chunks of a row that differ from the base's, as spans;
    // returns their bytes.
    std::size_t FindSpans(const std::uint8_t* row, const std::uint8_t* baseRow, std::size_t rowOffset, std::size_t rowBytes);

    std::vector<std::uint8_t> m_info;
    std::vector<Span> m_spans;
    std::vector<std::uint8_t> m_bytes;
};
