#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The two halves of the bilinear enlargement eight destination columns at
// a time (AVX2), on rows kept as three planes (blue, green, red). Every
// value is formed with the same single-precision operations, in the same
// order, as the baseline loops of DibBilinearEnlargement, so the bytes are
// the same.
namespace DibEnlargementAvx2 {

// Groups of eight destination columns whose source pixels lie within the
// sixteen that start at the group's first one.
struct ColumnGroups
{
    std::size_t columns = 0;        // destination columns
    std::size_t planeStride = 0;    // values per plane of a row, a multiple of 16
    std::vector<std::int32_t> base; // per group: the source column of its first column
    std::vector<std::uint8_t> near; // 16 per group: shuffle of the left source pixels from base
    std::vector<std::uint8_t> far;  // 16 per group: the same for the right ones
    std::vector<float> fraction;    // 8 per group: fx
    std::vector<float> complement;  // 8 per group: 1 - fx
};

// The groups for destination columns with left source column left[c],
// right source column right[c] and fraction fx[c]; false when a group's
// pixels lie too far apart for one step, or the processor has no AVX2.
bool MakeGroups(const std::vector<int>& left, const std::vector<int>& right, const std::vector<float>& fx,
                ColumnGroups& groups);

// One source row of width pixels (B, G, R bytes) interpolated across into
// 3 * planeStride values. scratch is kept between calls. True when key (B,
// G, R; null for none) is among the row's pixels.
bool LerpAcross(const std::uint8_t* line, int width, const ColumnGroups& groups, std::vector<std::uint8_t>& scratch,
                float* values, const std::uint8_t* key);

// The vertical half: each value gy * upper + fy * lower + 0.5, truncated,
// at most 255, written out as B, G, R bytes of groups.columns pixels.
void MixRows(const float* upper, const float* lower, float gy, float fy, const ColumnGroups& groups,
             std::vector<std::uint8_t>& scratch, std::uint8_t* out);

} // namespace DibEnlargementAvx2
