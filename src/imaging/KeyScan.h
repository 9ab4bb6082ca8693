#pragma once

#include <cstdint>

// The first pixel at or after x in a 24-bit row of count pixels whose
// bytes are key (blue, green, red), or count when there is none.
int NextKeyPixel(const std::uint8_t* row, int x, int count, const std::uint8_t key[3]);
