#pragma once

#include "imaging/ColorRef.h"

#include <cstdint>
#include <vector>

class CDibImage;

// What the material outline paints over the plate, kept as runs of one
// colour per row: the band (colour B) between the outline and the outline
// grown inward by the margins, and the outside (A on screen, black in the
// output). Everything else lets the objects show. Built from the outline's
// mask (white outside, black inside) and reused while its inputs stay the
// same, so a render costs a few fills instead of several passes over the
// plate.
class CMaterialLayer
{
public:
    struct Key
    {
        const void* outline = nullptr;
        std::uint64_t stamp = 0;  // 0: not cacheable
        int width = 0, height = 0;
        int marginX = 0, marginY = 0;
        COLORREF band = 0, outside = 0;
        bool screen = false;

        friend bool operator==(const Key&, const Key&) = default;
    };

    bool Matches(const Key& key) const { return m_valid && key.stamp != 0 && key == m_key; }
    // mask: w x h, white outside the outline, black inside (any depth).
    void Build(const Key& key, const CDibImage& mask);
    // Paints the runs onto a target of the key's size.
    void Paint(CDibImage& target) const;
    void Invalidate() { m_valid = false; }

private:
    struct Run
    {
        int x0, x1;
        COLORREF colour;
    };

    Key m_key;
    bool m_valid = false;
    std::vector<std::vector<Run>> m_rows;
};
