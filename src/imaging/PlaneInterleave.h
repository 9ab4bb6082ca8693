#pragma once

#include <cstddef>
#include <cstdint>

namespace PlaneInterleave {

// count pixels from three planes of one byte a pixel into B, G, R bytes.
void Interleave(const std::uint8_t* blue, const std::uint8_t* green, const std::uint8_t* red, std::uint8_t* bgr,
                std::size_t count);

// The reverse: count B, G, R pixels into three planes.
void Deinterleave(const std::uint8_t* bgr, std::uint8_t* blue, std::uint8_t* green, std::uint8_t* red,
                  std::size_t count);

} // namespace PlaneInterleave
