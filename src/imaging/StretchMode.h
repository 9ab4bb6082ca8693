#pragma once

// How a stretched copy picks its pixels.
enum class StretchMode {
    ColorOnColor, // nearest source pixel (pixel replication when enlarging)
    Halftone,     // area average of the source pixels each target pixel covers
};
