#pragma once

class CDibImage;

// A drawing turned around: every pixel of a 24-bit picture becomes its
// negative, so that dark lines on light paper engrave (white engraves).
// Transparent pixels (the key colour) stay transparent, and a pixel whose
// negative would be the key moves one step off it, as at loading.
namespace KeyedNegative {

void Apply(CDibImage& picture);

} // namespace KeyedNegative
