#pragma once

#include "platform/CSize.h"

#include <QString>

// What Material Setup decides: the plate's size and its outline, a built-in
// shape or a material from the library.
struct MaterialChoice
{
    // The shape index of a material taken from the library; 0 to 2 are the
    // built-in rectangle, diamond and ellipse.
    static constexpr int libraryShape = -1;

    CSize size;   // 0.01 mm
    int shape = 0;
    QString path; // the library material's file, for libraryShape

    bool IsLibrary() const { return shape == libraryShape; }
    // Shape indexes other than the four known ones (a hand-edited setting)
    // stand for the rectangle.
    static int KnownShape(int shape) { return shape >= libraryShape && shape <= 2 ? shape : 0; }

    friend bool operator==(const MaterialChoice&, const MaterialChoice&) = default;
};
