#pragma once

class CDibImage;

// Turns a picture by quarter turns at its own depth (1, 4, 8, 24 or 32 bits,
// the colour table kept): a one-bit symbol stays one bit, every pixel
// exactly what it was.
namespace DibQuarterTurn {

// 1 clockwise, 2 half, 3 counter-clockwise. False (target untouched) for
// another turn, an empty or unknown source, or when memory runs out.
bool Turn(const CDibImage& source, int quarterTurns, CDibImage& target);

} // namespace DibQuarterTurn
